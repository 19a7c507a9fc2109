// SPDX-License-Identifier: LicenseRef-Wrenhop
// The process utilities on POSIX: signals, descriptors, zombies, the argument
// vector.
#include "processutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testplatform;

void testplatform::checkChildStart(const std::vector<std::string>& argv, const std::string& recorded,
                                   const std::string& printed)
{
    std::string args;
    for (const std::string& arg : argv)
        args += "arg:" + arg + "\n";
    EXPECT_EQ(recorded.substr(0, args.size()), args);
    // Without a command line of its own, the log shows the one Windows gets.
    EXPECT_EQ(printed, "[LOG_INFO]ProcessUtils::runWindows " + ProcessUtils::buildCommandLine(argv) + "\n");
}

TEST(ProcessUtils, SignalGivesItsResult)
{
    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"signal"}, false), 128 + SIGTERM);
}

// A restarted Cartaline must not hold our files open, block or ignore
// signals as we do, nor linger as our zombie: it belongs to init at once.
TEST(ProcessUtils, ChildInheritsOnlyStandardDescriptorsAndIsNoChildOfOurs)
{
    ScratchDir scratch;
    const int file = ::open(scratch.path().c_str(), O_RDONLY);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR1);
    ::pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    ASSERT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"record", scratch.file("record")}), 0);
    EXPECT_TRUE(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
    std::string recorded;
    ASSERT_TRUE(eventually([&] { return !(recorded = readFile(scratch.file("record"))).empty(); }));
    ::close(file);
    EXPECT_EQ(recorded.substr(recorded.find("\nfd:") + 1),
              "fd:0\nfd:1\nfd:2\nSIGUSR1 open, SIGPIPE default\n");
}

// The browser is looked up in PATH.
TEST(ProcessUtils, BrowserIsFoundInPath)
{
    ScratchDir scratch;
    writeFile(scratch.file("xdg-open"), "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/opened\"\n");
    ::chmod(scratch.file("xdg-open").c_str(), 0755);
    const EnvironmentOverride path("PATH", scratch.path() + ":" + std::getenv("PATH"));
    ProcessUtils::openURL("https://example.invalid/help");
    EXPECT_TRUE(eventually([&] { return readFile(scratch.file("opened")) == "https://example.invalid/help\n"; }));
}
