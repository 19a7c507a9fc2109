// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "fileutils.h"

#include "fileutils_p.h"

#include <vector>

#include <io.h>
#include <windows.h>

namespace FileUtils {

namespace {

class FindHandle
{
public:
    explicit FindHandle(HANDLE handle)
        : mHandle(handle)
    {
    }
    ~FindHandle()
    {
        if (valid())
            ::FindClose(mHandle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    HANDLE get() const { return mHandle; }
    bool valid() const { return mHandle != INVALID_HANDLE_VALUE; }

private:
    HANDLE mHandle;
};

// Both calls of a conversion take the input's length from the caller: -1
// reads up to the first NUL, whose converted copy the caller then drops.
std::wstring toWide(UINT codePage, DWORD flags, const char* text, int length)
{
    const int size = ::MultiByteToWideChar(codePage, flags, text, length, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(size), L'\0');
    if (::MultiByteToWideChar(codePage, flags, text, length, wide.data(), size) != size)
        return {};
    return wide;
}

std::string fromWide(UINT codePage, const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int length = static_cast<int>(wide.size());
    const int size = ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string text(static_cast<size_t>(size), '\0');
    if (::WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), size, nullptr, nullptr) != size)
        return {};
    return text;
}

// The wide environment: the narrow one is in the ANSI code page, which
// cannot hold every user name.
std::string environment(const wchar_t* name)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = ::GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        // The answer is the size needed, terminating NUL included.
        buffer.resize(length);
        length = ::GetEnvironmentVariableW(name, buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size())
        return {};
    return fromWide(CP_UTF8, std::wstring(buffer.data(), length));
}

// A file that Windows will not delete while it is in use (a running program,
// a loaded library) may still be renamed: it goes to the temporary folder
// under a free name and is deleted when the machine restarts.
void moveAsideForDeletion(const std::string& path)
{
    const std::string target = tempPath() + "/" + fileName(path);
    std::string candidate = target;
    for (int counter = 1; exists(candidate); ++counter)
        candidate = target + "_" + std::to_string(counter);
    rename(path, candidate);
    ::MoveFileExW(utf8ToWide(candidate).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

} // namespace

namespace detail {

unsigned long lastErrorCode()
{
    return ::GetLastError();
}

bool copyFile(const std::string& source, const std::string& target)
{
    return ::CopyFileW(utf8ToWide(source).c_str(), utf8ToWide(target).c_str(), FALSE) != 0;
}

bool rename(const std::string& oldPath, const std::string& newPath)
{
    return ::MoveFileW(utf8ToWide(oldPath).c_str(), utf8ToWide(newPath).c_str()) != 0;
}

bool replaceFile(const std::string& source, const std::string& target)
{
    return ::MoveFileExW(utf8ToWide(source).c_str(), utf8ToWide(target).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
        != 0;
}

bool createDirectory(const std::string& path)
{
    return ::CreateDirectoryW(utf8ToWide(path).c_str(), nullptr) != 0;
}

bool removeFile(const std::string& path)
{
    const std::wstring wide = utf8ToWide(path);
    if (::DeleteFileW(wide.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND)
        return true;
    if (::GetLastError() != ERROR_ACCESS_DENIED)
        return false;
    // Access is denied for a folder and a read-only file too. A folder is
    // no file to move aside; a read-only one goes once it may.
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)
        && ::SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY)) {
        if (::DeleteFileW(wide.c_str()))
            return true;
        // In use as well: it is moved aside as it was.
        ::SetFileAttributesW(wide.c_str(), attributes);
    }
    moveAsideForDeletion(path);
    return true;
}

bool removeDirectory(const std::string& path)
{
    return ::RemoveDirectoryW(utf8ToWide(path).c_str()) != 0;
}

bool currentDirectory(std::string& path)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        // The answer is the size needed, terminating NUL included.
        buffer.resize(length);
        length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size())
        return false;
    path = fromWide(CP_UTF8, std::wstring(buffer.data(), length));
    return true;
}

std::string temporaryDirectory()
{
    return environment(L"TEMP");
}

std::string executablePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::string();
        // A cut answer fills the buffer entirely.
        if (length < buffer.size())
            return fromWide(CP_UTF8, std::wstring(buffer.data(), length));
        if (buffer.size() >= 32768)
            return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

std::string applicationDataDirectory()
{
    return environment(L"APPDATA");
}

} // namespace detail

struct DirectoryIterator::Impl {
    // An empty path would list the root of the current drive.
    explicit Impl(const std::string& path)
        : handle(path.empty() ? INVALID_HANDLE_VALUE
                              : ::FindFirstFileW(utf8ToWide(path + (path.back() == '/' ? "*" : "/*")).c_str(), &data))
    {
    }

    WIN32_FIND_DATAW data = {};
    FindHandle handle;
    bool first = true;
};

DirectoryIterator::DirectoryIterator(std::string path)
    : mPath(std::move(path))
    , d(std::make_unique<Impl>(mPath))
{
}

DirectoryIterator::~DirectoryIterator() = default;

bool DirectoryIterator::next()
{
    if (d->first) {
        d->first = false;
        return d->handle.valid();
    }
    return d->handle.valid() && ::FindNextFileW(d->handle.get(), &d->data) != 0;
}

std::string DirectoryIterator::name() const
{
    return fromWide(CP_UTF8, d->data.cFileName);
}

bool DirectoryIterator::isDirectory() const
{
    return (d->data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::FILE* openFile(const std::string& path, const char* mode)
{
    return ::_wfopen(utf8ToWide(path).c_str(), utf8ToWide(mode).c_str());
}

bool flushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0
        && ::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)))) != 0;
}

bool exists(const std::string& path)
{
    const std::wstring wide = utf8ToWide(path);
    return !wide.empty() && ::GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring utf8ToWide(const std::string& text)
{
    if (text.empty())
        return {};
    // Refused as a whole, like an unconvertible path: a replacement character
    // would name another file.
    return toWide(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()));
}

} // namespace FileUtils
