// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "installfs.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenhop::service::installfs {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : mFd(fd)
    {
    }
    ~Descriptor()
    {
        if (mFd >= 0)
            ::close(mFd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return mFd; }
    bool valid() const { return mFd >= 0; }

private:
    int mFd;
};

} // namespace

bool move(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // Some file systems lack the flag; nothing else moves files here while
    // the installation runs, so a look first is enough.
    struct stat info = {};
    return errno == EINVAL && ::lstat(to.c_str(), &info) != 0 && errno == ENOENT
        && std::rename(from.c_str(), to.c_str()) == 0;
}

bool moveReplacing(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool link(const std::string& existing, const std::string& newName)
{
    return ::link(existing.c_str(), newName.c_str()) == 0;
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first = {};
    struct stat second = {};
    return ::lstat(a.c_str(), &first) == 0 && ::lstat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

bool isLink(const std::string& path)
{
    struct stat info = {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool removeAll(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::u8path(path), error);
    return !error;
}

bool writeDurably(const std::string& path, const std::string& bytes)
{
    const Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.valid())
        return false;
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd.get(), data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return ::fsync(fd.get()) == 0;
}

bool flushDirectory(const std::string& path)
{
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() && ::fsync(fd.get()) == 0;
}

bool flushTree(const std::string& path)
{
    // One call for the whole file system instead of one per staged file.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() && ::syncfs(fd.get()) == 0;
}

bool flushFileSystem(const std::string& path)
{
    return flushTree(path);
}

int permissionBits(const std::string& path)
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        return -1;
    return static_cast<int>(info.st_mode & 07777);
}

bool setPermissionBits(const std::string& path, int bits)
{
    return ::chmod(path.c_str(), static_cast<mode_t>(bits)) == 0;
}

std::string nameKey(std::string_view name)
{
    return std::string(name);
}

} // namespace wrenhop::service::installfs
