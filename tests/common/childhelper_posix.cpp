// SPDX-License-Identifier: LicenseRef-Wrenhop
#include <string>

#include <dirent.h>

std::string platformDetails()
{
    std::string lines;
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir)
        return lines;
    const std::string own = std::to_string(::dirfd(dir));
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != ".." && name != own)
            lines += "fd:" + name + '\n';
    }
    ::closedir(dir);
    return lines;
}
