// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ziputils.h"

#include "fileutils.h"
#include "ziputils_p.h"

#include <unzip.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr std::size_t kBufferSize = 4096;
// "Version made by" names the host system in its upper byte; 3 is Unix, whose
// archivers keep the file mode in the upper half of the external attributes.
constexpr unsigned long kHostUnix = 3;
constexpr unsigned kPermissionBits = 0777;

std::string withForwardSlashes(std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

// minizip's own open would hand the UTF-8 path to a narrow fopen, which
// Windows reads in the ANSI code page; the other file calls take its FILE*.
voidpf ZCALLBACK openArchiveFile(voidpf, const void* path, int mode)
{
    if (!path || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    return FileUtils::openFile(static_cast<const char*>(path), "rb");
}

int openCurrentEntry(unzFile zip, const std::string& password)
{
    return password.empty() ? unzOpenCurrentFile(zip) : unzOpenCurrentFilePassword(zip, password.c_str());
}

bool describeCurrentEntry(unzFile zip, unz_file_info& info, std::string& name)
{
    if (unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    std::vector<char> buffer(info.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo(zip, &info, buffer.data(), static_cast<uLong>(buffer.size()), nullptr, 0, nullptr, 0)
        != UNZ_OK)
        return false;
    name.assign(buffer.data(), info.size_filename);
    return true;
}

// Reads the open entry to its end, handing each block to sink when there is
// one. False on a read or inflate error, or as soon as sink refuses bytes.
bool readCurrentEntry(unzFile zip, std::ostream* sink)
{
    std::array<char, kBufferSize> buffer{};
    int count = 0;
    while ((count = unzReadCurrentFile(zip, buffer.data(), static_cast<unsigned>(buffer.size()))) > 0) {
        if (sink && !sink->write(buffer.data(), count))
            return false;
    }
    return count == 0;
}

unsigned unixMode(const unz_file_info& info)
{
    if ((info.version >> 8) != kHostUnix)
        return 0;
    return static_cast<unsigned>(info.external_fa >> 16) & kPermissionBits;
}

bool writeCurrentEntry(unzFile zip, const std::string& path, const unz_file_info& info)
{
    std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const bool read = readCurrentEntry(zip, &out);
    out.close();
    if (!read || out.fail())
        return false;
    const unsigned mode = unixMode(info);
    return mode == 0 || applyUnixMode(path, mode);
}

} // namespace

namespace {

// Names that Windows maps to a device whatever folder they stand in.
bool isDeviceName(std::string_view component)
{
    std::string base(component.substr(0, component.find('.')));
    std::transform(base.begin(), base.end(), base.begin(), [](unsigned char c) { return std::toupper(c); });
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) && base[3] >= '1'
        && base[3] <= '9';
}

} // namespace

bool isSafeEntryName(std::string_view name)
{
    // A ":" is a drive letter or, anywhere else, an NTFS stream of another
    // file; neither is a file of the package.
    if (name.empty() || name.find('\0') != std::string_view::npos || name.find(':') != std::string_view::npos)
        return false;
    const std::string path = withForwardSlashes(std::string(name));
    if (path.front() == '/')
        return false;
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view component(path.data() + start, end - start);
        if (component == "..")
            return false;
        // Windows drops a trailing dot or blank, so "a." would be written
        // over "a", a file that the rollback does not know about.
        if (component != "." && !component.empty() && (component.back() == '.' || component.back() == ' '))
            return false;
        if (isDeviceName(component))
            return false;
        start = end + 1;
    }
    return true;
}

bool ZipUtils::Archive::open(const std::string& zipPath)
{
    reset();
    zlib_filefunc64_def files{};
    fill_fopen64_filefunc(&files);
    files.zopen64_file = &openArchiveFile;
    mHandle = unzOpen2_64(zipPath.c_str(), &files);
    return mHandle != nullptr;
}

void ZipUtils::Archive::reset()
{
    if (mHandle)
        unzClose(mHandle);
    mHandle = nullptr;
}

ZipUtils::Archive::~Archive()
{
    reset();
}

ZipUtils& ZipUtils::getInstance()
{
    static ZipUtils instance;
    return instance;
}

bool ZipUtils::startUnZip(const std::string& zipPath, const std::string& destination, const std::string& password)
{
    const bool opened = open(zipPath, password);
    const bool listed = listEntries();
    // One name that would land outside the destination refuses the whole
    // archive before anything is written.
    const bool safe = std::all_of(mEntryNames.begin(), mEntryNames.end(), isSafeEntryName);
    const bool extracted = safe && extractAll(destination);
    close();
    return opened && listed && extracted;
}

bool ZipUtils::testArchive(const std::string& zipPath, std::vector<std::string>* entryNames)
{
    Archive archive;
    if (!archive.open(zipPath) || unzGoToFirstFile(archive.handle()) != UNZ_OK)
        return false;
    unzFile zip = archive.handle();
    std::vector<std::string> names;
    int next = UNZ_OK;
    do {
        if (unzOpenCurrentFile(zip) != UNZ_OK)
            return false;
        unz_file_info info{};
        std::string name;
        const bool good = describeCurrentEntry(zip, info, name) && isSafeEntryName(name) && readCurrentEntry(zip, nullptr);
        if (unzCloseCurrentFile(zip) != UNZ_OK || !good)
            return false;
        names.push_back(withForwardSlashes(std::move(name)));
        next = unzGoToNextFile(zip);
    } while (next == UNZ_OK);
    // Anything but the end of the list is a damaged central directory.
    if (next != UNZ_END_OF_LIST_OF_FILE)
        return false;
    if (entryNames)
        *entryNames = std::move(names);
    return true;
}

bool ZipUtils::open(const std::string& zipPath, const std::string& password)
{
    mPassword = password;
    mEntryNames.clear();
    return mArchive.open(zipPath);
}

bool ZipUtils::listEntries()
{
    unzFile zip = mArchive.handle();
    if (!zip || unzGoToFirstFile(zip) != UNZ_OK)
        return false;
    do {
        if (openCurrentEntry(zip, mPassword) != UNZ_OK)
            return false;
        unz_file_info info{};
        std::string name;
        const bool described = describeCurrentEntry(zip, info, name);
        unzCloseCurrentFile(zip);
        if (!described)
            return false;
        mEntryNames.push_back(std::move(name));
    } while (unzGoToNextFile(zip) == UNZ_OK);
    return true;
}

bool ZipUtils::extractAll(const std::string& destination)
{
    unzFile zip = mArchive.handle();
    if (destination.empty() || !zip)
        return false;
    std::string root = destination;
    if (root.size() < 2 || root.compare(root.size() - 2, 2, "//") != 0)
        root += '/';
    if (unzGoToFirstFile(zip) != UNZ_OK)
        return false;
    bool ok = true;
    do {
        if (openCurrentEntry(zip, mPassword) != UNZ_OK)
            return false;
        unz_file_info info{};
        std::string name;
        if (!describeCurrentEntry(zip, info, name) || !isSafeEntryName(name)) {
            unzCloseCurrentFile(zip);
            return false;
        }
        const std::string path = root + withForwardSlashes(name);
        createParentDirectories(path);
        if (path.back() == '/') {
            std::error_code error;
            ok = readCurrentEntry(zip, nullptr) && std::filesystem::is_directory(std::filesystem::u8path(path), error);
        } else {
            ok = writeCurrentEntry(zip, path, info);
        }
        if (unzCloseCurrentFile(zip) != UNZ_OK)
            return false;
    } while (ok && unzGoToNextFile(zip) == UNZ_OK);
    return ok;
}

void ZipUtils::close()
{
    mPassword.clear();
    mEntryNames.clear();
    mArchive.reset();
}

void ZipUtils::createParentDirectories(const std::string& path)
{
    // Every prefix up to a "/" in turn; existing folders and roots fail
    // harmlessly, and a real failure shows when the file is opened.
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        std::error_code ignored;
        std::filesystem::create_directory(std::filesystem::u8path(path.substr(0, slash + 1)), ignored);
    }
}
