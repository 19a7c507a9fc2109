// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities on Windows: files in use, the ANSI code page and the
// standard folders without their variables.
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <windows.h>

using namespace testplatform;
namespace fs = std::filesystem;

void testplatform::setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    ::_putenv_s(name.c_str(), value ? value->c_str() : ""); // empty removes
}

unsigned long testplatform::directoryNotEmptyCode()
{
    return ERROR_DIR_NOT_EMPTY;
}

// Each removal takes the next free name: the earlier ones hold the others.
TEST(FileUtils, RunningProgramIsRemovedByMovingItIntoTempUnderFreeName)
{
    ScratchDir scratch;
    const std::string name = FileUtils::fileName(WRENHOP_CHILD_HELPER);
    const std::string program = scratch.file("install/" + name);
    const EnvironmentOverride temp("TEMP", scratch.file("temp"));
    FileUtils::createDirectory(scratch.file("temp"));
    for (const std::string suffix : {"", "_1", "_2"}) {
        writeFile(program, readFile(WRENHOP_CHILD_HELPER));
        FileUtils::createDirectory(scratch.file("run" + suffix));
        HeldChild child(program, scratch.file("run" + suffix));
        ASSERT_TRUE(child.running());
        EXPECT_EQ(printedBy([&] { FileUtils::removeFile(program); }), "");
        EXPECT_FALSE(FileUtils::exists(program));
        EXPECT_EQ(readFile(scratch.file("temp/" + name + suffix)), readFile(WRENHOP_CHILD_HELPER));
        EXPECT_TRUE(child.running());
    }
    // Queued for deletion at the next start of the machine.
    std::string pending(1 << 16, '\0');
    DWORD size = static_cast<DWORD>(pending.size());
    ASSERT_EQ(::RegGetValueA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                             "PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, pending.data(), &size),
              ERROR_SUCCESS);
    EXPECT_NE(pending.find(FileUtils::fileName(scratch.path())), std::string::npos);
    EXPECT_NE(pending.find(name + "_2"), std::string::npos);
}

TEST(FileUtils, FileHeldOpenWithoutDeleteSharingStays)
{
    ScratchDir scratch;
    const std::string file = scratch.file("report.dll");
    writeFile(file, "library");
    HeldChild child(WRENHOP_CHILD_HELPER, scratch.path(), file);
    ASSERT_TRUE(child.running());
    EXPECT_EQ(printedBy([&] { FileUtils::removeFile(file); }),
              "Unable to remove file " + file + " GetLastError returned: 32\n");
    EXPECT_EQ(readFile(file), "library");
    EXPECT_TRUE(child.release());
    EXPECT_EQ(printedBy([&] { FileUtils::removeFile(file); }), "");
    EXPECT_FALSE(FileUtils::exists(file));
}

// The run pins Wine's ANSI code page to 1252 (tests/windows/CMakeLists.txt).
TEST(FileUtils, NonAsciiPathsWorkInUtf8AnsiAndUtf16)
{
    ASSERT_EQ(::GetACP(), 1252u);
    const std::string utf8 = "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC";
    const std::string ansi = "Gr\xF6\xDF" "e \x80";
    const std::wstring wide = L"Gr\u00F6\u00DFe \u20AC";
    EXPECT_EQ(FileUtils::utf8ToLocal(utf8), ansi);
    EXPECT_EQ(FileUtils::localToUtf8(ansi + std::string("\0tail", 5)), utf8);
    EXPECT_TRUE(FileUtils::utf8ToWide(utf8) == wide);

    ScratchDir scratch;
    const std::wstring wideFolder = FileUtils::utf8ToWide(scratch.path()) + L"/" + wide;
    const std::string folder = FileUtils::utf8ToLocal(scratch.file(utf8));
    FileUtils::createDirectories(folder);
    writeFile(folder + "/" + ansi + ".txt", "content");
    EXPECT_NE(::GetFileAttributesW((wideFolder + L"/" + wide + L".txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(FileUtils::exists(scratch.file(utf8 + "/" + utf8 + ".txt")));
    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(folder + "/" + ansi + ".txt", folder + "/copy"); }), "");
    std::set<std::string> names;
    for (FileUtils::DirectoryIterator entries(folder); entries.next();) {
        if (!entries.isDirectory())
            names.insert(FileUtils::localToUtf8(entries.name()));
    }
    EXPECT_EQ(names, (std::set<std::string>{"copy", utf8 + ".txt"}));
    EXPECT_EQ(printedBy([&] { FileUtils::removeDirectoryAndFiles(folder); }), "");
    EXPECT_FALSE(FileUtils::exists(scratch.file(utf8)));

    // TEMP comes in the code page and leaves in UTF-8; APPDATA stays as it came.
    std::string backslashed = folder;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    const EnvironmentOverride temp("TEMP", backslashed), appData("APPDATA", folder);
    EXPECT_EQ(FileUtils::tempPath(), scratch.file(utf8) + "/");
    EXPECT_EQ(printedBy([&] { EXPECT_EQ(FileUtils::appDataPath(), folder + "/Cartaline"); }), "");
    EXPECT_TRUE(::GetFileAttributesW((wideFolder + L"/Cartaline").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(FileUtils, UnsetTempGivesEmptyPathAndAppDataFallsBackToTemp)
{
    ScratchDir scratch;
    {
        const EnvironmentOverride temp("TEMP", std::nullopt);
        std::string path = "unset";
        EXPECT_EQ(printedBy([&] { path = FileUtils::tempPath(); }),
                  "[LOG_ERROR]FileUtils::tempPath getenv(TEMP) is empty\n");
        EXPECT_EQ(path, "");
    }
    const EnvironmentOverride temp("TEMP", scratch.file("temp")), appData("APPDATA", std::nullopt);
    EXPECT_EQ(FileUtils::appDataPath(), scratch.file("temp") + "//Cartaline");
    EXPECT_TRUE(fs::is_directory(scratch.file("temp/Cartaline")));
}
