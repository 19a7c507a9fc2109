// SPDX-License-Identifier: LicenseRef-Wrenhop
// Whole runs of the update service under Wine: manifest, download from the
// package server of the stage (WRENHOP_TEST_HTTP, serving the folder
// WRENHOP_TEST_SERVED), installation with the Win32 file calls, and the
// restart. Each case installs into a scratch folder of its own.
#include "fileutils.h"
#include "processutils.h"
#include "testplatform.h"
#include "wrenhopservice.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include <windows.h>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace testplatform;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Entries are written as named, "../" included.
std::string zipBytes(const Entries& entries)
{
    const ScratchDir dir;
    zipFile zip = zipOpen64(dir.file("archive.zip").c_str(), APPEND_STATUS_CREATE);
    for (const auto& [name, data] : entries) {
        zipOpenNewFileInZip(zip, name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION);
        zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    return readFile(dir.file("archive.zip"));
}

// A service of the process's folders installing into installPath, which has
// read the manifest for a package (none: a plain file) at the source of the
// stage's server.
std::unique_ptr<WrenhopService> serviceFor(const std::string& installPath, const std::string& package,
                                           const std::string& source, const std::string& sha = {}, std::size_t size = 1)
{
    RunContext context = RunContext::ofProcess();
    context.installPath = installPath;
    context.installPathFound = true;
    auto service = std::make_unique<WrenhopService>(context);
    writeFile(service->getDownloadDirPath() + "/packageInfo.xml",
              "<update><packages><package><hash>" + sha + "</hash><host>" + std::getenv("WRENHOP_TEST_HTTP")
                  + "</host><source>" + source + "</source><platform>windows</platform><size>" + std::to_string(size)
                  + "</size></package></packages><install><file><package>" + package + "</package><exec>Cartaline.exe"
                  "</exec><platform>windows</platform><is-main-binary>true</is-main-binary></file></install></update>");
    service->initialize();
    EXPECT_TRUE(service->findScriptPackageFromXml() && service->findScriptFileFromXml());
    return service;
}

// The states the service reports, but progress; read once its workers have
// been joined.
struct Recorder : IWrenhopService {
    void onStateChanged(const int& state, double) override
    {
        if (state != STATE_DOWNLOAD_PROGRESS && state != STATE_INSTALL_PROGRESS)
            states.push_back(state);
    }
    std::vector<int> states;
};

// The name says what differs from the archive of kUpdate, served and
// installed into an installation of plain files; the states reported.
using Case = std::pair<const char*, std::vector<int>>;

const std::vector<int> kInstalled{STATE_DOWNLOAD_COMPLETE, STATE_INSTALL_COMPLETE};
const std::vector<int> kInstallFailed{STATE_DOWNLOAD_COMPLETE, STATE_UPDATE_FAIL_RETRY};
const std::vector<int> kDownloadFailed{STATE_UPDATE_FAIL_RETRY, STATE_UPDATE_FAIL_RETRY};
// The stand-in (standin.cpp) records how it was started.
const std::string kNewExe = readFile(WRENHOP_STANDIN);
const Entries kUpdate{{"package/Cartaline.exe", kNewExe}, {"package/data/old.txt", "new\r\n"}};

class Engine : public testing::TestWithParam<Case> {};

// Wherever the run ends, the installation is whole and holds nothing of the
// run's own.
TEST_P(Engine, EndsAsExpectedAndLeavesTheInstallationWhole)
{
    const std::string twist = GetParam().first;
    const ScratchDir install;
    writeFile(install.file("package/Cartaline.exe"), "old exe");
    writeFile(install.file("package/data/old.txt"), "old data");
    const bool plain = twist == "plain";
    std::string bytes = plain ? kNewExe
        : twist == "slip"     ? zipBytes({{"package/Cartaline.exe", "new exe"}, {"../escaped.txt", "out"}})
                              : zipBytes(kUpdate);
    if (twist == "corrupt")
        bytes.replace(bytes.size() / 2, 8, "garbage!");
    const std::string name = twist + (plain ? ".exe" : ".zip");
    if (twist != "missing")
        writeFile(std::getenv("WRENHOP_TEST_SERVED") + ("/" + name), bytes);
    Recorder listener;
    // The hashers' digests are checked by hasher_test; here a wrong one is refused.
    const auto service = serviceFor(install.path(), plain ? "" : "update_win", "/" + name,
                                    twist == "sha" ? std::string(40, '0') : "", bytes.size() + (twist == "size"));
    service->setListener(&listener);
    const std::string exe = install.file("package/Cartaline.exe");
    ASSERT_TRUE(twist != "readonly" || ::SetFileAttributesW(fs::u8path(exe).c_str(), FILE_ATTRIBUTE_READONLY));
    std::optional<HeldChild> holder;
    ASSERT_TRUE(twist != "held" || holder.emplace(WRENHOP_CHILD_HELPER, DOWNLOAD_DIR_PATH(), exe).running());
    service->runDownloadThread();
    ASSERT_TRUE(service->waitForWorkers(std::chrono::minutes(1)));
    // Also after a failed download: what it left must not get installed.
    service->runInstallThread();
    ASSERT_TRUE(service->waitForWorkers(std::chrono::minutes(1)));
    holder.reset();
    // What the held file kept back goes at the next start.
    EXPECT_TRUE(recoverInstallation(install.path()));

    EXPECT_EQ(listener.states, GetParam().second);
    const bool replaced = GetParam().second == kInstalled;
    EXPECT_EQ(readFile(exe), replaced ? kNewExe : "old exe");
    EXPECT_EQ(readFile(install.file("package/data/old.txt")), replaced && !plain ? "new\r\n" : "old data");
    EXPECT_FALSE(fs::exists(fs::u8path(install.path() + "/../escaped.txt")));
    EXPECT_EQ(tree(install.path()),
              (std::vector<std::string>{"package/", "package/Cartaline.exe", "package/data/", "package/data/old.txt"}));
    EXPECT_TRUE(!replaced || service->restartCartaline());
    EXPECT_TRUE(!replaced || eventually([&] { return readFile(install.file("package/started.txt")) == "Wrenhop\n"; }));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Engine,
    testing::Values(Case{"archive", kInstalled}, Case{"plain", kInstalled},
                    Case{"missing", {STATE_NO_NETWORK, STATE_UPDATE_FAIL_RETRY}}, Case{"size", kDownloadFailed},
                    Case{"sha", kDownloadFailed}, Case{"corrupt", kInstallFailed}, Case{"slip", kInstallFailed},
                    Case{"readonly", kInstalled}, Case{"held", kInstallFailed}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.first); });

const char* const kChildEnv = "WRENHOP_TEST_INSTALL_INTO";

// Wherever the run ends, the next start leaves the old or the new
// installation, whole, and nothing of its own. The run is a child, this
// program again, which installs the download left by the parent into the
// folder it names and is ended by the transaction at the step given.
TEST(KilledSwap, RecoveryLeavesOneWholeInstallation)
{
    if (const char* into = std::getenv(kChildEnv)) {
        serviceFor(into, "update_win", "/killed.zip")->runInstallThread();
        return;
    }
    writeFile(DOWNLOAD_DIR_PATH() + "/killed.zip", zipBytes(kUpdate));
    // The program's folder comes with forward slashes.
    const std::string self = FileUtils::applicationDirectory() + "/engine_test.exe";
    ASSERT_EQ(self.find('\\'), std::string::npos) << self;
    int newInstallations = 0;
    for (int step = 1; step <= 12; ++step) {
        const ScratchDir install;
        writeFile(install.file("package/Cartaline.exe"), "old exe");
        writeFile(install.file("package/data/old.txt"), "old data");
        // The recovery below takes no step of an installation: the variables
        // reach the child only.
        const EnvironmentOverride into(kChildEnv, install.path());
        const EnvironmentOverride exitAt("WRENHOP_TEST_EXIT_AT_STEP", std::to_string(step));
        EXPECT_EQ(ProcessUtils::runWindows(self, {"--gtest_filter=KilledSwap.*"}, false), 99) << "step " << step;
        EXPECT_TRUE(recoverInstallation(install.path()));
        const bool isNew = readFile(install.file("package/Cartaline.exe")) == kNewExe;
        newInstallations += isNew;
        EXPECT_EQ(readFile(install.file("package/data/old.txt")), isNew ? "new\r\n" : "old data");
    }
    // The cut fell both before and after the commit.
    EXPECT_TRUE(newInstallations > 0 && newInstallations < 12) << newInstallations;
}

} // namespace
