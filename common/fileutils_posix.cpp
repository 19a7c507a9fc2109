// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "fileutils.h"

#include "fileutils_p.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileUtils {

namespace {

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : mFd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (mFd >= 0) {
            const int error = errno; // the caller reports the failure that came first
            ::close(mFd);
            errno = error;
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return mFd; }
    bool valid() const { return mFd >= 0; }
    bool close()
    {
        const int fd = mFd;
        mFd = -1;
        return ::close(fd) == 0;
    }

private:
    int mFd;
};

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

namespace detail {

unsigned long windowsErrorCode(int error)
{
    switch (error) {
    case ENOENT: return 2;   // ERROR_FILE_NOT_FOUND
    case ENOTDIR: return 3;  // ERROR_PATH_NOT_FOUND
    case EACCES:
    case EPERM: return 5;    // ERROR_ACCESS_DENIED
    case EBUSY:
    case ETXTBSY: return 32; // ERROR_SHARING_VIOLATION
    case ENOSPC: return 112; // ERROR_DISK_FULL
    case EEXIST: return 183; // ERROR_ALREADY_EXISTS
    default: return static_cast<unsigned long>(error);
    }
}

unsigned long lastErrorCode()
{
    return windowsErrorCode(errno);
}

bool copyFile(const std::string& source, const std::string& target)
{
    const FileDescriptor in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return false;
    struct stat sourceStat = {};
    if (::fstat(in.get(), &sourceStat) != 0)
        return false;
    // A folder opens for reading too; only its read fails, after the target
    // was truncated. Windows refuses a folder with "access denied" as well.
    if (!S_ISREG(sourceStat.st_mode)) {
        errno = EACCES;
        return false;
    }
    // Truncating the target would empty the source when both are one file.
    struct stat targetStat = {};
    if (::stat(target.c_str(), &targetStat) == 0 && targetStat.st_dev == sourceStat.st_dev
        && targetStat.st_ino == sourceStat.st_ino) {
        errno = EBUSY;
        return false;
    }
    const mode_t mode = sourceStat.st_mode & 0777;
    FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (!out.valid())
        return false;
    std::vector<char> buffer(64 * 1024);
    while (true) {
        const ssize_t count = ::read(in.get(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (count == 0)
            break;
        if (!writeAll(out.get(), buffer.data(), static_cast<size_t>(count)))
            return false;
    }
    // An existing target keeps its owner; it gets the source's permissions
    // where we may set them, so a copied program stays executable.
    ::fchmod(out.get(), mode);
    return out.close();
}

bool renameByLinking(const std::string& oldPath, const std::string& newPath)
{
    if (::link(oldPath.c_str(), newPath.c_str()) == 0) {
        if (::unlink(oldPath.c_str()) == 0)
            return true;
        const int error = errno;
        ::unlink(newPath.c_str());
        errno = error;
        return false;
    }
    // A folder takes no second name: testing for the new name first is the
    // best left, though not atomic.
    const int error = errno;
    struct stat info = {};
    if (error != EPERM || ::lstat(oldPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        errno = error;
        return false;
    }
    if (::lstat(newPath.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(oldPath.c_str(), newPath.c_str()) == 0;
}

bool rename(const std::string& oldPath, const std::string& newPath)
{
    if (::renameat2(AT_FDCWD, oldPath.c_str(), AT_FDCWD, newPath.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // Some network file systems lack the flag.
    return (errno == EINVAL || errno == ENOSYS) && renameByLinking(oldPath, newPath);
}

bool replaceFile(const std::string& source, const std::string& target)
{
    if (std::rename(source.c_str(), target.c_str()) != 0)
        return false;
    // The new name is durable only once its folder is.
    const std::string::size_type slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid())
        ::fsync(directory.get());
    return true;
}

bool createDirectory(const std::string& path)
{
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool removeFile(const std::string& path)
{
    // Unlike Windows, POSIX unlinks a running program or an open file, so
    // there is no moving aside.
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool removeDirectory(const std::string& path)
{
    return ::rmdir(path.c_str()) == 0;
}

bool currentDirectory(std::string& path)
{
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return false;
        buffer.resize(buffer.size() * 2);
    }
    path = buffer.data();
    return true;
}

std::string temporaryDirectory()
{
    for (const char* name : {"TEMP", "TMPDIR"}) {
        std::string value = environment(name);
        if (!value.empty())
            return value;
    }
    return "/tmp";
}

std::string executablePath()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return std::string();
        if (static_cast<size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string applicationDataDirectory()
{
    for (const char* name : {"APPDATA", "XDG_CONFIG_HOME"}) {
        std::string value = environment(name);
        if (!value.empty())
            return value;
    }
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : home + "/.config";
}

} // namespace detail

struct DirectoryIterator::Impl {
    std::unique_ptr<DIR, DirCloser> dir;
    std::string name;
    bool isDirectory = false;
};

DirectoryIterator::DirectoryIterator(std::string path)
    : mPath(std::move(path))
    , d(std::make_unique<Impl>())
{
    d->dir.reset(::opendir(mPath.c_str()));
}

DirectoryIterator::~DirectoryIterator() = default;

bool DirectoryIterator::next()
{
    if (!d->dir)
        return false;
    const dirent* entry = ::readdir(d->dir.get());
    if (!entry)
        return false;
    d->name = entry->d_name;
    if (entry->d_type == DT_UNKNOWN) {
        // Some file systems leave the type to a stat; a link is not followed.
        struct stat info = {};
        d->isDirectory = ::fstatat(::dirfd(d->dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISDIR(info.st_mode);
    } else {
        d->isDirectory = entry->d_type == DT_DIR;
    }
    return true;
}

std::string DirectoryIterator::name() const
{
    return d->name;
}

bool DirectoryIterator::isDirectory() const
{
    return d->isDirectory;
}

std::FILE* openFile(const std::string& path, const char* mode)
{
    return std::fopen(path.c_str(), mode);
}

bool flushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

bool exists(const std::string& path)
{
    struct stat info = {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

} // namespace FileUtils
