// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "fileutils.h"

#include "fileutils_p.h"

#include <cstdlib>
#include <vector>

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

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

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
    ::MoveFileExA(candidate.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

} // namespace

namespace detail {

unsigned long lastErrorCode()
{
    return ::GetLastError();
}

bool copyFile(const std::string& source, const std::string& target)
{
    return ::CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

bool rename(const std::string& oldPath, const std::string& newPath)
{
    return ::MoveFileA(oldPath.c_str(), newPath.c_str()) != 0;
}

bool replaceFile(const std::string& source, const std::string& target)
{
    return ::MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool createDirectory(const std::string& path)
{
    return ::CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool removeFile(const std::string& path)
{
    if (::DeleteFileA(path.c_str()))
        return true;
    switch (::GetLastError()) {
    case ERROR_ACCESS_DENIED:
        moveAsideForDeletion(path);
        return true;
    case ERROR_FILE_NOT_FOUND:
        return true;
    default:
        return false;
    }
}

bool removeDirectory(const std::string& path)
{
    return ::RemoveDirectoryA(path.c_str()) != 0;
}

bool currentDirectory(std::string& path)
{
    std::vector<char> buffer(MAX_PATH);
    DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        // The answer is the size needed, terminating NUL included.
        buffer.resize(length);
        length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size())
        return false;
    path.assign(buffer.data(), length);
    return true;
}

std::string temporaryDirectory()
{
    return environment("TEMP");
}

std::string applicationDataDirectory()
{
    return environment("APPDATA");
}

} // namespace detail

struct DirectoryIterator::Impl {
    explicit Impl(const std::string& pattern)
        : handle(::FindFirstFileA(pattern.c_str(), &data))
    {
    }

    WIN32_FIND_DATAA data = {};
    FindHandle handle;
    bool first = true;
};

DirectoryIterator::DirectoryIterator(std::string path)
    : mPath(std::move(path))
    , d(std::make_unique<Impl>(mPath + (!mPath.empty() && mPath.back() == '/' ? "*" : "/*")))
{
}

DirectoryIterator::~DirectoryIterator() = default;

bool DirectoryIterator::next()
{
    if (d->first) {
        d->first = false;
        return d->handle.valid();
    }
    return d->handle.valid() && ::FindNextFileA(d->handle.get(), &d->data) != 0;
}

std::string DirectoryIterator::name() const
{
    return d->data.cFileName;
}

bool DirectoryIterator::isDirectory() const
{
    return (d->data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool exists(const std::string& path)
{
    const std::wstring wide = utf8ToWide(path);
    return !wide.empty() && ::GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string utf8ToLocal(const std::string& text)
{
    if (text.empty())
        return {};
    return fromWide(CP_ACP, toWide(CP_UTF8, 0, text.data(), static_cast<int>(text.size())));
}

std::string localToUtf8(std::string text)
{
    std::wstring wide = toWide(CP_ACP, 0, text.c_str(), -1);
    if (!wide.empty())
        wide.pop_back();
    return fromWide(CP_UTF8, wide);
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
