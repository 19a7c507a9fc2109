// SPDX-License-Identifier: LicenseRef-Wrenhop
#include <string>

#include <fcntl.h>

std::string platformDetails()
{
    // Far beyond any descriptor a test leaves open.
    std::string lines;
    for (int fd = 0; fd < 1024; ++fd)
        if (::fcntl(fd, F_GETFD) != -1)
            lines += "fd:" + std::to_string(fd) + '\n';
    return lines;
}
