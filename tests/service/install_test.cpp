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
using enginetest::Entries;
using enginetest::Manifest;
using enginetest::service;
using enginetest::snapshot;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

using Events = std::vector<std::pair<int, double>>;
const Events kInstalled{{STATE_INSTALL_COMPLETE, 100.0}};
const Entries kUpdate{{"package/Cartaline.exe", "new exe"},
                      {"package/data/old.txt", "new data"},
                      {"package/fresh/deeper/new.txt", "brand new"}};
const char* const kChildEnv = "WRENHOP_TEST_INSTALL_INTO";

class Install : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(DOWNLOAD_DIR_PATH());
        fs::create_directories(DOWNLOAD_DIR_PATH());
        service().setListener(&listener);
        writeFile(install.file("package/Cartaline.exe"), "old exe");
        fs::permissions(install.file("package/Cartaline.exe"), fs::perms(0700));
        writeFile(install.file("package/data/old.txt"), "old data");
        writeFile(install.file("package/keep.txt"), "untouched");
        writeFile(install.file("package/Cartaline.exe.bak"), "the user's own");
    }

    void TearDown() override
    {
        EXPECT_TRUE(service().waitForWorkers(60s));
        service().setListener(nullptr);
    }

    // The manifest and the downloaded file, as a finished download leaves them.
    void prepare(const std::string& downloaded, Manifest manifest = {})
    {
        if (manifest.package.empty())
            manifest.source = "/files/Cartaline.exe";
        enginetest::writeManifest(manifest);
        writeFile(DOWNLOAD_DIR_PATH() + "/" + fs::path(manifest.source).filename().string(), downloaded);
        ASSERT_TRUE(enginetest::freshService(install.path()).findScriptPackageFromXml());
        ASSERT_TRUE(service().findScriptFileFromXml());
    }

    Events runInstall()
    {
        service().runInstallThread();
        EXPECT_TRUE(service().waitForWorkers(60s));
        return listener.events();
    }

    enginetest::Recorder listener;
    testsupport::ScratchDir install;
};

// A ".bak" of the installation's own is a file like any other: kept. An exec
// the archive lacks is not moved aside.
TEST_F(Install, UnpacksAndLeavesNothingOfItsOwnBehind)
{
    prepare(enginetest::zipBytes(kUpdate));
    ASSERT_EQ(runInstall(), kInstalled);
    std::vector<std::string> names;
    for (const auto& entry : snapshot(install.path()))
        names.push_back(entry.first + (entry.first.back() == '/' ? "" : "=" + entry.second.first));
    EXPECT_EQ(names, (std::vector<std::string>{"package/", "package/Cartaline.exe=new exe",
                                               "package/Cartaline.exe.bak=the user's own", "package/data/",
                                               "package/data/old.txt=new data", "package/fresh/",
                                               "package/fresh/deeper/", "package/fresh/deeper/new.txt=brand new",
                                               "package/keep.txt=untouched"}));

    prepare(enginetest::zipBytes({{"package/data/old.txt", "newer data"}}));
    EXPECT_EQ(runInstall().back(), kInstalled.back());
    EXPECT_TRUE(service().removeTempFiles());
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")) + readFile(install.file("package/data/old.txt")),
              "new exenewer data");
}

class ExecPermissions : public Install, public testing::WithParamInterface<std::pair<const char*, unsigned>> {};

// Owner read and execute always; without permissions, those of the old exec.
TEST_P(ExecPermissions, AreMaskedToPermissionBits)
{
    Manifest manifest;
    manifest.permissions = GetParam().first;
    prepare(enginetest::zipBytes(kUpdate), manifest);
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
    const char* exec = "Cartaline.exe";
    const char* raw = "";
    const char* package = "u";
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
    prepare(c.entries.empty() ? std::string(c.raw) : enginetest::zipBytes(c.entries), manifest);
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
    EXPECT_EQ(runInstall(), (Events{{STATE_UPDATE_FAIL_RETRY, 0.0}}));
    EXPECT_EQ(snapshot(install.path()), before);
    EXPECT_EQ(snapshot(outside.path()), outsideBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Install, Refused,
    testing::Values(RefusedCase{"Truncated", {}, "Cartaline.exe", "PK\x03\x04\x14", "update_win"},
                    RefusedCase{"ParentExec", kUpdate, "../Cartaline.exe"},
                    RefusedCase{"BackslashParentExec", kUpdate, "..\\..\\keep.txt"},
                    RefusedCase{"EmptyExec", kUpdate, ""},
                    RefusedCase{"EntryOutsideThePackage", {{"../outside.txt", "x"}}},
                    RefusedCase{"ArchiveNamesOwnFolder", {{".wrenhop-update/journal", "x"}}},
                    RefusedCase{"ExecMissingAfterUnpack", {{"package/fresh/new.txt", "new"}}, "Other.exe"},
                    RefusedCase{"FileAndFolderOfOneName", {{"package/x", "1"}, {"package/x/y", "2"}}},
                    RefusedCase{"DotExec", kUpdate, "."},
                    RefusedCase{"DotExecPlainFile", {}, ".", "new exe", ""},
                    RefusedCase{"ExistingFolderExec", kUpdate, "data"},
                    RefusedCase{"NewFolderExec", kUpdate, "fresh/"},
                    RefusedCase{"LinkedFolder", kUpdate, "Cartaline.exe", "", "u", "package/data"},
                    RefusedCase{"UnreadableJournal", kUpdate, "Cartaline.exe", "", "u", nullptr, "wrenhop-journal 1\n"},
                    RefusedCase{"FileForTheTransactionFolder", kUpdate, "Cartaline.exe", "", "u", nullptr, nullptr, true}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// Runs one installation as an unprivileged user, so that a folder without
// write permission stops it even when the tests run as root. The child is
// this program again, running only ChildOnly.Install.
class Unwritable : public Install {
protected:
    // Everything below the installation belongs to the unprivileged user,
    // except package/locked, which must not be written.
    int runInstallLocked(const Entries& entries)
    {
        fs::create_directories(install.file("package/locked"));
        prepare(enginetest::zipBytes(entries));
        const bool root = testsupport::runningAsRoot();
        for (const auto& entry : fs::recursive_directory_iterator(install.path()))
            EXPECT_TRUE(!root || ::lchown(entry.path().c_str(), 65534, 65534) == 0);
        EXPECT_TRUE(!root || ::chown(install.path().c_str(), 65534, 65534) == 0);
        EXPECT_TRUE(!root || ::chown(install.file("package/locked").c_str(), 0, 0) == 0);
        fs::permissions(install.path(), fs::perms(0755));
        fs::permissions(install.file("package/locked"), fs::perms(0555));
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
    EXPECT_EQ(runInstallLocked({{"package/Cartaline.exe", "new exe"},
                                {"package/fresh/deeper/new.txt", "brand new"},
                                {"package/locked/new.txt", "cannot be written"}}),
              STATE_UPDATE_FAIL_RETRY);
    EXPECT_EQ(snapshot(install.path()), mBefore);
}

TEST_F(Unwritable, SameInstallationSucceedsWhereItMayWrite)
{
    EXPECT_EQ(runInstallLocked(kUpdate), STATE_INSTALL_COMPLETE);
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "new exe");
}

// The child half of Unwritable: does nothing in a normal run.
TEST(ChildOnly, Install)
{
    const QByteArray into = qgetenv(kChildEnv);
    if (into.isEmpty())
        GTEST_SKIP() << "runs only as the child of Unwritable";
    enginetest::Recorder listener;
    service().setListener(&listener);
    ASSERT_TRUE(enginetest::freshService(into.toStdString()).findScriptPackageFromXml());
    ASSERT_TRUE(service().findScriptFileFromXml());
    service().runInstallThread();
    ASSERT_TRUE(service().waitForWorkers(60s));
    service().setListener(nullptr);
    const auto events = listener.events();
    std::cout << "child state:" << (events.empty() ? 0 : events.back().first) << std::endl;
}

} // namespace
