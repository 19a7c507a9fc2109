// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities on Windows: files in use and the standard folders
// without their variables.
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <windows.h>

using namespace testplatform;
namespace fs = std::filesystem;

unsigned long testplatform::directoryNotEmptyCode() { return ERROR_DIR_NOT_EMPTY; }

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
