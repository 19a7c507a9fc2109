// SPDX-License-Identifier: LicenseRef-Wrenhop
// Unpacking the downloaded package (zip).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// True when an archive entry name (or a file name from the manifest) stays
// inside the folder it is joined to: not empty, not absolute, no drive letter
// and no ".." component once "\" became "/".
bool isSafeEntryName(std::string_view name);

class ZipUtils
{
public:
    static ZipUtils& getInstance();

    // Unpacks every entry of zipPath into destination. False when the archive
    // cannot be opened, holds an unsafe name (then nothing is written), or an
    // entry cannot be read or written whole.
    bool startUnZip(const std::string& zipPath, const std::string& destination, const std::string& password);

    ZipUtils(const ZipUtils&) = delete;
    ZipUtils& operator=(const ZipUtils&) = delete;

private:
    ZipUtils() = default;
    ~ZipUtils();
    bool open(const std::string& zipPath, const std::string& password);
    bool listEntries();
    bool extractAll(const std::string& destination);
    void close();
    static void createParentDirectories(const std::string& path);

    void* mZipFile = nullptr;
    std::string mPassword;
};
