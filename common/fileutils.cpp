// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "fileutils.h"

#include "fileutils_p.h"
#include "writelog.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <initializer_list>
#include <iostream>
#include <string_view>

namespace FileUtils {

namespace {

// Builds the message while keeping the failure's errno: allocating the text
// must not change the numbers it reports.
[[noreturn]] void fail(std::initializer_list<std::string_view> parts)
{
    const int error = errno;
    std::string message;
    for (const std::string_view part : parts)
        message.append(part);
    errno = error;
    throw IOException(error, std::move(message));
}

// No exception leaves this layer: the failure's line goes to standard output
// and the caller gets false.
template <typename Operation>
bool reportFailures(Operation&& operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        std::cout << e.what() << "\n" << std::flush;
        return false;
    }
}

} // namespace

IOException::IOException(int code, std::string message)
    : mMessage(std::move(message))
    , mCode(code)
{
    mMessage += " GetLastError returned: " + std::to_string(detail::lastErrorCode());
}

IOException::IOException(std::string message)
    : IOException(errno, std::move(message))
{
}

const char* IOException::what() const noexcept
{
    return mMessage.c_str();
}

int IOException::code() const noexcept
{
    return mCode;
}

std::string DirectoryIterator::path() const
{
    return mPath + "/" + name();
}

bool copyFile(const std::string& source, const std::string& target)
{
    return reportFailures([&] {
        if (!detail::copyFile(source, target))
            fail({"Failed to copy ", source, " to ", target});
    });
}

bool rename(const std::string& oldPath, const std::string& newPath)
{
    return reportFailures([&] {
        if (!detail::rename(oldPath, newPath))
            fail({"Unable to rename ", oldPath, " to ", newPath});
    });
}

bool replaceFile(const std::string& source, const std::string& target)
{
    return reportFailures([&] {
        if (!detail::replaceFile(source, target))
            fail({"Unable to replace ", target, " with ", source});
    });
}

bool createDirectory(const std::string& path)
{
    return reportFailures([&] {
        if (!detail::createDirectory(path))
            fail({"Unable to create directory ", path});
    });
}

bool createDirectories(const std::string& path)
{
    bool present = true;
    // Every "/" ends a piece, so a trailing "/" yields a last, empty piece
    // and a test of the path with its "/": both find the folder present.
    std::string accumulated;
    std::string::size_type start = 0;
    while (true) {
        const std::string::size_type slash = path.find('/', start);
        accumulated.append(path, start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!accumulated.empty())
            present = exists(accumulated) || createDirectory(accumulated);
        if (slash == std::string::npos)
            break;
        accumulated += '/';
        start = slash + 1;
    }
    return present;
}

bool removeFile(const std::string& path)
{
    return reportFailures([&] {
        if (!detail::removeFile(path))
            fail({"Unable to remove file ", path});
    });
}

bool removeDirectory(const std::string& path)
{
    return reportFailures([&] {
        if (!detail::removeDirectory(path))
            fail({"Unable to remove directory ", path});
    });
}

bool removeDirectoryAndFiles(const std::string& path)
{
    {
        DirectoryIterator entries(path);
        while (entries.next()) {
            const std::string name = entries.name();
            if (name == "." || name == "..")
                continue;
            if (entries.isDirectory())
                removeDirectory(entries.path());
            else
                removeFile(entries.path());
        }
    }
    return removeDirectory(path);
}

std::string fileName(const std::string& path)
{
    const std::string::size_type separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string currentDirectory()
{
    std::string path;
    reportFailures([&] {
        if (!detail::currentDirectory(path)) {
            path.clear();
            fail({"Failed to get current directory"});
        }
    });
    return toForwardSlashes(path);
}

std::string tempPath()
{
    std::string path = detail::temporaryDirectory();
    if (path.empty())
        writeLog(LOG_ERROR, "FileUtils::tempPath", "getenv(TEMP) is empty");
    else
        path += '/';
    return toForwardSlashes(path);
}

std::string applicationDirectory()
{
    const std::string path = toForwardSlashes(detail::executablePath());
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) {
        writeLog(LOG_ERROR, "FileUtils::applicationDirectory", "the program's path is unknown");
        return std::string();
    }
    // The root keeps its "/".
    return path.substr(0, slash == 0 ? 1 : slash);
}

std::string appDataPath()
{
    std::string path = detail::applicationDataDirectory();
    if (path.empty())
        path = tempPath();
    path += "/Cartaline";
    createDirectories(path);
    return toForwardSlashes(path);
}

std::string toForwardSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

} // namespace FileUtils
