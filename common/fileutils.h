// SPDX-License-Identifier: LicenseRef-Wrenhop
// A thin layer over the platform's file calls. Operations that fail print one
// line ("<what> GetLastError returned: <code>") to standard output and return
// false; nothing throws.
//
// Paths are UTF-8 on every platform, whatever their source (the environment,
// Qt, an archive, the manifest); the platform files convert them for the
// system's calls. Code outside this layer opens files through openFile() or
// std::filesystem::u8path(), never with a narrow path as it stands, which
// Windows would read in the ANSI code page.
#pragma once

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

namespace FileUtils {

class IOException : public std::exception
{
public:
    // Appends " GetLastError returned: " and the platform's last-error code.
    IOException(int code, std::string message);
    explicit IOException(std::string message);

    const char* what() const noexcept override;
    int code() const noexcept;

private:
    std::string mMessage;
    int mCode;
};

// Walks the entries of one directory, "." and ".." included. A folder that
// cannot be opened has no entries.
class DirectoryIterator
{
public:
    explicit DirectoryIterator(std::string path);
    ~DirectoryIterator();
    DirectoryIterator(const DirectoryIterator&) = delete;
    DirectoryIterator& operator=(const DirectoryIterator&) = delete;

    bool next();
    std::string name() const;
    std::string path() const;
    bool isDirectory() const;

private:
    struct Impl;
    std::string mPath;
    std::unique_ptr<Impl> d;
};

bool copyFile(const std::string& source, const std::string& target);
// Fails when newPath exists.
bool rename(const std::string& oldPath, const std::string& newPath);
// Moves source onto target in one step, replacing target if it exists; the
// move is on the disk when the call returns.
bool replaceFile(const std::string& source, const std::string& target);
bool createDirectory(const std::string& path);
bool createDirectories(const std::string& path);
// A missing file is no failure.
bool removeFile(const std::string& path);
bool removeDirectory(const std::string& path);
// One level deep: subfolders that are not empty stay, and so does the folder
// (false then).
bool removeDirectoryAndFiles(const std::string& path);
bool exists(const std::string& path);
std::string fileName(const std::string& path);
std::string currentDirectory();
// fopen() for a UTF-8 path; the caller closes the file.
std::FILE* openFile(const std::string& path, const char* mode);
// Writes the stream's buffer and then the system's cache of the file to the
// disk; false when either fails.
bool flushToDisk(std::FILE* file);
// Ends in "/" unless empty.
std::string tempPath();
// The folder of the running program, without trailing "/"; empty when the
// system cannot tell it.
std::string applicationDirectory();
// Cartaline's own folder; exists after the call.
std::string appDataPath();
// Windows only: the wide form the Win32 calls take; empty for invalid UTF-8.
std::wstring utf8ToWide(const std::string& text);
std::string toForwardSlashes(std::string path);

} // namespace FileUtils
