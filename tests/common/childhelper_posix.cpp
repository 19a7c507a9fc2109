// SPDX-License-Identifier: LicenseRef-Wrenhop
// The child program's POSIX modes:
//   kill                  ends by SIGKILL
//   fifo PATH             writes its process id into the FIFO PATH, then ends
// "record" adds its open descriptors ("fd:" lines).
#include "childhelper_p.h"

#include <csignal>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::vector<std::string> openDescriptors()
{
    std::vector<std::string> fds;
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir)
        return fds;
    const std::string own = std::to_string(::dirfd(dir));
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && name != own)
            fds.push_back(name);
    }
    ::closedir(dir);
    return fds;
}

int reportToFifo(const char* path)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return 1;
    const std::string pid = std::to_string(::getpid()) + "\n";
    const bool written = ::write(fd, pid.data(), pid.size()) == static_cast<ssize_t>(pid.size());
    ::close(fd);
    return written ? 0 : 1;
}

} // namespace

int runPlatformMode(int argc, char** argv)
{
    const std::string mode = argv[1];
    if (mode == "kill")
        return ::raise(SIGKILL);
    if (mode == "fifo" && argc == 3)
        return reportToFifo(argv[2]);
    return 100;
}

std::string platformDetails()
{
    std::string lines;
    for (const std::string& fd : openDescriptors())
        lines += "fd:" + fd + '\n';
    return lines;
}
