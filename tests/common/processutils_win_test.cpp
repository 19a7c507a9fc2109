// SPDX-License-Identifier: LicenseRef-Wrenhop
// The process utilities on Windows: the command line as the child receives
// it, 32-bit exit codes, and the shell's start command.
#include "processutils.h"
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using testplatform::LogCapture;
using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

namespace {

// The command line that the child read back with GetCommandLineA.
std::string recordedCommandLine(const std::string& record)
{
    const std::string text = readFile(record);
    const std::string::size_type start = text.find("\ncmd:");
    if (start == std::string::npos)
        return "(none)";
    return text.substr(start + 5, text.find('\n', start + 1) - start - 5);
}

std::string toBackslashes(std::string path)
{
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

} // namespace

struct ChildCommandLineRow {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const ChildCommandLineRow& row, std::ostream* os)
{
    *os << row.name;
}

class ChildCommandLine : public testing::TestWithParam<ChildCommandLineRow> {};

TEST_P(ChildCommandLine, ReachesChildAsBuilt)
{
    ScratchDir scratch;
    const std::string record = scratch.file("record");
    std::vector<std::string> args = {"record", record};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, args, false), 0);

    std::vector<std::string> all = {FileUtils::toForwardSlashes(WRENHOP_CHILD_HELPER)};
    all.insert(all.end(), args.begin(), args.end());
    EXPECT_EQ(recordedCommandLine(record), ProcessUtils::buildCommandLine(all));
}

INSTANTIATE_TEST_SUITE_P(ProcessUtils, ChildCommandLine,
    testing::Values(ChildCommandLineRow{"Plain", {"-x"}},
                    ChildCommandLineRow{"Blanks", {"two words", "  lead and trail  "}},
                    ChildCommandLineRow{"AlreadyQuoted", {"\"quoted words\""}},
                    ChildCommandLineRow{"InnerQuotes", {"in\"side", "say \"hi\" now"}},
                    ChildCommandLineRow{"Tabs", {"tab\there", "tab\tand blank"}},
                    ChildCommandLineRow{"EmptyElements", {"", "a", ""}},
                    ChildCommandLineRow{"ShellCharacters", {"%PATH%&|<>^"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WideExitRow {
    const char* name;
    std::vector<std::string> args;
    int result;
};

void PrintTo(const WideExitRow& row, std::ostream* os)
{
    *os << row.name;
}

class RunWindowsWideExit : public testing::TestWithParam<WideExitRow> {};

// Windows keeps all 32 bits of an exit code.
TEST_P(RunWindowsWideExit, WaitingGivesWholeExitCode)
{
    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, GetParam().args, false), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(ProcessUtils, RunWindowsWideExit,
    testing::Values(WideExitRow{"AboveByte", {"exit", "70000"}, 70000},
                    WideExitRow{"StillActiveValue", {"exit", "259"}, 259},
                    WideExitRow{"Negative", {"exit", "-2"}, -2}),
    [](const auto& info) { return std::string(info.param.name); });

class ProcessUtilsWinTest : public testing::Test
{
protected:
    ScratchDir scratch;
    LogCapture log;
};

TEST_F(ProcessUtilsWinTest, NonProgramGivesMinus8AndBadFormat)
{
    const std::string program = scratch.file("data.exe");
    writeFile(program, "not a program");
    EXPECT_EQ(ProcessUtils::runWindows(program, {}), -8);
    EXPECT_TRUE(log.contains("[LOG_ERROR]", "ProcessUtils::runWindows",
                             "Failed to start child process. " + program + ", Last error: 193"));
}

// The shell's start opens a script like a web page, with the program
// registered for it; the address holds a blank that only its quotes protect.
TEST_F(ProcessUtilsWinTest, OpenUrlHandsQuotedAddressToShellStart)
{
    const std::string marker = scratch.file("opened");
    const std::string script = scratch.file("web page/open.cmd");
    writeFile(script, "@echo opened> \"" + toBackslashes(marker) + "\"\r\n");

    ProcessUtils::openURL(toBackslashes(script));
    EXPECT_TRUE(log.contains("[LOG_INFO]", "ProcessUtils::openURL", "open url"));
    EXPECT_TRUE(testplatform::eventually([&] { return FileUtils::exists(marker); }));
}
