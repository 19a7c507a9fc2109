// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program ended in the middle of an installation of a few thousand
// files, at each of its steps over staging, journal, swap and commit, or by
// SIGTERM; then started again as Cartaline would.
#include "enginetestsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace enginetest;
namespace fs = std::filesystem;

namespace {

constexpr int kOldFiles = 1000;
constexpr int kNewFiles = 1000;
constexpr int kAddedBeside = 20;
// The installation's steps: staged, journal written, journal in place; then
// two per replaced file and one per new file or topmost new folder (the
// layout's Cartaline and maps, and its new poi folder, among them); then
// flushed, commit written, commit in place, backups and staging removed.
constexpr int kSwapSteps = 2 * (kOldFiles + 2) + kAddedBeside + 2;
constexpr int kLastSwapStep = 3 + kSwapSteps;

// The sandbox with Cartaline 2.1.0 and its data, and the package of 2.2.0 on
// the server: the release of layOutOldRelease(), with as many data files
// more replaced, some added beside them and a new folder of maps.
struct Installation : Sandbox {
    Installation() : Sandbox(WRENHOP_EXECUTABLE)
    {
        Entries entries = layOutOldRelease(install, CARTALINE_STANDIN);
        for (int i = 0; i < kOldFiles; ++i)
            testsupport::writeFile(install + "/package/data/" + std::to_string(i) + ".dat", "old " + std::to_string(i));
        oldRelease = snapshot(install);
        for (int i = 0; i < kOldFiles + kAddedBeside; ++i)
            entries.emplace_back("package/data/" + std::to_string(i) + ".dat", "new " + std::to_string(i));
        for (int i = 0; i < kNewFiles; ++i)
            entries.emplace_back("package/maps/" + std::to_string(i % 30) + "/" + std::to_string(i) + ".map", "map");
        newRelease = withEntries(oldRelease, entries);
        manifest = served(server, zipBytes(entries));
    }

    // One start as Cartaline makes it, with the manifest in place.
    std::unique_ptr<Program> start(const char* mode, const QStringList& env = {})
    {
        writeManifest(manifest, path("temp/CaL"));
        return std::make_unique<Program>(*this, std::vector<std::string>{"Cartaline", "2.1.0", mode}, env);
    }

    // The installation is one release, whole (modes included), with nothing
    // of ours beside it.
    void expectWhole(bool allowOld)
    {
        const Snapshot now = snapshot(install);
        EXPECT_TRUE(now == newRelease || (allowOld && now == oldRelease)) << "mixed installation";
        EXPECT_FALSE(fs::exists(install + "/.wrenhop-update"));
    }

    Snapshot oldRelease;
    Snapshot newRelease;
    PackageServer server;
    Manifest manifest;
};

// The step's name and number.
using Kill = std::pair<const char*, int>;

class Killed : public testing::TestWithParam<Kill> {};

// The run ends at once at the step, as a crash would. The next start (here in
// tuning mode, which changes nothing else) makes the installation whole; the
// start after it completes the update.
TEST_P(Killed, NextStartRecoversAndTheUpdateCompletes)
{
    Installation sandbox;
    const QString exitAt = QString("WRENHOP_TEST_EXIT_AT_STEP=%1").arg(GetParam().second);
    ASSERT_EQ(sandbox.start("0", {exitAt})->waitForExit(), 99) << sandbox.logText();
    // The killed run, in mode 0, logged no tuning start.
    ASSERT_TRUE(sandbox.start("1")->waitForLog("Wrenhop UI/UX tuning start")) << sandbox.logText();
    sandbox.expectWhole(true);

    ASSERT_EQ(sandbox.start("0")->waitForExit(), 0);
    sandbox.expectWhole(false);
}

INSTANTIATE_TEST_SUITE_P(
    Program, Killed,
    testing::Values(Kill{"Staged", 1}, Kill{"JournalWritten", 2}, Kill{"JournalInPlace", 3},
                    Kill{"HalfSwapped", kSwapSteps / 2}, Kill{"ExecLinked", kLastSwapStep - 1},
                    Kill{"AllSwapped", kLastSwapStep}, Kill{"CommitWritten", kLastSwapStep + 2},
                    Kill{"Committed", kLastSwapStep + 3}, Kill{"StagingRemoved", kLastSwapStep + 5}),
    [](const testing::TestParamInfo<Kill>& info) { return std::string(info.param.first); });

// A log-off's SIGTERM in the middle of the swap waits for the commit.
TEST(Program, SigtermInTheSwapEndsWithAWholeInstallation)
{
    Installation sandbox;
    auto run = sandbox.start("0", {QString("WRENHOP_TEST_PAUSE_AT_STEP=%1").arg(kSwapSteps / 2)});
    ASSERT_TRUE(run->waitForLog("pause at step"));
    run->process.terminate();
    ASSERT_TRUE(run->process.waitForFinished(60000));
    sandbox.expectWhole(false);
}

// A "package" link that leads elsewhere stops the run at the fail-and-retry
// notice before anything changes: Cartaline runs from where it leads, and
// files written below the link's folder would not be the installation.
TEST(Program, LinkedPackageFolderEndsInStateThirteenTouchingNothing)
{
    Installation sandbox;
    const std::string root = sandbox.path("elsewhere");
    fs::create_directories(root + "/log");
    fs::rename(sandbox.install + "/package", root + "/cartaline-2.1");
    fs::create_directory_symlink(root + "/cartaline-2.1", sandbox.install + "/package");
    sandbox.logFolder = root + "/log";
    const Snapshot before = snapshot(root);
    auto run = sandbox.start("0");
    ASSERT_TRUE(run->waitForLog("exit onStateMachine (state:13)")) << sandbox.logText();
    run->end();
    EXPECT_EQ(snapshot(root), before);
}

} // namespace
