// SPDX-License-Identifier: LicenseRef-Wrenhop
// An exclusive lock on a file that the system drops as soon as its holder
// ends, however it ends.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

class FileLock
{
public:
    enum class Result { Acquired, HeldElsewhere, Failed };

    explicit FileLock(std::string path)
        : mPath(std::move(path))
    {
    }
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Only a live holder counts: a file that no one holds is taken over,
    // whatever it contains. Acquiring what this object holds already succeeds.
    // Failed (a missing or unwritable folder, say) leaves the platform's
    // last-error code in errorCode().
    Result tryLock();
    // Removes the file unless someone else has it open.
    void release();
    bool held() const { return mHandle != kNoHandle; }
    unsigned long errorCode() const { return mError; }
    const std::string& path() const { return mPath; }

private:
    static constexpr std::intptr_t kNoHandle = -1;
    std::string mPath;
    std::intptr_t mHandle = kNoHandle; // a descriptor or a HANDLE
    unsigned long mError = 0;
};
