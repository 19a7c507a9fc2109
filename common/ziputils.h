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
    // cannot be opened or fails the checks below (then nothing is written), or
    // an entry cannot be read or written whole. An archive is refused whole
    // when it holds an unsafe name, an encrypted entry (the password is not
    // used: no decryption is built in), an entry that is neither a file nor a
    // folder, entries that share bytes or reach past the file's end, or more
    // declared bytes than the destination's volume has free. Write permission
    // for group and others is never taken from the archive; the owner's always
    // is. Not thread-safe: one extraction at a time.
    bool startUnZip(const std::string& zipPath, const std::string& destination, const std::string& password);

    // Applies the same checks and reads every entry to its end, comparing its
    // size and checksum with the directory, writing nothing. The free space is
    // that of destination's volume, or the archive's when it is empty. On
    // success entryNames receives the entry names with "\" turned into "/"
    // (folders end in "/").
    static bool testArchive(const std::string& zipPath, std::vector<std::string>* entryNames,
                            const std::string& destination = {});

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
    bool extractAll(const std::string& destination);
    static void createParentDirectories(const std::string& path);

    Archive mArchive;
};
