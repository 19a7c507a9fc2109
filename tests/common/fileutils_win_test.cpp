// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file utilities on Windows: files that are in use, the ANSI code page
// and the standard folders without their variables.
#include "fileutils.h"
#include "processutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <windows.h>

using testplatform::EnvironmentOverride;
using testplatform::printedBy;
using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

namespace {

std::string suffix(unsigned long code)
{
    return " GetLastError returned: " + std::to_string(code) + "\n";
}

std::wstring wide(const std::string& utf8)
{
    return FileUtils::utf8ToWide(utf8);
}

// The pending operations of the session manager, which it runs at the next
// start of the machine; empty when there are none.
std::string pendingFileRenames()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0, KEY_QUERY_VALUE,
                        &key)
        != ERROR_SUCCESS)
        return {};
    DWORD size = 0;
    std::string value;
    if (::RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        value.resize(size);
        if (::RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(value.data()), &size)
            != ERROR_SUCCESS)
            value.clear();
    }
    ::RegCloseKey(key);
    return value;
}

// Only an administrator may queue an operation for the next start.
bool mayQueueRenames()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0, KEY_SET_VALUE,
                        &key)
        != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

} // namespace

struct TakenNamesRow {
    const char* name;
    int taken;         // names already in the temporary folder
    const char* moved; // suffix of the name the program gets there
};

void PrintTo(const TakenNamesRow& row, std::ostream* os)
{
    *os << row.name;
}

class RunningProgram : public testing::TestWithParam<TakenNamesRow> {};

TEST_P(RunningProgram, RemovalMovesItIntoTempUnderFreeName)
{
    ScratchDir scratch;
    const std::string name = FileUtils::fileName(WRENHOP_CHILD_HELPER);
    const std::string temp = scratch.file("temp");
    const std::string program = scratch.file("install/" + name);
    writeFile(program, readFile(WRENHOP_CHILD_HELPER));
    FileUtils::createDirectory(temp);
    for (int i = 0; i < GetParam().taken; ++i)
        writeFile(temp + "/" + name + (i == 0 ? "" : "_" + std::to_string(i)), "taken");
    const EnvironmentOverride tempVariable("TEMP", temp);
    testplatform::HeldChild child(program, scratch.path());
    ASSERT_TRUE(child.started());

    EXPECT_EQ(printedBy([&] { FileUtils::removeFile(program); }), "");
    EXPECT_FALSE(child.finished());
    EXPECT_FALSE(FileUtils::exists(program));
    const std::string moved = temp + "/" + name + GetParam().moved;
    EXPECT_EQ(readFile(moved), readFile(WRENHOP_CHILD_HELPER));
    EXPECT_TRUE(child.release());
    if (mayQueueRenames()) {
        const std::string pending = pendingFileRenames();
        EXPECT_NE(pending.find(FileUtils::fileName(scratch.path())), std::string::npos) << pending;
        EXPECT_NE(pending.find(name + GetParam().moved), std::string::npos) << pending;
    }
}

INSTANTIATE_TEST_SUITE_P(FileUtils, RunningProgram,
    testing::Values(TakenNamesRow{"NameFree", 0, ""}, TakenNamesRow{"NameTaken", 1, "_1"},
                    TakenNamesRow{"TwoNamesTaken", 2, "_2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileUtilsInUse, ReadOnlyFileMovesIntoTemp)
{
    ScratchDir scratch;
    const std::string temp = scratch.file("temp");
    const std::string file = scratch.file("install/settings.dat");
    writeFile(file, "read only");
    FileUtils::createDirectory(temp);
    ASSERT_TRUE(::SetFileAttributesW(wide(file).c_str(), FILE_ATTRIBUTE_READONLY));
    const EnvironmentOverride tempVariable("TEMP", temp);

    EXPECT_EQ(printedBy([&] { FileUtils::removeFile(file); }), "");
    EXPECT_FALSE(FileUtils::exists(file));
    EXPECT_EQ(readFile(temp + "/settings.dat"), "read only");
    ::SetFileAttributesW(wide(temp + "/settings.dat").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileUtilsInUse, FileHeldOpenWithoutDeleteSharingStays)
{
    ScratchDir scratch;
    const std::string file = scratch.file("report.dll");
    const std::string ready = scratch.file("ready");
    const std::string go = scratch.file("go");
    writeFile(file, "library");
    ASSERT_EQ(ProcessUtils::runWindows(WRENHOP_CHILD_HELPER, {"hold", file, ready, go}), 0);
    ASSERT_TRUE(testplatform::eventually([&] { return FileUtils::exists(ready); }));

    EXPECT_EQ(printedBy([&] { FileUtils::removeFile(file); }), "Unable to remove file " + file + suffix(32));
    EXPECT_EQ(readFile(file), "library");

    writeFile(go, "");
    EXPECT_TRUE(testplatform::eventually([&] { return ::DeleteFileW(wide(file).c_str()) != 0; }));
}

struct CodePageRow {
    unsigned codePage;
    const char* utf8;
    const char* local;
    const wchar_t* wide;
};

// Names that the code page holds, in UTF-8, in the code page and in UTF-16.
const std::vector<CodePageRow>& codePageRows()
{
    static const std::vector<CodePageRow> rows = {
        {1251, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD0\xBC\xD0\xB8\xD1\x80",
         "\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0", L"\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440"},
        {1252, "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC", "Gr\xF6\xDF" "e \x80", L"Gr\u00F6\u00DFe \u20AC"},
    };
    return rows;
}

class AnsiCodePage : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const CodePageRow& row : codePageRows()) {
            if (row.codePage == ::GetACP())
                mRow = row;
        }
        if (!mRow)
            GTEST_SKIP() << "no test name for code page " << ::GetACP();
    }

    std::string utf8() const { return mRow->utf8; }
    std::string local() const { return mRow->local; }
    std::wstring wideName() const { return mRow->wide; }
    // The scratch folder's entry of that name, for the UTF-16 calls.
    std::wstring wideEntry(const std::wstring& tail) const { return wide(scratch.path()) + L"/" + wideName() + tail; }

    ScratchDir scratch;

private:
    std::optional<CodePageRow> mRow;
};

TEST_F(AnsiCodePage, ConversionsRoundTrip)
{
    EXPECT_EQ(FileUtils::utf8ToLocal(utf8()), local());
    EXPECT_EQ(FileUtils::localToUtf8(local()), utf8());
    EXPECT_EQ(FileUtils::localToUtf8(local() + std::string("\0tail", 5)), utf8());
    EXPECT_EQ(FileUtils::utf8ToWide(utf8()), wideName());
}

TEST_F(AnsiCodePage, PathsReachTheFileSystemInEveryEncoding)
{
    const std::string folder = FileUtils::utf8ToLocal(scratch.file(utf8()));
    const std::string file = folder + "/" + local() + ".txt";
    FileUtils::createDirectories(folder);
    writeFile(file, "content");

    EXPECT_NE(::GetFileAttributesW(wideEntry(L"/" + wideName() + L".txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(FileUtils::exists(scratch.file(utf8() + "/" + utf8() + ".txt")));
    EXPECT_EQ(printedBy([&] { FileUtils::copyFile(file, folder + "/copy"); }), "");

    std::set<std::string> names;
    FileUtils::DirectoryIterator entries(folder);
    while (entries.next()) {
        if (!entries.isDirectory())
            names.insert(FileUtils::localToUtf8(entries.name()));
    }
    EXPECT_EQ(names, (std::set<std::string>{"copy", utf8() + ".txt"}));

    EXPECT_EQ(printedBy([&] { FileUtils::removeDirectoryAndFiles(folder); }), "");
    EXPECT_FALSE(FileUtils::exists(scratch.file(utf8())));
}

TEST_F(AnsiCodePage, TempPathBecomesUtf8AndAppDataPathStaysAnsi)
{
    std::string temp = FileUtils::utf8ToLocal(scratch.file(utf8()));
    std::replace(temp.begin(), temp.end(), '/', '\\');
    const EnvironmentOverride tempVariable("TEMP", temp);
    EXPECT_EQ(FileUtils::tempPath(), scratch.file(utf8()) + "/");

    const std::string appData = FileUtils::utf8ToLocal(scratch.file(utf8() + " roaming"));
    const EnvironmentOverride appDataVariable("APPDATA", appData);
    EXPECT_EQ(printedBy([&] { EXPECT_EQ(FileUtils::appDataPath(), appData + "/Cartaline"); }), "");
    const DWORD attributes = ::GetFileAttributesW(wideEntry(L" roaming/Cartaline").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

TEST(FileUtilsTempPath, UnsetTempGivesEmptyPathAndLogsError)
{
    const EnvironmentOverride temp("TEMP", std::nullopt);
    const testplatform::LogCapture log;
    std::string path = "unset";
    EXPECT_EQ(printedBy([&] { path = FileUtils::tempPath(); }), "");
    EXPECT_EQ(path, "");
    EXPECT_TRUE(log.contains("[LOG_ERROR]", "FileUtils::tempPath", "getenv(TEMP) is empty"));
}

TEST(FileUtilsAppDataPath, UnsetAppDataFallsBackToTemp)
{
    ScratchDir scratch;
    const EnvironmentOverride temp("TEMP", scratch.file("temp"));
    const EnvironmentOverride appData("APPDATA", std::nullopt);
    EXPECT_EQ(FileUtils::appDataPath(), scratch.file("temp") + "//Cartaline");
    EXPECT_TRUE(testplatform::isDirectory(scratch.file("temp/Cartaline")));
}
