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
    // entry cannot be read or written whole. Not thread-safe: one extraction
    // at a time.
    bool startUnZip(const std::string& zipPath, const std::string& destination, const std::string& password);

    // Reads every entry of zipPath to its end and checks its checksum and its
    // name, writing nothing. On success entryNames receives the entry names
    // with "\" turned into "/" (folders end in "/").
    static bool testArchive(const std::string& zipPath, std::vector<std::string>* entryNames);

    ZipUtils(const ZipUtils&) = delete;
    ZipUtils& operator=(const ZipUtils&) = delete;

private:
    // Owns an open archive handle (an unzFile) and closes it when dropped.
    class Archive
    {
    public:
        Archive() = default;
        ~Archive();
        Archive(const Archive&) = delete;
        Archive& operator=(const Archive&) = delete;

        // Closes any archive held, then opens zipPath (UTF-8).
        bool open(const std::string& zipPath);
        void reset();
        void* handle() const { return mHandle; }

    private:
        void* mHandle = nullptr;
    };

    ZipUtils() = default;
    ~ZipUtils() = default;
    bool open(const std::string& zipPath, const std::string& password);
    bool listEntries();
    bool extractAll(const std::string& destination);
    void close();
    static void createParentDirectories(const std::string& path);

    Archive mArchive;
    std::string mPassword;
    std::vector<std::string> mEntryNames;
};
