// SPDX-License-Identifier: LicenseRef-Wrenhop
// The process utilities' behaviour that every platform shares; what only one
// platform has is in processutils_posix_test.cpp and processutils_win_test.cpp.
#include "fileutils.h"
#include "processutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace testplatform;
namespace fs = std::filesystem;

TEST(ProcessUtils, BuildCommandLineQuotesElementsWithBlanks)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{}, ""},
        {{"C:/Program Files/Cartaline.exe", "-x", "two words"}, "\"C:/Program Files/Cartaline.exe\" -x \"two words\" "},
        {{"\"already quoted\""}, "\"already quoted\" "},
        {{"\"half quoted"}, "\"\"half quoted\" "},
        {{"in\"side q"}, "\"in\"side q\" "},
        {{"tab\there", "\""}, "tab\there \" "},
        {{"a", "", "b"}, "a  b "}};
    for (const auto& [args, line] : rows)
        EXPECT_EQ(ProcessUtils::buildCommandLine(args), line);
}

// Started without waiting, the program's failure to start is reported alike.
TEST(ProcessUtils, WaitingGivesExitCodeAndMinus8ForMissingProgram)
{
    for (const int code : {0, 3, 255})
        EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"exit", std::to_string(code)}, false), code);
    for (const bool noWait : {false, true})
        EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER ".missing", {}, noWait), -8);
}

// The program's path holds a blank and comes with backslashes.
TEST(ProcessUtils, ArgumentsReachChildAsGiven)
{
    ScratchDir scratch;
    const std::string program = scratch.file("Program Files/" + FileUtils::fileName(WRENHOP_CHILD_HELPER));
    writeFile(program, readFile(WRENHOP_CHILD_HELPER));
    fs::permissions(program, fs::perms::owner_all);
    std::string backslashes = program;
    std::replace(backslashes.begin(), backslashes.end(), '/', '\\');
    const std::vector<std::string> argv = {program, "record", scratch.file("record"), "two words",
        "  lead and trail  ", "\"quoted words\"", "in\"side", "say \"hi\" now", "tab\there", "tab\tand blank", "",
        "%PATH%&|<>^ $HOME;`x`*"};
    const std::string printed = printedBy(
        [&] { EXPECT_EQ(ProcessUtils::runWindows(backslashes, {argv.begin() + 1, argv.end()}, false), 0); });
    checkChildStart(argv, readFile(scratch.file("record")), printed);
}
