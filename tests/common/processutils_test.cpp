// SPDX-License-Identifier: LicenseRef-Wrenhop
// The process utilities' behaviour that every platform shares; the cases only
// one platform has are in processutils_posix_test.cpp and
// processutils_win_test.cpp.
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

std::string toBackslashes(std::string path)
{
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

} // namespace

struct CommandLineRow {
    const char* name;
    std::vector<std::string> args;
    std::string line;
};

void PrintTo(const CommandLineRow& row, std::ostream* os)
{
    *os << row.name;
}

class BuildCommandLine : public testing::TestWithParam<CommandLineRow> {};

TEST_P(BuildCommandLine, QuotesElementsWithBlanks)
{
    EXPECT_EQ(ProcessUtils::buildCommandLine(GetParam().args), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(ProcessUtils, BuildCommandLine,
    testing::Values(CommandLineRow{"EmptyList", {}, ""}, CommandLineRow{"OneElement", {"a"}, "a "},
                    CommandLineRow{"BlanksQuoted",
                                   {"C:/Program Files/Cartaline.exe", "-x", "two words"},
                                   "\"C:/Program Files/Cartaline.exe\" -x \"two words\" "},
                    CommandLineRow{"AlreadyQuotedKept", {"\"already quoted\""}, "\"already quoted\" "},
                    CommandLineRow{"HalfQuotedQuotedAgain", {"\"half quoted"}, "\"\"half quoted\" "},
                    CommandLineRow{"InnerQuoteLeft", {"in\"side q"}, "\"in\"side q\" "},
                    CommandLineRow{"TabNotQuoted", {"tab\there"}, "tab\there "},
                    CommandLineRow{"EmptyElementOnlyBlank", {""}, " "},
                    CommandLineRow{"EmptyElementBetween", {"a", "", "b"}, "a  b "},
                    CommandLineRow{"LoneQuoteCountsAsQuoted", {"\""}, "\" "}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExitRow {
    const char* name;
    std::vector<std::string> args;
    int result;
};

void PrintTo(const ExitRow& row, std::ostream* os)
{
    *os << row.name;
}

class RunWindowsExit : public testing::TestWithParam<ExitRow> {};

TEST_P(RunWindowsExit, WaitingGivesExitCode)
{
    EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, GetParam().args, false), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(ProcessUtils, RunWindowsExit,
    testing::Values(ExitRow{"Zero", {"exit", "0"}, 0}, ExitRow{"Three", {"exit", "3"}, 3},
                    ExitRow{"Highest", {"exit", "255"}, 255}),
    [](const auto& info) { return std::string(info.param.name); });

class ProcessUtilsTest : public testing::Test
{
protected:
    ScratchDir scratch;
    LogCapture log;
};

TEST_F(ProcessUtilsTest, MissingProgramGivesMinus8AndCode2)
{
    const std::string program = scratch.file("missing");
    EXPECT_EQ(ProcessUtils::runWindows(program, {}, false), -8);
    EXPECT_TRUE(log.contains("[LOG_ERROR]", "ProcessUtils::runWindows",
                             "Failed to start child process. " + program + ", Last error: 2"));
}

TEST_F(ProcessUtilsTest, NoWaitReturnsWhileChildRuns)
{
    testplatform::HeldChild child(WRENHOP_CHILD_HELPER, scratch.path());
    ASSERT_TRUE(child.started());
    // The child cannot end before it is released.
    EXPECT_FALSE(child.finished());
    EXPECT_TRUE(child.release());
}

TEST_F(ProcessUtilsTest, BackslashPathStartsUnderSlashForm)
{
    const std::string program = scratch.file("Program Files/" + FileUtils::fileName(WRENHOP_CHILD_HELPER));
    FileUtils::createDirectories(scratch.file("Program Files"));
    FileUtils::copyFile(WRENHOP_CHILD_HELPER, program);
    const std::string out = scratch.file("record");

    EXPECT_EQ(ProcessUtils::runWindows(toBackslashes(program), {"record", out}, false), 0);
    ASSERT_FALSE(lines(readFile(out)).empty());
    EXPECT_EQ(lines(readFile(out)).front(), "arg:" + program);
}

TEST_F(ProcessUtilsTest, EmptyAddressStartsNothing)
{
    ProcessUtils::openURL("");
    EXPECT_TRUE(log.contains("[LOG_INFO]", "ProcessUtils::openURL", "url is empty"));
    EXPECT_FALSE(log.contains("", "ProcessUtils::openURL", "open url"));
}
