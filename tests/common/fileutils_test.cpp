// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities' behaviour that every platform shares; what only one
// platform has is in fileutils_posix_test.cpp and fileutils_win_test.cpp.
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

using namespace testplatform;
namespace fs = std::filesystem;

// Copying and replacing replace the target, renaming refuses it; each failure
// prints one line.
TEST_F(FileUtilsTest, CopyAndReplaceFileReplaceTargetRenameRefusesIt)
{
    const std::string source = scratch.file("tool"), target = scratch.file("copy"), link = scratch.file("link");
    const std::string content = std::string(200000, 'x') + "end";
    writeFile(source, content);
    writeFile(target, "old contents that are longer than nothing");
    EXPECT_EQ(outcome([&] { return FileUtils::copyFile(source, target); }), "");
    // Truncating the target would empty the source when both are one file.
    fs::create_hard_link(source, link);
    for (const auto& [from, to, code] : {std::tuple{scratch.file("missing"), target, 2},
                                         std::tuple{source, link, 32}, std::tuple{scratch.path(), target, 5}})
        EXPECT_EQ(outcome([&] { return FileUtils::copyFile(from, to); }),
                  failure("Failed to copy " + from + " to " + to, code));
    EXPECT_EQ(readFile(source), content);
    EXPECT_EQ(readFile(target), content);

    const std::string from = scratch.file("cal.ini.tmp"), to = scratch.file("cal.ini");
    writeFile(from, "new");
    writeFile(to, "old");
    EXPECT_EQ(outcome([&] { return FileUtils::rename(from, to); }),
              failure("Unable to rename " + from + " to " + to, 183));
    EXPECT_EQ(readFile(to), "old");
    EXPECT_EQ(outcome([&] { return FileUtils::replaceFile(from, to); }), "");
    EXPECT_EQ(readFile(to), "new");
    EXPECT_EQ(outcome([&] { return FileUtils::replaceFile(from, to); }),
              failure("Unable to replace " + to + " with " + from, 2));
}

TEST_F(FileUtilsTest, CreateDirectoriesCreatesMissingLevelsAndReportsEachFailure)
{
    const std::string deep = scratch.file("a/b/c");
    EXPECT_EQ(outcome([&] { return FileUtils::createDirectories(deep + "/"); }), "");
    EXPECT_EQ(outcome([&] { return FileUtils::createDirectory(deep); }),
              failure("Unable to create directory " + deep, 183));
    writeFile(scratch.file("file"), "");
    EXPECT_EQ(outcome([&] { return FileUtils::createDirectories(scratch.file("file/x/y")); }),
              failure("Unable to create directory " + scratch.file("file/x"), 3)
                  + failure("Unable to create directory " + scratch.file("file/x/y"), 3));
}

TEST_F(FileUtilsTest, RemoveDirectoryAndFilesGoesOneLevelDeep)
{
    const std::string folder = scratch.file("work");
    for (const std::string name : {"one", ".two", "sub/inner"})
        writeFile(folder + "/" + name, name);
    FileUtils::createDirectory(folder + "/empty");
    EXPECT_EQ(outcome([&] { return FileUtils::removeDirectoryAndFiles(folder); }),
              failure("Unable to remove directory " + folder + "/sub", directoryNotEmptyCode())
                  + failure("Unable to remove directory " + folder, directoryNotEmptyCode()));
    EXPECT_EQ(tree(folder), (std::vector<std::string>{"sub/", "sub/inner"}));

    // A file that is already gone is no failure.
    for (int removal = 0; removal < 2; ++removal)
        EXPECT_EQ(outcome([&] { return FileUtils::removeFile(folder + "/sub/inner"); }), "");
    EXPECT_EQ(outcome([&] { return FileUtils::removeDirectoryAndFiles(folder); }), "");
    EXPECT_EQ(outcome([&] { return FileUtils::removeDirectoryAndFiles(folder); }),
              failure("Unable to remove directory " + folder, 2));
    // Windows reads "" as the root of the current drive.
    EXPECT_FALSE(FileUtils::DirectoryIterator("").next());
}

// A user named "Zoë" could not update: paths were UTF-8 but reached the ANSI
// calls. "Ω" is outside every Western code page, so an ANSI call would name
// another file or none.
TEST_F(FileUtilsTest, NonAsciiPathsAreUtf8ThroughEveryOperation)
{
    const std::string name = "Zo\xC3\xAB \xCE\xA9";
    const std::string parent = scratch.file(name), folder = parent + "/" + name, file = folder + "/" + name + ".txt";
    const std::string copy = folder + "/copy \xCE\xA9", moved = folder + "/moved \xCE\xA9";
    FileUtils::createDirectories(folder);
    std::FILE* const out = FileUtils::openFile(file, "wb");
    ASSERT_TRUE(out);
    EXPECT_TRUE(std::fputs("content", out) >= 0 && std::fclose(out) == 0);
    EXPECT_EQ(outcome([&] { return FileUtils::copyFile(file, copy); }), "");
    EXPECT_EQ(outcome([&] { return FileUtils::rename(copy, moved); }), "");
    EXPECT_EQ(outcome([&] { return FileUtils::replaceFile(moved, file); }), "");
    EXPECT_EQ(readFile(file), "content");
    EXPECT_EQ(outcome([&] { return FileUtils::removeDirectoryAndFiles(folder); }), "");

    // The variables in the platform's own separators.
    const std::string native = fs::u8path(parent).make_preferred().u8string();
    const EnvironmentOverride temp("TEMP", native), appData("APPDATA", native);
    EXPECT_EQ(FileUtils::tempPath(), parent + "/");
    EXPECT_EQ(printedBy([&] { EXPECT_EQ(FileUtils::appDataPath(), parent + "/Cartaline"); }), "");
    EXPECT_TRUE(fs::is_directory(fs::u8path(parent + "/Cartaline")));
}
