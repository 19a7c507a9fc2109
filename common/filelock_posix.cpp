// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "filelock.h"

#include "fileutils_p.h"

#include <cerrno>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::Result FileLock::tryLock()
{
    if (held())
        return Result::Acquired;
    // A holder removes the file before it lets go, so a lock taken on a
    // file that is no longer (or no longer this) file at the path is retried.
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Read access is enough for flock(): another user's lock file is
        // locked just the same.
        int fd = ::open(mPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EACCES)
            fd = ::open(mPath.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            break;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return Result::HeldElsewhere;
            errno = error;
            break;
        }
        struct stat opened = {};
        struct stat named = {};
        if (::fstat(fd, &opened) == 0 && ::stat(mPath.c_str(), &named) == 0 && opened.st_dev == named.st_dev
            && opened.st_ino == named.st_ino) {
            mHandle = fd;
            return Result::Acquired;
        }
        ::close(fd);
    }
    mError = FileUtils::detail::lastErrorCode();
    return Result::Failed;
}

void FileLock::release()
{
    if (!held())
        return;
    // Removed while still locked: removed after closing, it could be a
    // file that another run has locked meanwhile.
    ::unlink(mPath.c_str());
    ::close(static_cast<int>(mHandle));
    mHandle = kNoHandle;
}
