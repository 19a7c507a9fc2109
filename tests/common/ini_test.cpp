// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "fileutils.h"
#include "ini.h"
#include "log.h"
#include "systemservice.h"
#include "testsupport.h"
#include "writelog.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeFile;
namespace fs = std::filesystem;

namespace {

// This program runs itself as another user to load a settings file whose
// modes must bite: the variable names the file, and the run ends here.
constexpr const char* kChildVariable = "INI_TEST_LOAD_AS_CHILD";
[[maybe_unused]] const bool childRun = [] {
    const char* path = std::getenv(kChildVariable);
    if (path == nullptr)
        return false;
    INI{std::string(path)};
    std::_Exit(0);
}();

using Model = std::map<std::string, std::map<std::string, std::string>>;

std::string defaultFile()
{
    const std::string brand = "AutoLogin=0\nSaveLoginInfo=0\nSavedID=\nSavedPassword=\nisAllowToGuide=\n";
    return "[GUID]\n[JT]\n" + brand + "[QR]\n" + brand + "[ZV]\n" + brand
        + "[common]\nAutoLogin=0\nBrand=0\nCurrentLanguage=ko_KR\nFirstRunning=\nGUID=\nLastMode=\n"
          "NotificationSearchVersionRetryShowJortel=\nRegion=KR\nSDCardAllowInfo=\nSavedID=\nSavedPassword=\n"
          "StorageFolder="
        + FileUtils::appDataPath() + "\nTermsAgreeCheck=0\n";
}

Model defaultModel()
{
    Model model;
    std::string section;
    std::istringstream lines(defaultFile());
    for (std::string line; std::getline(lines, line);) {
        if (line.front() == '[')
            model[section = line.substr(1, line.size() - 2)];
        else
            model[section][line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    }
    return model;
}

std::string fileText(const Model& model)
{
    std::string text;
    for (const auto& [section, keys] : model) {
        text += "[" + section + "]\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\n";
    }
    return text;
}

std::string allLogFiles()
{
    // The folder is known once this program has written a line.
    writeLog(LOG_INFO, "ini_test", "reading the log files");
    std::string text;
    for (const QFileInfo& info : QDir(logDirPath()).entryInfoList(QDir::Files))
        text += readFile(info.filePath().toStdString());
    return text;
}

std::vector<std::string> entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

struct Edit {
    std::string section, key, value;
};

struct RewriteCase {
    const char* name;
    std::string input;
    std::vector<Edit> edits; // what the rewritten file shows beside the defaults
};

void PrintTo(const RewriteCase& row, std::ostream* out)
{
    *out << row.name;
}

class Rewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(Rewrite, FileAndMemoryReadersAgree)
{
    ScratchDir dir;
    const std::string path = dir.file("cal.ini");
    writeFile(path, GetParam().input);
    Model expected = defaultModel();
    for (const Edit& edit : GetParam().edits)
        expected[edit.section][edit.key] = edit.value;

    const INI ini(path);
    EXPECT_EQ(readFile(path), fileText(expected));
    EXPECT_EQ(ini.sections(), expected);
    EXPECT_EQ(INI::fromBytes(GetParam().input, {false, false}).serialize(), fileText(expected));
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"cal.ini"});
}

const std::vector<Edit> kRegionUs = {{"common", "Region", "US"}};

INSTANTIATE_TEST_SUITE_P(Ini, Rewrite, ::testing::Values(
    RewriteCase{"EmptyFile", "", {}},
    RewriteCase{"RegionUnderCommon", "[common]\nRegion=US\n", kRegionUs},
    RewriteCase{"CrLfReadLikeLf", "[common]\r\nAutoLogin=1\r\nRegion=US", {{"common", "AutoLogin", "1"}, kRegionUs[0]}},
    RewriteCase{"EmptyValueKeepsDefault", "[common]\nRegion=\n", {}},
    RewriteCase{"EmptyValueKeepsReadValue", "[common]\nRegion=US\nRegion=\n", kRegionUs},
    RewriteCase{"SecondValueWins", "[common]\nRegion=EU\nRegion=US\n", kRegionUs},
    RewriteCase{"BlanksAroundEqualsMakeNewKey", "[common]\nRegion = US\n", {{"common", "Region ", " US"}}},
    RewriteCase{"UnknownKeysSorted", "[JT]\nzeta=1\nAlpha=2\n", {{"JT", "Alpha", "2"}, {"JT", "zeta", "1"}}},
    RewriteCase{"EmptyValueOfUnknownKeyKept", "[GUID]\n{42}=\n", {{"GUID", "{42}", ""}}},
    RewriteCase{"FurtherEqualsBelongToValue", "[GUID]\nid=a=b=\n", {{"GUID", "id", "a=b="}}},
    RewriteCase{"NoCommentSyntax", "[common]\n;Region=US\n# x [ZV] y\nAutoLogin=1\n",
                {{"common", ";Region", "US"}, {"ZV", "AutoLogin", "1"}}},
    RewriteCase{"HeaderWinsOverEquals", "[common]\nkey=[QR]\nRegion=US\n", {{"QR", "Region", "US"}}},
    RewriteCase{"CloseBeforeOpenNamesToLineEnd", "]x[JT\nAutoLogin=1\n", {{"JT", "AutoLogin", "1"}}},
    RewriteCase{"BeforeHeaderOnlyKnownCommonKeys", "Region=US\nOther=1\nRegion\n\n", kRegionUs},
    RewriteCase{"UnknownSectionKeptWithKeys", "[Extra]\nb=2\na=\n[common]\nRegion=US\n",
                {{"Extra", "a", ""}, {"Extra", "b", "2"}, {"common", "Region", "US"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ini, NoFileGivesExactDefaultFile)
{
    ScratchDir dir;
    INI(dir.file("cal.ini"));
    EXPECT_EQ(readFile(dir.file("cal.ini")), defaultFile());
}

TEST(Ini, RewriteKeepsFileMode)
{
    ScratchDir dir;
    const std::string path = dir.file("cal.ini");
    writeFile(path, "[common]\nRegion=US\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    INI{path};
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_NE(readFile(path).find("[JT]\n"), std::string::npos);
}

TEST(Ini, MissingFolderCreatesNothing)
{
    ScratchDir dir;
    INI(dir.file("absent/cal.ini"));
    EXPECT_TRUE(entries(dir.path()).empty());
}

TEST(Ini, PasswordNeverReachesLogFiles)
{
    ScratchDir dir;
    const std::string secret = "pw-" + fs::path(dir.path()).filename().string();
    writeFile(dir.file("cal.ini"), "[JT]\nSavedPassword=" + secret + "a\nSavedPassword=" + secret + "b\n[common]\n"
                                   " savedPASSWORD\t=" + secret + "c\nSavedPassword=" + secret + "d\n");
    std::string value;
    SystemService(dir.file("cal.ini")).getCalINI(CAL_KEY_SAVED_PASSWORD, value, CAL_SECTION_JT);
    INI::fromBytes("[QR]\nSavedPassword=" + secret + "e\n", {true, false});

    EXPECT_EQ(value, secret + "b");
    const std::string logs = allLogFiles();
    EXPECT_EQ(logs.find(secret), std::string::npos);
    EXPECT_NE(logs.find("INI::load update key: SavedPassword, value: ********"), std::string::npos);
    EXPECT_NE(logs.find("INI::load key:  savedPASSWORD\t, value: ********"), std::string::npos);
}

TEST(Ini, QuietReaderLogsNothing)
{
    INI::fromBytes("[quietSection]\nquietKey=1\n", {false, false});
    EXPECT_EQ(allLogFiles().find("quiet"), std::string::npos);
}

TEST(SystemService, ReadsStartupSettingsAndLogsThem)
{
    ScratchDir dir;
    writeFile(dir.file("cal.ini"), "[common]\nRegion=US\n=unnamed\n");
    const SystemService service(dir.file("cal.ini"));
    std::string region, brand, unnamed = "x";
    service.getCalINI(CAL_KEY_REGION, region, CAL_SECTION_COMMON);
    service.getCalINI(CAL_KEY_BRAND, brand, CAL_SECTION_COMMON);
    service.getCalINI(static_cast<CalKey>(8), unnamed, CAL_SECTION_COMMON);
    EXPECT_EQ(region, "US");
    EXPECT_EQ(brand, "0");
    EXPECT_EQ(unnamed, "");
    EXPECT_NE(allLogFiles().find("SystemService::getCalINI Region : [US]"), std::string::npos);
}

TEST(SystemService, RealSettingsPathGetsDefaultsWhenAbsent)
{
    const std::string appData = std::getenv("APPDATA") ? std::getenv("APPDATA") : "";
    ASSERT_FALSE(appData.empty()) << "the test needs APPDATA set to a folder of its own";
    ASSERT_EQ(SETTINGS_FILE_PATH().rfind(appData, 0), 0u) << SETTINGS_FILE_PATH();
    fs::remove(SETTINGS_FILE_PATH());
    std::string language;
    SystemService().getCalINI(CAL_KEY_CURRENT_LANGUAGE, language, CAL_SECTION_COMMON);
    EXPECT_EQ(language, "ko_KR");
    EXPECT_EQ(readFile(SETTINGS_FILE_PATH()), defaultFile());
}

struct ModeCase {
    const char* name;
    fs::perms folder;
    fs::perms file;
    bool needsOtherOwner; // the file must belong to someone else than the loader
};

void PrintTo(const ModeCase& row, std::ostream* out)
{
    *out << row.name;
}

class LeftAlone : public ::testing::TestWithParam<ModeCase> {};

// The load runs as an unprivileged child; whatever stops it from reading or
// replacing the file, the file stays byte for byte and no temporary is left.
TEST_P(LeftAlone, OldFileStaysWhole)
{
    if (GetParam().needsOtherOwner && !testsupport::runningAsRoot())
        GTEST_SKIP() << "needs a file of another user";
    ScratchDir dir;
    const std::string path = dir.file("cal.ini");
    const std::string before = "[common]\nRegion=US\n[Extra]\nkept=1\n";
    writeFile(path, before);
    fs::permissions(path, GetParam().file);
    fs::permissions(dir.path(), GetParam().folder);

    const std::vector<std::string> command =
        testsupport::unprivileged(QCoreApplication::applicationFilePath().toStdString(), {});
    const testsupport::RunResult child = testsupport::run(
        command.front(), {command.begin() + 1, command.end()}, {std::string(kChildVariable) + "=" + path});

    fs::permissions(dir.path(), fs::perms::owner_all);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(child.exitCode, 0) << child.err;
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"cal.ini"});
}

constexpr fs::perms kAll = fs::perms::all;
constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kWriteOnly = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
constexpr fs::perms kReadWrite = kReadOnly | kWriteOnly;
constexpr fs::perms kReadSearch = kReadOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

INSTANTIATE_TEST_SUITE_P(Ini, LeftAlone, ::testing::Values(
    // Writable but unreadable, so that only the read failure keeps it whole.
    ModeCase{"UnreadableFile", kAll, kWriteOnly, false},
    ModeCase{"ReadOnlyFile", kAll, kReadOnly, false},
    ModeCase{"UnwritableFolder", kReadSearch, kReadWrite, false},
    // A sticky folder lets the temporary be written but not moved onto another user's file.
    ModeCase{"FailedMoveRemovesTemporary", kAll | fs::perms::sticky_bit, kReadWrite, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
