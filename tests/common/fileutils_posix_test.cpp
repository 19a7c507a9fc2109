// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities on POSIX: modes, links and operations without
// privileges.
#include "fileutils.h"
#include "processutils.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace testplatform;
namespace fs = std::filesystem;

void testplatform::setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
}

unsigned long testplatform::directoryNotEmptyCode() { return ENOTEMPTY; }

// A copy keeps the mode; removal does not follow a link out of the folder.
TEST_F(FileUtilsTest, CopyKeepsSourceModeAndRemovalStaysInFolder)
{
    writeFile(scratch.file("work/tool"), "#!/bin/sh\n");
    writeFile(scratch.file("work/copy"), "old");
    writeFile(scratch.file("outside/keep"), "keep");
    fs::permissions(scratch.file("work/tool"), fs::perms(0750));
    fs::create_directory_symlink(scratch.file("outside"), scratch.file("work/link"));
    EXPECT_EQ(outcome([&] { return FileUtils::copyFile(scratch.file("work/tool"), scratch.file("work/copy")); }), "");
    EXPECT_EQ(fs::status(scratch.file("work/copy")).permissions(), fs::perms(0750));
    EXPECT_EQ(outcome([&] { return FileUtils::removeDirectoryAndFiles(scratch.file("work")); }), "");
    EXPECT_EQ(tree(scratch.path()), (std::vector<std::string>{"outside/", "outside/keep"}));
}

// The operations run as an unprivileged user, so that permissions bite even
// when the tests run as root.
TEST_F(FileUtilsTest, DeniedOperationsPrintAccessDeniedAndChangeNothing)
{
    const std::string root = scratch.path();
    const std::string helper = root + "/bin/childhelper";
    writeFile(helper, readFile(WRENHOP_CHILD_HELPER));
    fs::permissions(helper, fs::perms(0755));
    writeFile(root + "/ro/file", "keep");
    writeFile(root + "/secret", "secret");
    fs::permissions(root, fs::perms::all);
    fs::permissions(root + "/ro", fs::perms(0555));
    fs::permissions(root + "/secret", fs::perms::none);
    const std::string file = root + "/ro/file";
    // Each fails with the code of access denied.
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows = {
        {{"copy", root + "/secret", root + "/copy"}, "Failed to copy " + root + "/secret to " + root + "/copy"},
        {{"copy", file, root + "/ro/copy"}, "Failed to copy " + file + " to " + root + "/ro/copy"},
        {{"remove", file}, "Unable to remove file " + file},
        {{"rename", file, root + "/ro/renamed"}, "Unable to rename " + file + " to " + root + "/ro/renamed"}};
    for (const auto& [args, what] : rows) {
        const std::vector<std::string> command = testsupport::unprivileged(helper, args);
        const std::string printed = printedBy([&] {
            EXPECT_EQ(ProcessUtils::runWindows(command.front(), {command.begin() + 1, command.end()}, false), 1);
        });
        EXPECT_EQ(printed.substr(printed.find('\n') + 1), failure(what, 5));
    }
    EXPECT_EQ(tree(root), (std::vector<std::string>{"bin/", "bin/childhelper", "ro/", "ro/file", "secret"}));
    fs::permissions(root + "/ro", fs::perms::owner_all);
}
