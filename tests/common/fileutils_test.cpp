// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities' behaviour that every platform shares; the cases only
// one platform has are in fileutils_posix_test.cpp and fileutils_win_test.cpp.
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>

using testplatform::EnvironmentOverride;
using testplatform::isDirectory;
using testplatform::printedBy;
using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

namespace {

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

TEST(IOException, CarriesErrnoAndLastErrorAtConstruction)
{
    testplatform::setLastError(5);
    errno = EACCES;
    const FileUtils::IOException fromErrno("Failed to copy a.dll to b.dll");
    EXPECT_STREQ(fromErrno.what(), "Failed to copy a.dll to b.dll GetLastError returned: 5");
    EXPECT_EQ(fromErrno.code(), EACCES);

    testplatform::setLastError(183);
    const FileUtils::IOException explicitCode(ENOENT, "x");
    EXPECT_STREQ(explicitCode.what(), "x GetLastError returned: 183");
    EXPECT_EQ(explicitCode.code(), ENOENT);

    const FileUtils::IOException copy(explicitCode);
    EXPECT_STREQ(copy.what(), explicitCode.what());
    EXPECT_EQ(copy.code(), ENOENT);
}

struct FileNameRow {
    const char* name;
    const char* path;
    const char* fileName;
};

void PrintTo(const FileNameRow& row, std::ostream* os)
{
    *os << row.name;
}

class FileName : public testing::TestWithParam<FileNameRow> {};

TEST_P(FileName, IsEverythingAfterTheLastSeparator)
{
    EXPECT_EQ(FileUtils::fileName(GetParam().path), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(FileUtils, FileName,
    testing::Values(FileNameRow{"DoubleExtension", "D:/x/y/setup.tar.gz", "setup.tar.gz"},
                    FileNameRow{"TrailingSlash", "D:/x/y/", ""},
                    FileNameRow{"Backslashes", "D:\\x\\report.dll", "report.dll"},
                    FileNameRow{"MixedSeparators", "a/b\\c.txt", "c.txt"},
                    FileNameRow{"NoSeparator", "plain.txt", "plain.txt"}, FileNameRow{"Empty", "", ""},
                    FileNameRow{"HiddenFile", "/.hidden", ".hidden"}),
    [](const auto& info) { return std::string(info.param.name); });

struct WideRow {
    const char* name;
    const char* utf8;
    std::wstring wide;
};

void PrintTo(const WideRow& row, std::ostream* os)
{
    *os << row.name;
}

class Utf8ToWide : public testing::TestWithParam<WideRow> {};

TEST_P(Utf8ToWide, DecodesOrRefusesWhole)
{
    EXPECT_EQ(FileUtils::utf8ToWide(GetParam().utf8), GetParam().wide);
}

// U+1F600 is one wchar_t where it has 32 bits and a surrogate pair in UTF-16.
INSTANTIATE_TEST_SUITE_P(FileUtils, Utf8ToWide,
    testing::Values(WideRow{"Empty", "", L""}, WideRow{"Ascii", "abc", L"abc"},
                    WideRow{"TwoBytes", "\xC3\xA9t\xC3\xA9", L"\u00E9t\u00E9"},
                    WideRow{"ThreeBytes", "\xE2\x82\xAC", L"\u20AC"},
                    WideRow{"FourBytes", "\xF0\x9F\x98\x80", L"\U0001F600"},
                    WideRow{"Truncated", "\xC3", L""}, WideRow{"StrayContinuation", "a\x80", L""},
                    WideRow{"Overlong", "\xC0\xAF", L""}, WideRow{"Surrogate", "\xED\xA0\x80", L""},
                    WideRow{"BeyondUnicode", "\xF4\x90\x80\x80", L""}, WideRow{"InvalidLead", "\xFF", L""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileUtilsConversions, EmptyStaysEmptyAndLocalStopsAtNul)
{
    EXPECT_EQ(FileUtils::utf8ToLocal(""), "");
    EXPECT_EQ(FileUtils::localToUtf8(""), "");
    EXPECT_EQ(FileUtils::utf8ToLocal("D:/plain/ascii"), "D:/plain/ascii");
    EXPECT_EQ(FileUtils::localToUtf8(std::string("abc\0def", 7)), "abc");
}

class FileUtilsTest : public testing::Test
{
protected:
    ScratchDir scratch;
};

TEST_F(FileUtilsTest, CopyReplacesTarget)
{
    const std::string source = scratch.file("tool");
    const std::string target = scratch.file("copy");
    writeFile(source, std::string(200000, 'x') + "end");
    writeFile(target, "old contents that are longer than nothing");

    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(source, target); }), "");
    EXPECT_EQ(readFile(target), readFile(source));
}

TEST_F(FileUtilsTest, CopyOfMissingFilePrintsOneLineWithCode2)
{
    const std::string source = scratch.file("missing");
    const std::string target = scratch.file("copy");
    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(source, target); }),
              "Failed to copy " + source + " to " + target + suffix(2));
    EXPECT_FALSE(FileUtils::exists(target));
}

TEST_F(FileUtilsTest, CopyOntoItselfKeepsContent)
{
    const std::string file = scratch.file("same");
    const std::string link = scratch.file("hardlink");
    writeFile(file, "precious");
    std::filesystem::create_hard_link(file, link);

    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(file, file); }),
              "Failed to copy " + file + " to " + file + suffix(32));
    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(file, link); }),
              "Failed to copy " + file + " to " + link + suffix(32));
    EXPECT_EQ(readFile(file), "precious");
}

TEST_F(FileUtilsTest, CopyOntoRunningProgramPrintsSharingViolation)
{
    const std::string program = scratch.file(FileUtils::fileName(WRENHOP_CHILD_HELPER));
    const std::string replacement = scratch.file("replacement");
    FileUtils::copyFile(WRENHOP_CHILD_HELPER, program);
    writeFile(replacement, "new");
    testplatform::HeldChild child(program, scratch.path());
    ASSERT_TRUE(child.started());

    const std::string printed = printedBy([&] { FileUtils::copyFile(replacement, program); });
    // The child cannot end before it is released, so it ran during the copy.
    EXPECT_FALSE(child.finished());
    EXPECT_TRUE(child.release());
    EXPECT_EQ(printed, "Failed to copy " + replacement + " to " + program + suffix(32));
    EXPECT_EQ(readFile(program), readFile(WRENHOP_CHILD_HELPER));
}

TEST_F(FileUtilsTest, RenameOntoExistingNameLeavesBothFiles)
{
    const std::string from = scratch.file("from");
    const std::string to = scratch.file("to");
    writeFile(from, "from");
    writeFile(to, "to");

    EXPECT_EQ(printedBy([&] { FileUtils::rename(from, to); }), "Unable to rename " + from + " to " + to + suffix(183));
    EXPECT_EQ(readFile(from), "from");
    EXPECT_EQ(readFile(to), "to");
}

TEST_F(FileUtilsTest, RenameMovesFileAndFolder)
{
    writeFile(scratch.file("dir/file"), "data");
    EXPECT_EQ(printedBy([&] {
                  FileUtils::rename(scratch.file("dir/file"), scratch.file("dir/renamed"));
                  FileUtils::rename(scratch.file("dir"), scratch.file("moved"));
              }),
              "");
    EXPECT_EQ(readFile(scratch.file("moved/renamed")), "data");
    EXPECT_FALSE(FileUtils::exists(scratch.file("dir")));
}

TEST_F(FileUtilsTest, ReplaceFileReplacesTargetInOneStep)
{
    const std::string source = scratch.file("cal.ini.tmp");
    const std::string target = scratch.file("cal.ini");
    writeFile(source, "new");
    writeFile(target, "old");

    EXPECT_EQ(printedBy([&] { FileUtils::replaceFile(source, target); }), "");
    EXPECT_EQ(readFile(target), "new");
    EXPECT_FALSE(FileUtils::exists(source));

    EXPECT_EQ(printedBy([&] { FileUtils::replaceFile(source, target); }),
              "Unable to replace " + target + " with " + source + suffix(2));
    EXPECT_EQ(readFile(target), "new");
}

TEST_F(FileUtilsTest, CreateDirectoriesCreatesMissingLevelsOnly)
{
    FileUtils::createDirectory(scratch.file("a"));
    const std::string deep = scratch.file("a/b/c");

    EXPECT_EQ(printedBy([&] { FileUtils::createDirectories(deep); }), "");
    EXPECT_TRUE(isDirectory(deep));
    EXPECT_EQ(printedBy([&] {
                  FileUtils::createDirectories(deep);
                  FileUtils::createDirectories(deep + "/");
                  FileUtils::createDirectories(scratch.path() + "//a//b");
              }),
              "");
}

TEST_F(FileUtilsTest, CreateDirectoriesReportsEachLevelBelowAFile)
{
    writeFile(scratch.file("file"), "");
    const std::string first = scratch.file("file/x");
    const std::string second = scratch.file("file/x/y");

    EXPECT_EQ(printedBy([&] { FileUtils::createDirectories(second); }),
              "Unable to create directory " + first + suffix(3) + "Unable to create directory " + second + suffix(3));
}

TEST_F(FileUtilsTest, CreateDirectoryOnExistingFolderPrintsAlreadyExists)
{
    EXPECT_EQ(printedBy([&] { FileUtils::createDirectory(scratch.path()); }),
              "Unable to create directory " + scratch.path() + suffix(183));
}

TEST_F(FileUtilsTest, RemoveFileRemovesAndIgnoresMissing)
{
    const std::string file = scratch.file("file");
    writeFile(file, "x");
    EXPECT_EQ(printedBy([&] {
                  FileUtils::removeFile(file);
                  FileUtils::removeFile(file);
              }),
              "");
    EXPECT_FALSE(FileUtils::exists(file));
}

TEST_F(FileUtilsTest, RemoveFileRemovesRunningProgram)
{
    const std::string program = scratch.file(FileUtils::fileName(WRENHOP_CHILD_HELPER));
    FileUtils::copyFile(WRENHOP_CHILD_HELPER, program);
    testplatform::HeldChild child(program, scratch.path());
    ASSERT_TRUE(child.started());

    EXPECT_EQ(printedBy([&] { FileUtils::removeFile(program); }), "");
    EXPECT_FALSE(child.finished());
    EXPECT_TRUE(child.release());
    EXPECT_FALSE(FileUtils::exists(program));
    EXPECT_EQ(entriesOf(scratch.path()), (std::set<std::string>{".", "..", "go", "done"}));
}

TEST_F(FileUtilsTest, RemoveDirectoryAndFilesRemovesFolderOfFiles)
{
    const std::string folder = scratch.file("work");
    writeFile(folder + "/one", "1");
    writeFile(folder + "/.two", "2");
    FileUtils::createDirectory(folder + "/empty");

    EXPECT_EQ(printedBy([&] { FileUtils::removeDirectoryAndFiles(folder); }), "");
    EXPECT_FALSE(FileUtils::exists(folder));
}

TEST_F(FileUtilsTest, RemoveDirectoryAndFilesKeepsNonEmptySubfolder)
{
    const std::string folder = scratch.file("work");
    writeFile(folder + "/one", "1");
    writeFile(folder + "/sub/inner", "inner");
    const unsigned long notEmpty = testplatform::directoryNotEmptyCode();

    EXPECT_EQ(printedBy([&] { FileUtils::removeDirectoryAndFiles(folder); }),
              "Unable to remove directory " + folder + "/sub" + suffix(notEmpty) + "Unable to remove directory "
                  + folder + suffix(notEmpty));
    EXPECT_FALSE(FileUtils::exists(folder + "/one"));
    EXPECT_EQ(readFile(folder + "/sub/inner"), "inner");
}

TEST_F(FileUtilsTest, RemoveDirectoryAndFilesOnMissingFolderPrintsOneLine)
{
    const std::string folder = scratch.file("missing");
    EXPECT_EQ(printedBy([&] { FileUtils::removeDirectoryAndFiles(folder); }),
              "Unable to remove directory " + folder + suffix(2));
}

TEST_F(FileUtilsTest, ExistsForFilesAndFoldersOnly)
{
    writeFile(scratch.file("file"), "");
    EXPECT_TRUE(FileUtils::exists(scratch.file("file")));
    EXPECT_TRUE(FileUtils::exists(scratch.path()));
    EXPECT_FALSE(FileUtils::exists(scratch.file("missing")));
    EXPECT_FALSE(FileUtils::exists(""));
}

TEST_F(FileUtilsTest, DirectoryIteratorHandsOutEveryEntry)
{
    writeFile(scratch.file("file"), "");
    FileUtils::createDirectory(scratch.file("sub"));

    FileUtils::DirectoryIterator entries(scratch.path() + "/");
    std::set<std::string> seen;
    while (entries.next()) {
        seen.insert(entries.name());
        EXPECT_EQ(entries.path(), scratch.path() + "//" + entries.name());
        EXPECT_EQ(entries.isDirectory(), entries.name() != "file") << entries.name();
    }
    EXPECT_EQ(seen, (std::set<std::string>{".", "..", "file", "sub"}));

    FileUtils::DirectoryIterator missing(scratch.file("missing"));
    EXPECT_FALSE(missing.next());
    EXPECT_FALSE(missing.next());
}

TEST_F(FileUtilsTest, CurrentDirectoryUsesForwardSlashes)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(scratch.path()).make_preferred());
    const std::string current = FileUtils::currentDirectory();
    std::filesystem::current_path(previous);
    EXPECT_EQ(current, scratch.path());
}

TEST(FileUtilsTempPath, BackslashesBecomeSlashesWithTrailingSlash)
{
    const EnvironmentOverride temp("TEMP", "D:\\T");
    EXPECT_EQ(FileUtils::tempPath(), "D:/T/");
}

TEST_F(FileUtilsTest, AppDataPathIsCreatedBelowAppData)
{
    const std::string root = scratch.path();
    const EnvironmentOverride appData("APPDATA", root + "/roaming");
    EXPECT_EQ(printedBy([&] { EXPECT_EQ(FileUtils::appDataPath(), root + "/roaming/Cartaline"); }), "");
    EXPECT_TRUE(isDirectory(root + "/roaming/Cartaline"));
}
