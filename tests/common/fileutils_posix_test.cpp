// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities on POSIX: errno mapping, file modes, links, the
// fallbacks of the standard folders and operations without privileges.
#include "fileutils.h"
#include "fileutils_p.h"
#include "testplatform.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using testplatform::EnvironmentOverride;
using testplatform::isDirectory;
using testplatform::printedBy;
using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

namespace {

mode_t permissions(const std::string& path)
{
    struct stat info = {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::set<std::string> entriesOf(const std::string& path)
{
    std::set<std::string> names;
    FileUtils::DirectoryIterator entries(path);
    while (entries.next())
        names.insert(entries.name());
    return names;
}

std::string suffix(unsigned long code)
{
    return " GetLastError returned: " + std::to_string(code) + "\n";
}

} // namespace

struct ErrnoMappingRow {
    const char* name;
    int error;
    unsigned long windowsCode;
};

void PrintTo(const ErrnoMappingRow& row, std::ostream* os)
{
    *os << row.name;
}

class ErrnoMapping : public testing::TestWithParam<ErrnoMappingRow> {};

TEST_P(ErrnoMapping, GivesWindowsCode)
{
    EXPECT_EQ(FileUtils::detail::windowsErrorCode(GetParam().error), GetParam().windowsCode);
}

INSTANTIATE_TEST_SUITE_P(FileUtils, ErrnoMapping,
    testing::Values(ErrnoMappingRow{"ENOENT", ENOENT, 2}, ErrnoMappingRow{"ENOTDIR", ENOTDIR, 3},
                    ErrnoMappingRow{"EACCES", EACCES, 5}, ErrnoMappingRow{"EPERM", EPERM, 5},
                    ErrnoMappingRow{"EBUSY", EBUSY, 32}, ErrnoMappingRow{"ETXTBSY", ETXTBSY, 32},
                    ErrnoMappingRow{"ENOSPC", ENOSPC, 112}, ErrnoMappingRow{"EEXIST", EEXIST, 183},
                    ErrnoMappingRow{"EINVAL", EINVAL, EINVAL}, ErrnoMappingRow{"ENOTEMPTY", ENOTEMPTY, ENOTEMPTY}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileUtilsConversions, CodePageIsUtf8)
{
    EXPECT_EQ(FileUtils::utf8ToLocal("D:/\xC3\xA9t\xC3\xA9"), "D:/\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(FileUtils::localToUtf8("D:/\xC3\xA9t\xC3\xA9"), "D:/\xC3\xA9t\xC3\xA9");
}

class FileUtilsTest : public testing::Test
{
protected:
    ScratchDir scratch;
};

TEST_F(FileUtilsTest, CopyKeepsSourceMode)
{
    const std::string source = scratch.file("tool");
    const std::string target = scratch.file("copy");
    writeFile(source, "#!/bin/sh\n");
    ASSERT_EQ(::chmod(source.c_str(), 0750), 0);
    writeFile(target, "old");

    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(source, target); }), "");
    EXPECT_EQ(permissions(target), 0750u);
}

TEST_F(FileUtilsTest, RemoveDirectoryAndFilesDoesNotFollowLinkOutOfFolder)
{
    const std::string folder = scratch.file("work");
    const std::string outside = scratch.file("outside");
    writeFile(outside + "/keep", "keep");
    FileUtils::createDirectory(folder);
    ASSERT_EQ(::symlink(outside.c_str(), (folder + "/link").c_str()), 0);

    EXPECT_EQ(printedBy([&] { FileUtils::removeDirectoryAndFiles(folder); }), "");
    EXPECT_FALSE(FileUtils::exists(folder));
    EXPECT_EQ(readFile(outside + "/keep"), "keep");
}

TEST_F(FileUtilsTest, CurrentDirectoryOfRemovedFolderIsEmpty)
{
    const std::string folder = scratch.file("cwd");
    FileUtils::createDirectory(folder);
    char previous[4096] = {};
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(folder.c_str()), 0);

    EXPECT_EQ(FileUtils::currentDirectory(), folder);
    FileUtils::removeDirectory(folder);
    std::string current = "unset";
    EXPECT_EQ(printedBy([&] { current = FileUtils::currentDirectory(); }),
              "Failed to get current directory" + suffix(2));
    EXPECT_EQ(current, "");
    ASSERT_EQ(::chdir(previous), 0);
}

struct TempPathRow {
    const char* name;
    std::optional<std::string> temp;
    std::optional<std::string> tmpdir;
    std::string expected;
};

void PrintTo(const TempPathRow& row, std::ostream* os)
{
    *os << row.name;
}

class TempPath : public testing::TestWithParam<TempPathRow> {};

TEST_P(TempPath, TakesFirstSetVariableWithTrailingSlash)
{
    const EnvironmentOverride temp("TEMP", GetParam().temp);
    const EnvironmentOverride tmpdir("TMPDIR", GetParam().tmpdir);
    EXPECT_EQ(FileUtils::tempPath(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(FileUtils, TempPath,
    testing::Values(TempPathRow{"TempWithBackslashes", "D:\\T", "/ignored", "D:/T/"},
                    TempPathRow{"TempOnly", "/var/t", std::nullopt, "/var/t/"},
                    TempPathRow{"TmpdirWhenTempUnset", std::nullopt, "/x", "/x/"},
                    TempPathRow{"TmpdirWhenTempEmpty", "", "/x", "/x/"},
                    TempPathRow{"TmpWhenBothUnset", std::nullopt, std::nullopt, "/tmp/"},
                    TempPathRow{"TmpWhenBothEmpty", "", "", "/tmp/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileUtilsTest, AppDataPathFallsBackInOrderAndCreatesFolder)
{
    const std::string root = scratch.path();
    const EnvironmentOverride temp("TEMP", root + "/temp");
    {
        const EnvironmentOverride appData("APPDATA", root + "/roaming");
        EXPECT_EQ(FileUtils::appDataPath(), root + "/roaming/Cartaline");
        EXPECT_TRUE(isDirectory(root + "/roaming/Cartaline"));
    }
    const EnvironmentOverride appData("APPDATA", std::nullopt);
    {
        const EnvironmentOverride xdg("XDG_CONFIG_HOME", root + "/xdg");
        EXPECT_EQ(FileUtils::appDataPath(), root + "/xdg/Cartaline");
        EXPECT_TRUE(isDirectory(root + "/xdg/Cartaline"));
    }
    const EnvironmentOverride xdg("XDG_CONFIG_HOME", "");
    {
        const EnvironmentOverride home("HOME", root + "/home");
        EXPECT_EQ(FileUtils::appDataPath(), root + "/home/.config/Cartaline");
        EXPECT_TRUE(isDirectory(root + "/home/.config/Cartaline"));
    }
    const EnvironmentOverride home("HOME", std::nullopt);
    EXPECT_EQ(FileUtils::appDataPath(), root + "/temp//Cartaline");
    EXPECT_TRUE(isDirectory(root + "/temp/Cartaline"));
}

// The operations under test run as an unprivileged user, so that file
// permissions hold even when the tests run as root.
struct DeniedRow {
    const char* name;
    std::vector<std::string> args; // "@" stands for the scratch folder
    std::vector<std::string> lines;
};

void PrintTo(const DeniedRow& row, std::ostream* os)
{
    *os << row.name;
}

class DeniedOperation : public testing::TestWithParam<DeniedRow> {};

TEST_P(DeniedOperation, PrintsAccessDeniedAndChangesNothing)
{
    ScratchDir scratch;
    const std::string root = scratch.path();
    const auto expand = [&](std::string text) {
        for (auto at = text.find('@'); at != std::string::npos; at = text.find('@'))
            text.replace(at, 1, root);
        return text;
    };
    writeFile(root + "/ro/file", "keep");
    writeFile(root + "/secret", "secret");
    ASSERT_EQ(::chmod(root.c_str(), 0777), 0);
    ASSERT_EQ(::chmod((root + "/ro").c_str(), 0555), 0);
    ASSERT_EQ(::chmod((root + "/secret").c_str(), 0), 0);
    const std::set<std::string> before = entriesOf(root);

    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args)
        args.push_back(expand(arg));
    const std::vector<std::string> command = testsupport::unprivileged(WRENHOP_CHILD_HELPER, args);
    const testsupport::RunResult result
        = testsupport::run(command.front(), std::vector<std::string>(command.begin() + 1, command.end()));

    std::string expected;
    for (const std::string& line : GetParam().lines)
        expected += expand(line) + "\n";
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(entriesOf(root), before);
    EXPECT_EQ(entriesOf(root + "/ro"), (std::set<std::string>{".", "..", "file"}));
    EXPECT_EQ(readFile(root + "/ro/file"), "keep");
    ::chmod((root + "/ro").c_str(), 0755);
}

INSTANTIATE_TEST_SUITE_P(FileUtils, DeniedOperation,
    testing::Values(
        DeniedRow{"CopyUnreadable", {"copy", "@/secret", "@/copy"},
                  {"Failed to copy @/secret to @/copy GetLastError returned: 5"}},
        DeniedRow{"CopyIntoReadOnlyFolder", {"copy", "@/ro/file", "@/ro/copy"},
                  {"Failed to copy @/ro/file to @/ro/copy GetLastError returned: 5"}},
        DeniedRow{"RemoveFromReadOnlyFolder", {"remove", "@/ro/file"},
                  {"Unable to remove file @/ro/file GetLastError returned: 5"}},
        DeniedRow{"RenameInReadOnlyFolder", {"rename", "@/ro/file", "@/ro/renamed"},
                  {"Unable to rename @/ro/file to @/ro/renamed GetLastError returned: 5"}},
        DeniedRow{"CreateInReadOnlyFolder", {"mkdirs", "@/ro/a/b"},
                  {"Unable to create directory @/ro/a GetLastError returned: 5",
                   "Unable to create directory @/ro/a/b GetLastError returned: 2"}}),
    [](const auto& info) { return std::string(info.param.name); });
