// SPDX-License-Identifier: LicenseRef-Wrenhop
// The process utilities on POSIX: signals, descriptors, zombies, argument
// vectors and xdg-open.
#include "processutils.h"
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using testplatform::eventually;
using testplatform::LogCapture;
using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::string::size_type start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

} // namespace

TEST(RunWindowsExit, KilledBySignalGives128PlusSignal)
{
    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"kill"}, false), 128 + SIGKILL);
}

class ProcessUtilsTest : public testing::Test
{
protected:
    ScratchDir scratch;
    LogCapture log;
};

TEST_F(ProcessUtilsTest, NonExecutableFileGivesMinus8AndCode5)
{
    const std::string program = scratch.file("data");
    writeFile(program, "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(ProcessUtils::runWindows(program, {}), -8);
    EXPECT_TRUE(log.contains("[LOG_ERROR]", "ProcessUtils::runWindows",
                             "Failed to start child process. " + program + ", Last error: 5"));
}

TEST_F(ProcessUtilsTest, NoWaitChildIsReapedAfterItEnds)
{
    const std::string fifo = scratch.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"fifo", fifo}, true), 0);
    const std::string pid = lines(readFile(fifo)).at(0);
    // A zombie keeps its /proc entry until its parent reaps it.
    EXPECT_TRUE(eventually([&] { return !FileUtils::exists("/proc/" + pid); })) << readFile("/proc/" + pid + "/stat");
}

TEST_F(ProcessUtilsTest, ChildInheritsOnlyStandardDescriptors)
{
    const int file = ::open(scratch.path().c_str(), O_RDONLY);
    int pipeFds[2] = {-1, -1};
    ASSERT_GE(file, 0);
    ASSERT_EQ(::pipe(pipeFds), 0);
    const std::string out = scratch.file("record");

    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"record", out}, false), 0);
    std::vector<std::string> fds;
    for (const std::string& line : lines(readFile(out))) {
        if (line.rfind("fd:", 0) == 0)
            fds.push_back(line.substr(3));
    }
    EXPECT_EQ(fds, (std::vector<std::string>{"0", "1", "2"}));
    ::close(file);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

TEST_F(ProcessUtilsTest, ArgumentsReachChildVerbatim)
{
    const std::string out = scratch.file("record");
    const std::vector<std::string> args = {"record", out, "two words", "\"quoted words\"", "", "tab\there",
                                           "$HOME;|&`x`*"};
    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, args, false), 0);

    std::vector<std::string> expected = {"arg:" + std::string(WRENHOP_CHILD_HELPER)};
    for (const std::string& arg : args)
        expected.push_back("arg:" + arg);
    std::vector<std::string> recorded;
    for (const std::string& line : lines(readFile(out))) {
        if (line.rfind("arg:", 0) == 0)
            recorded.push_back(line);
    }
    EXPECT_EQ(recorded, expected);
    // Without a command line of its own, the log shows the one Windows gets.
    std::vector<std::string> argv = {WRENHOP_CHILD_HELPER};
    argv.insert(argv.end(), args.begin(), args.end());
    EXPECT_TRUE(log.contains("[LOG_INFO]", "ProcessUtils::runWindows", ProcessUtils::buildCommandLine(argv)));
}

TEST_F(ProcessUtilsTest, FailedWaitGivesMinus1)
{
    // With SIGCHLD ignored the kernel reaps children itself and waitpid fails.
    const auto previous = std::signal(SIGCHLD, SIG_IGN);
    const int result = ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"exit", "3"}, false);
    std::signal(SIGCHLD, previous);
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(log.contains("[LOG_ERROR]", "ProcessUtils::runWindows", "Failed to wait for process to finish"));
}

class OpenUrlTest : public ProcessUtilsTest
{
protected:
    void SetUp() override
    {
        if (const char* path = std::getenv("PATH"))
            mPath = path;
        ASSERT_EQ(::setenv("PATH", scratch.file("bin").c_str(), 1), 0);
    }
    void TearDown() override { ::setenv("PATH", mPath.c_str(), 1); }

    // A stand-in for xdg-open that records its arguments.
    void installFakeXdgOpen()
    {
        const std::string script = scratch.file("bin/xdg-open");
        writeFile(script, "#!/bin/sh\n{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \""
                              + recordFile() + ".tmp\" && /bin/mv \"" + recordFile() + ".tmp\" \"" + recordFile()
                              + "\"\n");
        ASSERT_EQ(::chmod(script.c_str(), 0755), 0);
    }
    std::string recordFile() const { return scratch.file("opened"); }

private:
    std::string mPath;
};

TEST_F(OpenUrlTest, PassesAddressAsOneArgumentWithoutShell)
{
    installFakeXdgOpen();
    const std::string url = "https://example.com/a b?x=1&y=\"2\";touch pwned";
    ProcessUtils::openURL(url);
    ASSERT_TRUE(eventually([&] { return FileUtils::exists(recordFile()); }));
    EXPECT_EQ(lines(readFile(recordFile())), (std::vector<std::string>{"1", url}));
    EXPECT_TRUE(log.contains("[LOG_INFO]", "ProcessUtils::openURL", "open url"));
    EXPECT_FALSE(FileUtils::exists("pwned"));
}

TEST_F(OpenUrlTest, MissingXdgOpenLogsFailure)
{
    ProcessUtils::openURL("https://example.com/");
    EXPECT_TRUE(log.contains("[LOG_ERROR]", "ProcessUtils::openURL", "open url failed"));
}
