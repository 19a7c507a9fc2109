// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ziputils.h"

#include "fileutils.h"
#include "writelog.h"
#include "ziputils_p.h"

#include <unzip.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// "Version made by" names the host system in its upper byte; 3 is Unix, whose
// archivers keep the file mode in the upper half of the external attributes.
constexpr unsigned long kHostUnix = 3;
constexpr unsigned kTypeBits = 0170000;
constexpr unsigned kRegularFile = 0100000;
constexpr unsigned kFolder = 0040000;
// Write permission for group and others never comes from a package, and the
// owner may always write what it unpacked, so a second run can replace it.
constexpr unsigned kPermissionBits = 0755;
constexpr unsigned kOwnerWrite = 0200;
constexpr uLong kEncryptedFlag = 1;
constexpr ZPOS64_T kLocalHeaderSize = 30;
// Declared sizes are what the data inflates to; a volume with transparent
// compression may hold more, so only a total clearly beyond the free space
// is taken for a bomb rather than a tight fit.
constexpr std::uintmax_t kFreeSpaceMargin = std::uintmax_t{64} << 20;

struct Entry {
    unz_file_info64 info{};
    std::string name;
};

// A stretch of the archive file: an entry's local header and its data.
struct Span {
    ZPOS64_T begin = 0;
    ZPOS64_T end = 0;
};

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

bool describeCurrentEntry(unzFile zip, Entry& entry)
{
    if (unzGetCurrentFileInfo64(zip, &entry.info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    std::vector<char> buffer(entry.info.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo64(zip, &entry.info, buffer.data(), static_cast<uLong>(buffer.size()), nullptr, 0,
                                nullptr, 0)
        != UNZ_OK)
        return false;
    entry.name.assign(buffer.data(), entry.info.size_filename);
    return true;
}

// The Unix mode an archive made on Unix recorded, type bits included; 0 when
// the host records none.
unsigned recordedMode(const unz_file_info64& info)
{
    if ((info.version >> 8) != kHostUnix)
        return 0;
    return static_cast<unsigned>(info.external_fa >> 16) & 0177777;
}

// A name from the archive as a log line may show it: control characters
// would start a line of their own.
std::string printable(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    return text;
}

// Why an entry cannot be unpacked as it is, or null. Only stored or deflated
// data, never encrypted (Debian's minizip cannot decrypt, and scrambled bytes
// may still inflate), and only plain files and folders: a link or device in
// the package would be unpacked as something else.
const char* refusal(const Entry& entry)
{
    const unsigned type = recordedMode(entry.info) & kTypeBits;
    if (!isSafeEntryName(entry.name))
        return "unsafe name";
    if ((entry.info.flag & kEncryptedFlag) != 0)
        return "encrypted";
    if (entry.info.compression_method != 0 && entry.info.compression_method != Z_DEFLATED)
        return "unknown compression method";
    if (type != 0 && type != kRegularFile && type != kFolder)
        return "neither a file nor a folder";
    return nullptr;
}

// Where the current entry's local header and data lie; false when they reach
// past the end of the file.
bool locateCurrentEntry(unzFile zip, const Entry& entry, ZPOS64_T fileSize, Span& span)
{
    if (unzOpenCurrentFile2(zip, nullptr, nullptr, 1) != UNZ_OK)
        return false;
    const ZPOS64_T data = unzGetCurrentFileZStreamPos64(zip);
    const int extra = unzGetLocalExtrafield(zip, nullptr, 0);
    unzCloseCurrentFile(zip);
    const ZPOS64_T header = kLocalHeaderSize + entry.info.size_filename + static_cast<ZPOS64_T>(std::max(extra, 0));
    if (extra < 0 || data < header || data > fileSize || entry.info.compressed_size > fileSize - data)
        return false;
    span = {data - header, data + entry.info.compressed_size};
    return true;
}

// Free bytes on the volume that holds path or, while it does not exist yet,
// its nearest existing parent; unlimited when that cannot be told.
std::uintmax_t freeSpace(const std::string& path)
{
    std::error_code error;
    for (fs::path folder = fs::absolute(fs::u8path(path.empty() ? "." : path), error); !error;) {
        const fs::space_info space = fs::space(folder, error);
        if (!error)
            return space.available;
        if (folder == folder.parent_path())
            break;
        folder = folder.parent_path();
        error.clear();
    }
    return std::numeric_limits<std::uintmax_t>::max();
}

// Everything the central directory tells is checked before one entry is read:
// safe names, plain entries, no two entries sharing bytes (the zip bomb that
// inflates one stretch of data again and again), and a declared total that the
// volume of volumePath can hold.
bool inspect(unzFile zip, const std::string& zipPath, const std::string& volumePath, std::vector<std::string>* names,
             const char* caller)
{
    std::error_code error;
    const std::uintmax_t fileSize = fs::file_size(fs::u8path(zipPath), error);
    if (error || !zip || unzGoToFirstFile(zip) != UNZ_OK) {
        writeLog(LOG_ERROR, caller, "not a readable archive: %s", zipPath.c_str());
        return false;
    }
    const std::uintmax_t available = freeSpace(volumePath);
    const std::uintmax_t room = available + std::min(kFreeSpaceMargin, ~available);
    std::uintmax_t total = 0;
    std::vector<Span> spans;
    int next = UNZ_OK;
    do {
        Entry entry;
        Span span;
        if (!describeCurrentEntry(zip, entry)) {
            writeLog(LOG_ERROR, caller, "damaged central directory in %s", zipPath.c_str());
            return false;
        }
        const char* reason = refusal(entry);
        if (!reason && entry.info.uncompressed_size > room - total)
            reason = "more declared bytes than the volume has free";
        if (!reason && !locateCurrentEntry(zip, entry, fileSize, span))
            reason = "damaged local header or data outside the file";
        if (reason) {
            writeLog(LOG_ERROR, caller, "refused at entry %s: %s", printable(entry.name).c_str(), reason);
            return false;
        }
        total += entry.info.uncompressed_size;
        spans.push_back(span);
        if (names)
            names->push_back(withForwardSlashes(std::move(entry.name)));
        next = unzGoToNextFile(zip);
    } while (next == UNZ_OK);
    // Anything but the end of the list is a damaged central directory.
    if (next != UNZ_END_OF_LIST_OF_FILE) {
        writeLog(LOG_ERROR, caller, "damaged central directory in %s", zipPath.c_str());
        return false;
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
    for (std::size_t i = 1; i < spans.size(); ++i) {
        if (spans[i].begin < spans[i - 1].end) {
            writeLog(LOG_ERROR, caller, "refused: entries share data in %s", zipPath.c_str());
            return false;
        }
    }
    return true;
}

// Reads the current entry's raw data and inflates it here rather than in
// minizip, which checks the CRC only when the data reaches the declared end:
// the bytes are counted and summed as they come, an entry stops the moment it
// yields more than it declared, and it must end exactly at its declared size
// and checksum.
class EntryReader
{
public:
    EntryReader() : mInput(kBufferSize), mOutput(kBufferSize) { mReady = inflateInit2(&mStream, -MAX_WBITS) == Z_OK; }
    ~EntryReader() { inflateEnd(&mStream); }
    EntryReader(const EntryReader&) = delete;
    EntryReader& operator=(const EntryReader&) = delete;

    // Hands each block to sink when there is one; false on any mismatch,
    // read or inflate error, or as soon as sink refuses bytes.
    bool read(unzFile zip, const unz_file_info64& info, std::ostream* sink)
    {
        if (!mReady || inflateReset(&mStream) != Z_OK || unzOpenCurrentFile2(zip, nullptr, nullptr, 1) != UNZ_OK)
            return false;
        mDeclared = info.uncompressed_size;
        mCount = 0;
        mCrc = crc32(0, nullptr, 0);
        mSink = sink;
        const bool ended = info.compression_method == Z_DEFLATED ? inflateAll(zip) : copyAll(zip);
        unzCloseCurrentFile(zip);
        return ended && mCount == mDeclared && mCrc == info.crc;
    }

private:
    bool deliver(const char* data, std::size_t size)
    {
        if (size > mDeclared - mCount)
            return false;
        mCount += size;
        mCrc = crc32_z(mCrc, reinterpret_cast<const Bytef*>(data), size);
        return !mSink || mSink->write(data, static_cast<std::streamsize>(size));
    }

    int readRaw(unzFile zip) { return unzReadCurrentFile(zip, mInput.data(), static_cast<unsigned>(mInput.size())); }

    bool copyAll(unzFile zip)
    {
        int count = 0;
        while ((count = readRaw(zip)) > 0) {
            if (!deliver(mInput.data(), static_cast<std::size_t>(count)))
                return false;
        }
        return count == 0;
    }

    bool inflateAll(unzFile zip)
    {
        int count = 0;
        while ((count = readRaw(zip)) > 0) {
            mStream.next_in = reinterpret_cast<Bytef*>(mInput.data());
            mStream.avail_in = static_cast<uInt>(count);
            do {
                mStream.next_out = reinterpret_cast<Bytef*>(mOutput.data());
                mStream.avail_out = static_cast<uInt>(mOutput.size());
                const int result = inflate(&mStream, Z_NO_FLUSH);
                if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
                    return false;
                if (!deliver(mOutput.data(), mOutput.size() - mStream.avail_out))
                    return false;
                if (result == Z_STREAM_END)
                    return true;
            } while (mStream.avail_out == 0);
        }
        // The compressed bytes ran out before the stream's end.
        return false;
    }

    z_stream mStream{};
    bool mReady = false;
    std::vector<char> mInput;
    std::vector<char> mOutput;
    ZPOS64_T mDeclared = 0;
    ZPOS64_T mCount = 0;
    uLong mCrc = 0;
    std::ostream* mSink = nullptr;
};

bool writeCurrentEntry(unzFile zip, EntryReader& reader, const std::string& path, const unz_file_info64& info)
{
    std::ofstream out(fs::u8path(path), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const bool read = reader.read(zip, info, &out);
    out.close();
    if (!read || out.fail())
        return false;
    const unsigned mode = recordedMode(info) & 0777;
    return mode == 0 || applyUnixMode(path, (mode & kPermissionBits) | kOwnerWrite);
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

bool ZipUtils::startUnZip(const std::string& zipPath, const std::string& destination, const std::string&)
{
    // One entry that fails the inspection refuses the whole archive before
    // anything is written.
    const bool extracted = !destination.empty() && mArchive.open(zipPath)
        && inspect(mArchive.handle(), zipPath, destination, nullptr, "ZipUtils::startUnZip") && extractAll(destination);
    mArchive.reset();
    return extracted;
}

bool ZipUtils::testArchive(const std::string& zipPath, std::vector<std::string>* entryNames,
                           const std::string& destination)
{
    Archive archive;
    std::vector<std::string> names;
    const std::string volume = destination.empty() ? fs::u8path(zipPath).parent_path().u8string() : destination;
    if (!archive.open(zipPath) || !inspect(archive.handle(), zipPath, volume, &names, "ZipUtils::testArchive"))
        return false;
    unzFile zip = archive.handle();
    EntryReader reader;
    if (unzGoToFirstFile(zip) != UNZ_OK)
        return false;
    do {
        Entry entry;
        if (!describeCurrentEntry(zip, entry) || !reader.read(zip, entry.info, nullptr)) {
            writeLog(LOG_ERROR, "ZipUtils::testArchive", "entry %s does not match its size or CRC",
                     printable(entry.name).c_str());
            return false;
        }
    } while (unzGoToNextFile(zip) == UNZ_OK);
    if (entryNames)
        *entryNames = std::move(names);
    return true;
}

bool ZipUtils::extractAll(const std::string& destination)
{
    unzFile zip = mArchive.handle();
    std::string root = destination;
    if (root.size() < 2 || root.compare(root.size() - 2, 2, "//") != 0)
        root += '/';
    if (unzGoToFirstFile(zip) != UNZ_OK)
        return false;
    EntryReader reader;
    bool ok = true;
    do {
        Entry entry;
        if (!describeCurrentEntry(zip, entry) || !isSafeEntryName(entry.name))
            return false;
        const std::string path = root + withForwardSlashes(entry.name);
        createParentDirectories(path);
        if (path.back() == '/') {
            std::error_code error;
            ok = reader.read(zip, entry.info, nullptr) && fs::is_directory(fs::u8path(path), error);
        } else {
            ok = writeCurrentEntry(zip, reader, path, entry.info);
        }
        if (!ok)
            writeLog(LOG_ERROR, "ZipUtils::startUnZip", "entry %s was not read or written whole",
                     printable(entry.name).c_str());
    } while (ok && unzGoToNextFile(zip) == UNZ_OK);
    return ok;
}

void ZipUtils::createParentDirectories(const std::string& path)
{
    // Every prefix up to a "/" in turn; existing folders and roots fail
    // harmlessly, and a real failure shows when the file is opened.
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        std::error_code ignored;
        fs::create_directory(fs::u8path(path.substr(0, slash + 1)), ignored);
    }
}
