// SPDX-License-Identifier: LicenseRef-Wrenhop
// The process utilities on Windows: the command line as the child received
// it and 32-bit exit codes.
#include "processutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

void testplatform::checkChildStart(const std::vector<std::string>& argv, const std::string& recorded,
                                   const std::string& printed)
{
    EXPECT_NE(recorded.find("\ncmd:" + ProcessUtils::buildCommandLine(argv) + "\n"), std::string::npos) << recorded;
    EXPECT_EQ(printed, "");
}

// Windows keeps all 32 bits of an exit code.
TEST(ProcessUtils, WaitingGivesWholeExitCode)
{
    for (const int code : {70000, 259, -2})
        EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"exit", std::to_string(code)}, false), code);
}

// Unconverted, the arguments were dropped: the child started with an empty
// command line.
TEST(ProcessUtils, InvalidUtf8ArgumentStartsNothing)
{
    for (const bool noWait : {true, false}) {
        const std::string printed = testplatform::printedBy(
            [&] { EXPECT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"exit", "3\xC3"}, noWait), -8); });
        EXPECT_NE(printed.find(", Last error: 1113\n"), std::string::npos) << printed;
    }
}
