// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities on Windows: files in use and the standard folders
// without their variables.
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <windows.h>

using namespace testplatform;
namespace fs = std::filesystem;

void testplatform::setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    // The wide call: values are UTF-8 and may lie outside the code page.
    ::_wputenv_s(FileUtils::utf8ToWide(name).c_str(), value ? FileUtils::utf8ToWide(*value).c_str() : L""); // empty removes
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
        EXPECT_EQ(outcome([&] { return FileUtils::removeFile(program); }), "");
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
    EXPECT_EQ(outcome([&] { return FileUtils::removeFile(file); }),
              "Unable to remove file " + file + " GetLastError returned: 32\n");
    EXPECT_EQ(readFile(file), "library");
    EXPECT_TRUE(child.release());
    EXPECT_EQ(outcome([&] { return FileUtils::removeFile(file); }), "");
}

// Deleting either is denied as for a file in use, yet neither is: both went
// whole into TEMP.
TEST(FileUtils, ReadOnlyFileIsRemovedAndFolderReported)
{
    ScratchDir scratch;
    const EnvironmentOverride temp("TEMP", scratch.file("temp"));
    FileUtils::createDirectory(scratch.file("temp"));
    const std::string file = scratch.file("readonly.dll");
    writeFile(file, "library");
    ASSERT_TRUE(::SetFileAttributesW(FileUtils::utf8ToWide(file).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(outcome([&] { return FileUtils::removeFile(file); }), "");
    const std::string folder = scratch.file("folder");
    writeFile(folder + "/inner", "inner");
    EXPECT_EQ(outcome([&] { return FileUtils::removeFile(folder); }),
              "Unable to remove file " + folder + " GetLastError returned: 5\n");
    EXPECT_EQ(readFile(folder + "/inner"), "inner");
    EXPECT_TRUE(fs::is_empty(scratch.file("temp")));
}

TEST(FileUtils, UnsetTempGivesEmptyPathAndAppDataFallsBackToTemp)
{
    ScratchDir scratch;
    {
        const EnvironmentOverride temp("TEMP", std::nullopt);
        EXPECT_EQ(FileUtils::tempPath(), "");
    }
    const EnvironmentOverride temp("TEMP", scratch.file("temp")), appData("APPDATA", std::nullopt);
    EXPECT_EQ(FileUtils::appDataPath(), scratch.file("temp") + "//Cartaline");
    EXPECT_TRUE(fs::is_directory(scratch.file("temp/Cartaline")));
}
