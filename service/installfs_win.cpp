// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "installfs.h"

#include "fileutils.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include <windows.h>

namespace wrenhop::service::installfs {

namespace {

class Handle
{
public:
    explicit Handle(HANDLE handle)
        : mHandle(handle)
    {
    }
    ~Handle()
    {
        if (valid())
            ::CloseHandle(mHandle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return mHandle; }
    bool valid() const { return mHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE mHandle;
};

std::wstring wide(const std::string& path)
{
    return FileUtils::utf8ToWide(path);
}

// Opens the link itself, never what a reparse point leads to.
HANDLE openForQuery(const std::string& path)
{
    return ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

bool flushFile(const std::wstring& path)
{
    const Handle file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && ::FlushFileBuffers(file.get());
}

} // namespace

bool move(const std::string& from, const std::string& to)
{
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool moveReplacing(const std::string& from, const std::string& to)
{
    return ::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool link(const std::string& existing, const std::string& newName)
{
    return ::CreateHardLinkW(wide(newName).c_str(), wide(existing).c_str(), nullptr) != 0;
}

bool sameFile(const std::string& a, const std::string& b)
{
    const Handle first(openForQuery(a));
    const Handle second(openForQuery(b));
    BY_HANDLE_FILE_INFORMATION one = {};
    BY_HANDLE_FILE_INFORMATION two = {};
    return first.valid() && second.valid() && ::GetFileInformationByHandle(first.get(), &one)
        && ::GetFileInformationByHandle(second.get(), &two) && one.dwVolumeSerialNumber == two.dwVolumeSerialNumber
        && one.nFileIndexHigh == two.nFileIndexHigh && one.nFileIndexLow == two.nFileIndexLow;
}

bool isLink(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool removeAll(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::u8path(path);
    std::error_code error;
    std::vector<fs::path> paths{root};
    if (fs::is_directory(fs::symlink_status(root, error)) && !isLink(path)) {
        for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error))
            paths.push_back(it->path());
    }
    for (const fs::path& entry : paths) {
        const DWORD attributes = ::GetFileAttributesW(entry.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            ::SetFileAttributesW(entry.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    error.clear();
    fs::remove_all(root, error);
    return !error;
}

bool writeDurably(const std::string& path, const std::string& bytes)
{
    const Handle file(::CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
        && written == bytes.size() && ::FlushFileBuffers(file.get());
}

// Renames made with MOVEFILE_WRITE_THROUGH are on disk when they return.
bool flushDirectory(const std::string&)
{
    return true;
}

bool flushTree(const std::string& path)
{
    std::error_code error;
    std::filesystem::recursive_directory_iterator it(std::filesystem::u8path(path), error);
    for (; !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_regular_file(error) && !flushFile(it->path().wstring()))
            return false;
    }
    return !error;
}

bool flushFileSystem(const std::string&)
{
    return true;
}

// Windows decides executability by the file name, not by mode bits.
int permissionBits(const std::string&)
{
    return -1;
}

bool setPermissionBits(const std::string&, int)
{
    return true;
}

std::string nameKey(std::string_view name)
{
    std::wstring text = FileUtils::utf8ToWide(std::string(name));
    if (text.empty())
        return std::string(name);
    // NTFS compares names through its upper-case table; CharUpperBuffW
    // follows the same simple one-to-one mapping.
    ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string key(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size <= 0
        || ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), key.data(), size, nullptr,
                                 nullptr)
            != size)
        return std::string(name);
    return key;
}

} // namespace wrenhop::service::installfs
