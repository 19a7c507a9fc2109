// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "servicetestsupport.h"
#include "testsupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace std::chrono_literals;
using servicetest::Manifest;
using servicetest::ZipEntry;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const char* const kChildEnv = "WRENHOP_TEST_INSTALL_INTO";
const int kNobody = 65534;

using Events = std::vector<std::pair<int, double>>;
const Events kInstalled{{STATE_INSTALL_COMPLETE, 100.0}};
const Events kFailed{{STATE_UPDATE_FAIL_RETRY, 0.0}};

unsigned modeOf(const std::string& path)
{
    return static_cast<unsigned>(fs::status(path).permissions()) & 07777;
}

class Install : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(service.getDownloadDirPath());
        fs::create_directories(service.getDownloadDirPath());
        service.setListener(&listener);
        service.setInstallPath(install.path());
        writeFile(install.file("package/Cartaline.exe"), "old exe");
        fs::permissions(install.file("package/Cartaline.exe"), fs::perms(0700));
        writeFile(install.file("package/data/old.txt"), "old data");
        writeFile(install.file("package/keep.txt"), "untouched");
    }

    void TearDown() override
    {
        EXPECT_TRUE(service.waitForWorkers(60s));
        service.setListener(nullptr);
    }

    // The manifest and the downloaded file, as a finished download leaves them.
    void prepare(const Manifest& manifest, const std::string& downloaded)
    {
        servicetest::loadManifest(manifest);
        writeFile(service.getDownloadDirPath() + "/" + fs::path(manifest.source).filename().string(), downloaded);
        ASSERT_TRUE(service.findScriptPackageFromXml());
        ASSERT_TRUE(service.findScriptFileFromXml());
    }

    void prepareArchive(const std::vector<ZipEntry>& entries, const std::string& exec = "Cartaline.exe")
    {
        Manifest manifest;
        manifest.exec = exec;
        prepare(manifest, servicetest::zipBytes(entries));
    }

    Events runInstall()
    {
        service.runInstallThread();
        EXPECT_TRUE(service.waitForWorkers(60s));
        return listener.events();
    }

    WrenhopService& service = WrenhopService::getInstance();
    servicetest::RecordingListener listener;
    testsupport::ScratchDir install;
};

const std::vector<ZipEntry> kUpdate{{"package/Cartaline.exe", "new exe"},
                                    {"package/data/old.txt", "new data"},
                                    {"package/fresh/deeper/new.txt", "brand new"}};

TEST_F(Install, UnpacksBackingUpEveryReplacedFile)
{
    prepareArchive(kUpdate);
    servicetest::LogTail log;
    ASSERT_EQ(runInstall(), kInstalled);
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "new exe");
    EXPECT_EQ(readFile(install.file("package/data/old.txt")), "new data");
    EXPECT_EQ(readFile(install.file("package/fresh/deeper/new.txt")), "brand new");
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe.bak")), "old exe");
    EXPECT_EQ(readFile(install.file("package/data/old.txt.bak")), "old data");
    EXPECT_EQ(readFile(install.file("package/keep.txt")), "untouched");
    // "package/./Cartaline.exe" and "package/Cartaline.exe" are one file.
    EXPECT_FALSE(fs::exists(install.file("package/Cartaline.exe.bak.bak")));
    const std::string text = log.text();
    EXPECT_NE(text.find("cartalineFilePath: " + install.path() + "/package/./Cartaline.exe"), std::string::npos);
    EXPECT_NE(text.find("backup file: " + install.path() + "/package/./Cartaline.exe -> " + install.path()
                        + "/package/./Cartaline.exe.bak"),
              std::string::npos);

    EXPECT_TRUE(service.removeTempFiles());
    EXPECT_FALSE(fs::exists(install.file("package/Cartaline.exe.bak")));
    EXPECT_FALSE(fs::exists(install.file("package/data/old.txt.bak")));
    EXPECT_FALSE(fs::exists(service.getDownloadDirPath()));
}

struct PermissionsCase {
    const char* manifest;
    unsigned mode;
};

std::ostream& operator<<(std::ostream& out, const PermissionsCase& c)
{
    return out << c.manifest;
}

class ExecPermissions : public Install, public testing::WithParamInterface<PermissionsCase> {};

TEST_P(ExecPermissions, AreMaskedToPermissionBits)
{
    Manifest manifest;
    manifest.permissions = GetParam().manifest;
    prepare(manifest, servicetest::zipBytes(kUpdate));
    ASSERT_EQ(runInstall(), kInstalled);
    EXPECT_EQ(modeOf(install.file("package/Cartaline.exe")), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Install, ExecPermissions,
                         testing::Values(PermissionsCase{"0755", 0755}, PermissionsCase{"0x1ED", 0755},
                                         PermissionsCase{"04755", 0755}, PermissionsCase{"0700", 0700},
                                         PermissionsCase{"06777", 0777}));

struct BadArchiveCase {
    const char* name;
    std::vector<ZipEntry> entries;
    std::string rawBytes;
};

std::ostream& operator<<(std::ostream& out, const BadArchiveCase& c)
{
    return out << c.name;
}

class BadArchive : public Install, public testing::WithParamInterface<BadArchiveCase> {};

TEST_P(BadArchive, TouchesNothing)
{
    const BadArchiveCase& c = GetParam();
    Manifest manifest;
    prepare(manifest, c.entries.empty() ? c.rawBytes : servicetest::zipBytes(c.entries));
    const auto parent = fs::path(install.path()).parent_path();
    const servicetest::Snapshot before = servicetest::snapshot(install.path());
    EXPECT_EQ(runInstall(), kFailed);
    EXPECT_EQ(servicetest::snapshot(install.path()), before);
    EXPECT_FALSE(fs::exists(parent / "outside.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Install, BadArchive,
    testing::Values(
        BadArchiveCase{"NotAZip", {}, "<html><body>404 Not Found</body></html>"},
        BadArchiveCase{"Truncated", {}, std::string("PK\x03\x04\x14\x00\x00\x00", 8)},
        BadArchiveCase{"BadCrcInThirdEntry",
                       {{"package/Cartaline.exe", "new exe"}, {"package/data/old.txt", "new data"},
                        {"package/fresh/new.txt", "corrupt", true}},
                       {}},
        BadArchiveCase{"ParentEntry", {{"package/Cartaline.exe", "new exe"}, {"../outside.txt", "escaped"}}, {}},
        BadArchiveCase{"ParentInsideEntry", {{"package/../../outside.txt", "escaped"}}, {}},
        BadArchiveCase{"BackslashParentEntry", {{"package\\..\\..\\outside.txt", "escaped"}}, {}}),
    [](const testing::TestParamInfo<BadArchiveCase>& info) { return std::string(info.param.name); });

class UnsafeExec : public Install, public testing::WithParamInterface<const char*> {};

TEST_P(UnsafeExec, IsRefusedBeforeAnyBackup)
{
    prepareArchive(kUpdate, GetParam());
    const servicetest::Snapshot before = servicetest::snapshot(install.path());
    servicetest::LogTail log;
    EXPECT_EQ(runInstall(), kFailed);
    EXPECT_EQ(servicetest::snapshot(install.path()), before);
    EXPECT_NE(log.text().find("[LOG_ERROR]"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Install, UnsafeExec,
                         testing::Values("../Cartaline.exe", "..\\..\\keep.txt", "a/../../x", "/etc/passwd", "C:/x",
                                         "c:x", ""));

TEST_F(Install, ExecAbsentFromArchiveIsNotMovedAside)
{
    prepareArchive({{"package/data/old.txt", "new data"}});
    ASSERT_EQ(runInstall(), kInstalled);
    EXPECT_FALSE(fs::exists(install.file("package/Cartaline.exe.bak")));
    EXPECT_TRUE(service.removeTempFiles());
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "old exe");
    EXPECT_EQ(readFile(install.file("package/data/old.txt")), "new data");
}

TEST_F(Install, ExecMissingAfterUnpackRollsBack)
{
    fs::remove(install.file("package/Cartaline.exe"));
    prepareArchive({{"package/data/old.txt", "new data"}, {"package/fresh/new.txt", "new"}});
    const servicetest::Snapshot before = servicetest::snapshot(install.path());
    EXPECT_EQ(runInstall(), kFailed);
    EXPECT_EQ(servicetest::snapshot(install.path()), before);
}

TEST_F(Install, PlainFileIsCopiedOverTheExec)
{
    Manifest manifest;
    manifest.package = "";
    manifest.source = "/pkg/Cartaline.exe";
    prepare(manifest, "new plain exe");
    ASSERT_EQ(runInstall(), kInstalled);
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "new plain exe");
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe.bak")), "old exe");
    EXPECT_EQ(modeOf(install.file("package/Cartaline.exe")), 0755u);
}

TEST_F(Install, PlainCopyThatFailsLeavesNothing)
{
    Manifest manifest;
    manifest.package = "";
    manifest.source = "/pkg/Cartaline.exe";
    manifest.exec = "missing/Cartaline.exe";
    prepare(manifest, "new plain exe");
    const servicetest::Snapshot before = servicetest::snapshot(install.path());
    EXPECT_EQ(runInstall(), kFailed);
    EXPECT_EQ(servicetest::snapshot(install.path()), before);
}

TEST_F(Install, MissingDownloadAndFolderAreEachLogged)
{
    Manifest manifest;
    prepare(manifest, "x");
    fs::remove(service.getDownloadDirPath() + "/update_win.zip");
    service.setInstallPath(install.file("nowhere"));
    servicetest::LogTail log;
    EXPECT_EQ(runInstall(), kFailed);
    const std::string text = log.text();
    const auto first = text.find(service.getDownloadDirPath() + "/update_win.zip is not exist");
    const auto second = text.find(install.file("nowhere") + " is not exist");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
}

// Runs one installation as an unprivileged user, so that a folder without
// write permission stops it even when the tests run as root. The child is
// this program again, running only ChildOnly.Install.
class Unwritable : public Install {
protected:
    // Everything below the installation belongs to the unprivileged user,
    // except the folders that must not be written.
    void lock(const std::vector<std::string>& folders)
    {
        const bool root = testsupport::runningAsRoot();
        if (root) {
            std::error_code error;
            ASSERT_EQ(::chown(install.path().c_str(), kNobody, kNobody), 0);
            for (fs::recursive_directory_iterator it(install.path(), error), end; !error && it != end;
                 it.increment(error)) {
                ASSERT_EQ(::lchown(it->path().c_str(), kNobody, kNobody), 0);
            }
        }
        fs::permissions(install.path(), fs::perms(0755));
        for (const std::string& folder : folders) {
            if (root) {
                ASSERT_EQ(::chown(install.file(folder).c_str(), 0, 0), 0);
            }
            fs::permissions(install.file(folder), fs::perms(0555));
        }
    }

    int runInstallUnprivileged()
    {
        const std::string self = QCoreApplication::applicationFilePath().toStdString();
        const std::vector<std::string> command =
            testsupport::unprivileged(self, {"--gtest_filter=ChildOnly.Install"});
        const testsupport::RunResult result =
            testsupport::run(command.front(), std::vector<std::string>(command.begin() + 1, command.end()),
                             {std::string(kChildEnv) + "=" + install.path()});
        const auto at = result.out.find("child states:");
        EXPECT_NE(at, std::string::npos) << result.out << result.err;
        return at == std::string::npos ? -1 : std::stoi(result.out.substr(at + 13));
    }
};

TEST_F(Unwritable, BackupThatCannotBeMadeStopsBeforeUnpacking)
{
    prepareArchive(kUpdate);
    lock({"package/data"});
    const servicetest::Snapshot before = servicetest::snapshot(install.path());
    EXPECT_EQ(runInstallUnprivileged(), STATE_UPDATE_FAIL_RETRY);
    EXPECT_EQ(servicetest::snapshot(install.path()), before);
}

TEST_F(Unwritable, RestoreReplacesPartlyWrittenTarget)
{
    fs::create_directories(install.file("package/locked"));
    prepareArchive({{"package/Cartaline.exe", "new exe"},
                    {"package/fresh/deeper/new.txt", "brand new"},
                    {"package/locked/new.txt", "cannot be written"}});
    lock({"package/locked"});
    const servicetest::Snapshot before = servicetest::snapshot(install.path());
    EXPECT_EQ(runInstallUnprivileged(), STATE_UPDATE_FAIL_RETRY);
    EXPECT_EQ(servicetest::snapshot(install.path()), before);
}

TEST_F(Unwritable, SameInstallationSucceedsWhereItMayWrite)
{
    fs::create_directories(install.file("package/locked"));
    prepareArchive(kUpdate);
    lock({"package/locked"});
    EXPECT_EQ(runInstallUnprivileged(), STATE_INSTALL_COMPLETE);
    EXPECT_EQ(readFile(install.file("package/Cartaline.exe")), "new exe");
}

// The child half of Unwritable: does nothing in a normal run.
TEST(ChildOnly, Install)
{
    const QByteArray into = qgetenv(kChildEnv);
    if (into.isEmpty())
        GTEST_SKIP() << "runs only as the child of Unwritable";
    auto& service = WrenhopService::getInstance();
    servicetest::RecordingListener listener;
    service.setListener(&listener);
    service.setInstallPath(into.toStdString());
    service.reloadManifest();
    ASSERT_TRUE(service.findScriptPackageFromXml());
    ASSERT_TRUE(service.findScriptFileFromXml());
    service.runInstallThread();
    ASSERT_TRUE(service.waitForWorkers(60s));
    service.setListener(nullptr);
    const auto states = listener.states();
    std::cout << "child states:" << (states.empty() ? 0 : states.back()) << std::endl;
}

// Download, installation, clean-up and restart chained as the update manager
// chains them, against a real server.
class Chain : public servicetest::RecordingListener {
public:
    void onStateChanged(const int& state, double value) override
    {
        RecordingListener::onStateChanged(state, value);
        auto& service = WrenhopService::getInstance();
        if (state == STATE_DOWNLOAD_COMPLETE && service.findScriptFileFromXml())
            service.runInstallThread();
        if (state == STATE_INSTALL_COMPLETE) {
            service.removeTempFiles();
            service.restartCartaline();
        }
    }
};

TEST_F(Install, WholeRunInstallsCleansUpAndRestartsTheNewExecutable)
{
    const std::string record = install.file("started.txt");
    const std::string standIn = "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > \"" + record
        + ".tmp\"\nmv \"" + record + ".tmp\" \"" + record + "\"\n";
    const std::string archive = servicetest::zipBytes({{"package/Cartaline.exe", standIn}, {"package/data/old.txt", "v2"}});
    servicetest::TestServer server;
    server.put("update_win.zip", archive);
    Manifest manifest;
    manifest.host = server.host();
    manifest.source = "/files/update_win.zip";
    manifest.hash = servicetest::sha1Hex(archive);
    manifest.size = std::to_string(archive.size());
    servicetest::loadManifest(manifest);

    Chain chain;
    service.setListener(&chain);
    ASSERT_TRUE(service.findScriptPackageFromXml());
    service.runDownloadThread();
    ASSERT_TRUE(service.waitForWorkers(60s));
    service.setListener(&listener);

    const auto states = chain.states();
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), STATE_INSTALL_COMPLETE);
    EXPECT_EQ(readFile(install.file("package/data/old.txt")), "v2");
    EXPECT_FALSE(fs::exists(install.file("package/Cartaline.exe.bak")));
    EXPECT_FALSE(fs::exists(install.file("package/data/old.txt.bak")));
    EXPECT_FALSE(fs::exists(service.getDownloadDirPath()));
    for (int i = 0; i < 500 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(readFile(record), "1\nWrenhop\n");
}

} // namespace
