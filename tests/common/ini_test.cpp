// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "fileutils.h"
#include "ini.h"
#include "systemservice.h"
#include "testsupport.h"
#include "writelog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
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

// The file is rewritten from the model that the memory reader builds alike.
TEST(Ini, ReadersAgreeOnEveryLineRule)
{
    using Edit = std::tuple<std::string, std::string, std::string>; // section, key, value
    const Edit regionUs = {"common", "Region", "US"};
    const struct {
        const char* name;
        std::string input;
        std::vector<Edit> edits; // what the model shows beside the defaults
    } rows[] = {
        {"CrLfReadLikeLf", "[common]\r\nAutoLogin=1\r\nRegion=US", {{"common", "AutoLogin", "1"}, regionUs}},
        {"EmptyValueKeepsReadValue", "[common]\nRegion=US\nRegion=\n", {regionUs}},
        {"SecondValueWins", "[common]\nRegion=EU\nRegion=US\n", {regionUs}},
        {"FurtherEqualsBelongToValue", "[GUID]\nid=a=b=\n", {{"GUID", "id", "a=b="}}},
        {"NoCommentSyntaxAndOnlyLineStartingWithBracketIsHeader",
         "[JT]\nSavedPassword=ab[c]d\n# x [QR] y\n;AutoLogin=1\n \t[ZV]x\nSavedID=z\n",
         {{"JT", "SavedPassword", "ab[c]d"}, {"JT", ";AutoLogin", "1"}, {"ZV", "SavedID", "z"}}},
        {"BeforeHeaderOnlyKnownCommonKeys", "Region=US\nOther=1\nRegion\n\n", {regionUs}},
        {"UnknownSectionAndEmptyValuesKept", "[Extra]\nb=2\na=\n[GUID]\n{42}=\n",
         {{"Extra", "a", ""}, {"Extra", "b", "2"}, {"GUID", "{42}", ""}}}};
    for (const auto& row : rows) {
        ScratchDir dir;
        writeFile(dir.file("cal.ini"), row.input);
        INI::Sections expected = INI::fromBytes("", {false, false}).sections();
        for (const auto& [section, key, value] : row.edits)
            expected[section][key] = value;
        const INI memory = INI::fromBytes(row.input, {false, false});
        EXPECT_EQ(INI(dir.file("cal.ini")).sections(), expected) << row.name;
        EXPECT_EQ(memory.sections(), expected) << row.name;
        EXPECT_EQ(readFile(dir.file("cal.ini")), testsupport::textFile(memory.serialize())) << row.name;
    }
}

// Nor does anything of the quiet reader that fuzzing uses.
TEST(Ini, PasswordNeverReachesLogFiles)
{
    ScratchDir dir;
    const std::string secret = "pw-" + fs::path(dir.path()).filename().string();
    writeFile(dir.file("cal.ini"), "[JT]\nSavedPassword=" + secret + "a\nSavedPassword=" + secret + "b\n[common]\n"
                                   " savedPASSWORD\t=" + secret + "c\nSavedPassword=" + secret + "d\n");
    std::string value;
    const std::string logs = testsupport::loggedBy([&] {
        SystemService(dir.file("cal.ini")).getCalINI(CAL_KEY_SAVED_PASSWORD, value, CAL_SECTION_JT);
        INI::fromBytes("[QR]\nSavedPassword=" + secret + "e\n", {true, false});
        INI::fromBytes("[quiet]\nkey=" + secret + "f\n", {false, false});
    });

    EXPECT_EQ(value, secret + "b");
    EXPECT_EQ(logs.find(secret), std::string::npos);
}

// An absent file at the real path gets the defaults.
TEST(SystemService, ReadsSettingsAndWritesDefaultsWhereAbsent)
{
    ScratchDir dir;
    writeFile(dir.file("cal.ini"), "[common]\nRegion=US\n=unnamed\n");
    const SystemService service(dir.file("cal.ini"));
    std::string region, brand, unnamed = "x", language;
    service.getCalINI(CAL_KEY_REGION, region, CAL_SECTION_COMMON);
    service.getCalINI(CAL_KEY_BRAND, brand, CAL_SECTION_COMMON);
    service.getCalINI(static_cast<CalKey>(8), unnamed, CAL_SECTION_COMMON);
    EXPECT_EQ((std::vector<std::string>{region, brand, unnamed}), (std::vector<std::string>{"US", "0", ""}));

    // The test programs run with an APPDATA of their own.
    fs::remove(SETTINGS_FILE_PATH());
    SystemService().getCalINI(CAL_KEY_CURRENT_LANGUAGE, language, CAL_SECTION_COMMON);
    EXPECT_EQ(language, "ko_KR");
    EXPECT_NE(readFile(SETTINGS_FILE_PATH()).find("\nCurrentLanguage=ko_KR"), std::string::npos);
}

// The load runs as an unprivileged child; whatever stops it from reading or
// replacing the file, the file stays byte for byte and no temporary is left.
TEST(Ini, UnreadableOrUnreplaceableFileStaysWhole)
{
    constexpr fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    constexpr fs::perms writeOnly = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const struct {
        const char* name;
        fs::perms folder, file;
        bool fullDisk = false; // the temporary lands on /dev/full
    } rows[] = {
        // Writable but unreadable, so that only the read failure keeps it whole.
        {"UnreadableFile", fs::perms::all, writeOnly},
        {"ReadOnlyFile", fs::perms::all, readOnly},
        {"UnwritableFolder", readOnly | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
         readOnly | writeOnly},
        // A sticky folder lets the temporary be written but not moved onto
        // another user's file (the tests run as root in CI).
        {"FailedMoveRemovesTemporary", fs::perms::all | fs::perms::sticky_bit, readOnly | writeOnly},
        {"FailedWriteRemovesTemporary", fs::perms::all, readOnly | writeOnly, true},
    };
    // Written back, the file (it may hold a password) keeps its mode.
    ScratchDir kept;
    writeFile(kept.file("cal.ini"), "[common]\nRegion=US\n");
    fs::permissions(kept.file("cal.ini"), fs::perms::owner_read | fs::perms::owner_write);
    INI{kept.file("cal.ini")};
    EXPECT_EQ(fs::status(kept.file("cal.ini")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    for (const auto& row : rows) {
        if (row.folder == (fs::perms::all | fs::perms::sticky_bit) && !testsupport::runningAsRoot())
            continue;
        ScratchDir dir;
        const std::string path = dir.file("cal.ini");
        const std::string before = "[common]\nRegion=US\n[Extra]\nkept=1\n";
        writeFile(path, before);
        if (row.fullDisk)
            fs::create_symlink("/dev/full", path + ".tmp");
        fs::permissions(path, row.file);
        fs::permissions(dir.path(), row.folder);

        const std::vector<std::string> command = testsupport::unprivilegedSelf({});
        const testsupport::RunResult child = testsupport::run(
            command.front(), {command.begin() + 1, command.end()}, {std::string(kChildVariable) + "=" + path});

        fs::permissions(dir.path(), fs::perms::owner_all);
        fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(child.exitCode, 0) << row.name << child.err;
        EXPECT_EQ(readFile(path), before) << row.name;
        EXPECT_EQ(testplatform::tree(dir.path()), std::vector<std::string>{"cal.ini"}) << row.name;
    }
}

} // namespace
