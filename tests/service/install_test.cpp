// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace std::chrono_literals;
using enginetest::Manifest;
using enginetest::snapshot;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;
using Events = std::vector<std::pair<int, double>>;
const Events kInstalled{{STATE_INSTALL_COMPLETE, 100.0}};
const Events kFailed{{STATE_UPDATE_FAIL_RETRY, 0.0}};
const Entries kUpdate{{"package/Cartaline.exe", "new exe"},
                      {"package/data/old.txt", "new data"},
                      {"package/fresh/deeper/new.txt", "brand new"}};
const char* const kChildEnv = "WRENHOP_TEST_INSTALL_INTO";

class Install : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(service.getDownloadDirPath());
        fs::create_directories(service.getDownloadDirPath());
        service.setListener(&listener);
        writeFile(install.file("package/Cartaline.exe"), "old exe");
        fs::permissions(install.file("package/Cartaline.exe"), fs::perms(0700));
        writeFile(install.file("package/data/old.txt"), "old data");
        writeFile(install.file("package/keep.txt"), "untouched");
        writeFile(install.file("package/Cartaline.exe.bak"), "the user's own");
    }

    void TearDown() override
    {
        EXPECT_TRUE(service.waitForWorkers(60s));
        service.setListener(nullptr);
    }

    // The manifest and the downloaded file, as a finished download leaves them.
    void prepare(Manifest manifest, const std::string& downloaded)
    {
        if (manifest.package.empty())
            manifest.source = "/files/Cartaline.exe";
        enginetest::writeManifest(manifest);
        service.initialize();
        writeFile(service.getDownloadDirPath() + "/" + fs::path(manifest.source).filename().string(), downloaded);
        ASSERT_TRUE(service.findScriptPackageFromXml());
        ASSERT_TRUE(service.findScriptFileFromXml());
    }

    Events runInstall()
    {
        service.runInstallThread();
        EXPECT_TRUE(service.waitForWorkers(60s));
        return listener.events();
    }

    testsupport::ScratchDir install;
    WrenhopService service{enginetest::testContext(install.path())};
    enginetest::Recorder listener;
};

// A ".bak" of the installation's own is a file like any other: kept.
TEST_F(Install, UnpacksAndLeavesNothingOfItsOwnBehind)
{
    prepare(Manifest(), enginetest::zipBytes(kUpdate));
    ASSERT_EQ(runInstall(), kInstalled);
    for (const auto& [name, data] : kUpdate)
        EXPECT_EQ(readFile(install.file(name)), data);
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe.bak")), "the user's own");
    std::vector<std::string> names;
    for (const auto& entry : snapshot(install.path()))
        names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::string>{"package/", "package/Cartaline.exe", "package/Cartaline.exe.bak",
                                               "package/data/", "package/data/old.txt", "package/fresh/",
                                               "package/fresh/deeper/", "package/fresh/deeper/new.txt",
                                               "package/keep.txt"}));
}

TEST_F(Install, ExecAbsentFromArchiveIsNotMovedAside)
{
    prepare(Manifest(), enginetest::zipBytes({{"package/data/old.txt", "new data"}}));
    ASSERT_EQ(runInstall(), kInstalled);
    EXPECT_TRUE(service.removeTempFiles());
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "old exe");
    EXPECT_EQ(readFile(install.file("package/data/old.txt")), "new data");
}

class ExecPermissions : public Install, public testing::WithParamInterface<std::pair<const char*, unsigned>> {};

// Owner read and execute always; without permissions, those of the old exec.
TEST_P(ExecPermissions, AreMaskedToPermissionBits)
{
    Manifest manifest;
    manifest.permissions = GetParam().first;
    prepare(manifest, enginetest::zipBytes(kUpdate));
    ASSERT_EQ(runInstall(), kInstalled);
    EXPECT_EQ(static_cast<unsigned>(fs::status(install.file("package/Cartaline.exe")).permissions()) & 07777,
              GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Install, ExecPermissions,
                         testing::Values(std::make_pair("0x1ED", 0755u), std::make_pair("04755", 0755u),
                                         std::make_pair("06777", 0777u), std::make_pair("0444", 0544u),
                                         std::make_pair("0", 0700u), std::make_pair("", 0700u)));

// Refusals of the installation; each must leave the folder as it was.
struct RefusedCase {
    const char* name;
    Entries entries; // none: the downloaded file is "raw"
    const char* raw;
    const char* exec;
    const char* package;
    const char* linkedFolder = nullptr; // replaced by a link to a copy outside
    const char* journal = nullptr;      // left by an earlier run
    bool fileForFolder = false;         // a plain file where the transaction's folder goes
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class Refused : public Install, public testing::WithParamInterface<RefusedCase> {};

TEST_P(Refused, TouchesNothing)
{
    const RefusedCase& c = GetParam();
    Manifest manifest;
    manifest.exec = c.exec;
    manifest.package = c.package;
    prepare(manifest, c.entries.empty() ? std::string(c.raw) : enginetest::zipBytes(c.entries));
    const testsupport::ScratchDir outside;
    if (c.linkedFolder) {
        fs::copy(install.file(c.linkedFolder), outside.path(), fs::copy_options::recursive);
        fs::remove_all(install.file(c.linkedFolder));
        fs::create_directory_symlink(outside.path(), install.file(c.linkedFolder));
    }
    if (c.journal)
        writeFile(install.file(".wrenhop-update/journal"), c.journal);
    if (c.fileForFolder)
        writeFile(install.file(".wrenhop-update"), "not ours");
    const enginetest::Snapshot before = snapshot(install.path());
    const enginetest::Snapshot outsideBefore = snapshot(outside.path());
    EXPECT_EQ(runInstall(), kFailed);
    EXPECT_EQ(snapshot(install.path()), before);
    EXPECT_EQ(snapshot(outside.path()), outsideBefore);
}

const char* const kTruncated = "PK\x03\x04\x14";

INSTANTIATE_TEST_SUITE_P(
    Install, Refused,
    testing::Values(RefusedCase{"Truncated", {}, kTruncated, "Cartaline.exe", "update_win"},
                    RefusedCase{"ParentExec", kUpdate, "", "../Cartaline.exe", "u"},
                    RefusedCase{"BackslashParentExec", kUpdate, "", "..\\..\\keep.txt", "u"},
                    RefusedCase{"EmptyExec", kUpdate, "", "", "u"},
                    RefusedCase{"EntryOutsideThePackage", {{"../outside.txt", "x"}}, "", "Cartaline.exe", "u"},
                    RefusedCase{"ArchiveNamesOwnFolder", {{".wrenhop-update/journal", "x"}}, "", "Cartaline.exe", "u"},
                    RefusedCase{"ExecMissingAfterUnpack", {{"package/fresh/new.txt", "new"}}, "", "Other.exe", "u"},
                    RefusedCase{"FileAndFolderOfOneName", {{"package/x", "1"}, {"package/x/y", "2"}}, "", "Cartaline.exe", "u"},
                    RefusedCase{"DotExec", kUpdate, "", ".", "u"},
                    RefusedCase{"DotExecPlainFile", {}, "new exe", ".", ""},
                    RefusedCase{"ExistingFolderExec", kUpdate, "", "data", "u"},
                    RefusedCase{"NewFolderExec", kUpdate, "", "fresh/", "u"},
                    RefusedCase{"LinkedFolder", kUpdate, "", "Cartaline.exe", "u", "package/data"},
                    RefusedCase{"UnreadableJournal", kUpdate, "", "Cartaline.exe", "u", nullptr, "wrenhop-journal 1\n"},
                    RefusedCase{"FileForTheTransactionFolder", kUpdate, "", "Cartaline.exe", "u", nullptr, nullptr, true}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// Runs one installation as an unprivileged user, so that a folder without
// write permission stops it even when the tests run as root. The child is
// this program again, running only ChildOnly.Install.
class Unwritable : public Install {
protected:
    // Everything below the installation belongs to the unprivileged user,
    // except the folder that must not be written.
    int runInstallWithLocked(const std::string& folder)
    {
        const bool root = testsupport::runningAsRoot();
        for (const auto& entry : fs::recursive_directory_iterator(install.path()))
            EXPECT_TRUE(!root || ::lchown(entry.path().c_str(), 65534, 65534) == 0);
        EXPECT_TRUE(!root || ::chown(install.path().c_str(), 65534, 65534) == 0);
        EXPECT_TRUE(!root || ::chown(install.file(folder).c_str(), 0, 0) == 0);
        fs::permissions(install.path(), fs::perms(0755));
        fs::permissions(install.file(folder), fs::perms(0555));
        mBefore = snapshot(install.path());

        const auto command = testsupport::unprivilegedSelf({"--gtest_filter=ChildOnly.Install"});
        const testsupport::RunResult result = testsupport::run(
            command.front(), {command.begin() + 1, command.end()}, {std::string(kChildEnv) + "=" + install.path()});
        const auto at = result.out.find("child state:");
        EXPECT_NE(at, std::string::npos) << result.out << result.err;
        return at == std::string::npos ? -1 : std::stoi(result.out.substr(at + 12));
    }

    enginetest::Snapshot mBefore;
};

// The new folder is in when the file in the locked one fails: it goes again.
TEST_F(Unwritable, RestoreReplacesPartlyWrittenTargets)
{
    fs::create_directories(install.file("package/locked"));
    prepare(Manifest(), enginetest::zipBytes({{"package/Cartaline.exe", "new exe"},
                                              {"package/fresh/deeper/new.txt", "brand new"},
                                              {"package/locked/new.txt", "cannot be written"}}));
    EXPECT_EQ(runInstallWithLocked("package/locked"), STATE_UPDATE_FAIL_RETRY);
    EXPECT_EQ(snapshot(install.path()), mBefore);
}

TEST_F(Unwritable, SameInstallationSucceedsWhereItMayWrite)
{
    fs::create_directories(install.file("package/locked"));
    prepare(Manifest(), enginetest::zipBytes(kUpdate));
    EXPECT_EQ(runInstallWithLocked("package/locked"), STATE_INSTALL_COMPLETE);
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "new exe");
}

// The child half of Unwritable: does nothing in a normal run.
TEST(ChildOnly, Install)
{
    const QByteArray into = qgetenv(kChildEnv);
    if (into.isEmpty())
        GTEST_SKIP() << "runs only as the child of Unwritable";
    WrenhopService service{enginetest::testContext(into.toStdString())};
    enginetest::Recorder listener;
    service.setListener(&listener);
    service.initialize();
    ASSERT_TRUE(service.findScriptPackageFromXml());
    ASSERT_TRUE(service.findScriptFileFromXml());
    service.runInstallThread();
    ASSERT_TRUE(service.waitForWorkers(60s));
    service.setListener(nullptr);
    const auto events = listener.events();
    std::cout << "child state:" << (events.empty() ? 0 : events.back().first) << std::endl;
}

} // namespace
