// SPDX-License-Identifier: LicenseRef-Wrenhop
#include <csignal>
#include <string>

#include <fcntl.h>

std::string platformDetails()
{
    // Far beyond any descriptor a test leaves open.
    std::string lines;
    for (int fd = 0; fd < 1024; ++fd)
        if (::fcntl(fd, F_GETFD) != -1)
            lines += "fd:" + std::to_string(fd) + '\n';
    sigset_t blocked;
    ::sigprocmask(SIG_BLOCK, nullptr, &blocked);
    struct sigaction pipe = {};
    ::sigaction(SIGPIPE, nullptr, &pipe);
    return lines + (sigismember(&blocked, SIGUSR1) ? "SIGUSR1 blocked" : "SIGUSR1 open")
         + (pipe.sa_handler == SIG_IGN ? ", SIGPIPE ignored\n" : ", SIGPIPE default\n");
}
