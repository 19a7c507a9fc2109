// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program ended in the middle of an installation of a few thousand
// files, by SIGKILL at points spread over staging, journal, swap and commit,
// or by SIGTERM; then started again as Cartaline would.
#include "enginetestsupport.h"
#include "testsupport.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

using namespace enginetest;
namespace fs = std::filesystem;

namespace {

constexpr int kOldFiles = 1000;
constexpr int kNewFiles = 1000;
constexpr int kAddedBeside = 20;
// The installation's steps: staged, journal written, journal in place; then
// two per replaced file and one per new file or topmost new folder; then
// flushed, commit written, commit in place, backups and staging removed.
constexpr int kSwapSteps = 2 * (kOldFiles + 1) + kAddedBeside + 1;
constexpr int kLastSwapStep = 3 + kSwapSteps;

std::string dataName(int i)
{
    return "package/data/" + std::to_string(i) + ".dat";
}

// The sandbox with Cartaline 2.1.0 and its data, and the package of 2.2.0 on
// the server.
class Installation : public Sandbox
{
public:
    Installation() : Sandbox(WRENHOP_EXECUTABLE)
    {
        const std::string standIn = testsupport::readFile(CARTALINE_STANDIN);
        testsupport::writeFile(install + "/package/Cartaline.exe", standIn + "\n#2.1.0");
        fs::permissions(install + "/package/Cartaline.exe", fs::perms(0755));
        for (int i = 0; i < kOldFiles; ++i)
            testsupport::writeFile(install + "/" + dataName(i), "old " + std::to_string(i));
        oldRelease = snapshot(install);

        Entries entries{{"package/Cartaline.exe", standIn + "\n#2.2.0"}};
        for (int i = 0; i < kOldFiles + kAddedBeside; ++i)
            entries.emplace_back(dataName(i), "new " + std::to_string(i));
        for (int i = 0; i < kNewFiles; ++i)
            entries.emplace_back("package/maps/" + std::to_string(i % 30) + "/" + std::to_string(i) + ".map", "map");
        newRelease = withEntries(oldRelease, entries);
        manifest = served(server, zipBytes(entries));
    }

    // One start as Cartaline makes it, with the manifest in place.
    std::unique_ptr<Program> start(const char* mode, const QString& env = {})
    {
        testsupport::writeFile(path("temp/CaL/packageInfo.xml"), manifestXml(manifest));
        return std::make_unique<Program>(*this, std::vector<std::string>{"Cartaline", "2.1.0", mode},
                                         env.isEmpty() ? QStringList() : QStringList{env});
    }

    // The installation is one release, whole, with nothing of ours beside it,
    // and its Cartaline starts.
    void expectWhole(bool allowOld)
    {
        const Snapshot now = snapshot(install);
        EXPECT_TRUE(now == newRelease || (allowOld && now == oldRelease)) << "mixed installation";
        EXPECT_FALSE(fs::exists(install + "/.wrenhop-update"));
        EXPECT_EQ(testsupport::run(install + "/package/Cartaline.exe", {},
                                   {"CARTALINE_STANDIN_RECORD=" + path("check.record")})
                      .exitCode,
                  0);
    }

    Snapshot oldRelease;
    Snapshot newRelease;
    PackageServer server;
    Manifest manifest;
};

struct Kill {
    const char* name;
    int exitAtStep;  // 0: a SIGKILL at a set time instead
    int afterUnzipMs; // from the start of the staging
};

void PrintTo(const Kill& kill, std::ostream* out)
{
    *out << kill.name;
}

class Killed : public testing::TestWithParam<Kill>
{
};

// The next start (here in tuning mode, which changes nothing else) makes the
// installation whole; the start after it completes the update.
TEST_P(Killed, NextStartRecoversAndTheUpdateCompletes)
{
    Installation sandbox;
    const Kill kill = GetParam();
    {
        auto first = sandbox.start("0", QString("WRENHOP_TEST_EXIT_AT_STEP=%1").arg(kill.exitAtStep));
        if (kill.exitAtStep == 0) {
            ASSERT_TRUE(first->waitForLog("startUnZip: "));
            std::this_thread::sleep_for(std::chrono::milliseconds(kill.afterUnzipMs));
            first->end();
        } else {
            ASSERT_EQ(first->waitForExit(), 99) << sandbox.logText();
        }
    }
    const std::size_t logged = sandbox.logText().size();
    {
        ASSERT_TRUE(sandbox.start("1")->waitForLog("Wrenhop UI/UX tuning start", 1, logged)) << sandbox.logText();
    }
    sandbox.expectWhole(true);

    ASSERT_EQ(sandbox.start("0")->waitForExit(), 0);
    sandbox.expectWhole(false);
    EXPECT_NE(testsupport::readFile(sandbox.path("restart.record")).find("arg: Wrenhop\nend\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Program, Killed,
    testing::Values(Kill{"Unzipping", 0, 0}, Kill{"LaterInTheStaging", 0, 40}, Kill{"Staged", 1, 0},
                    Kill{"JournalWritten", 2, 0}, Kill{"JournalInPlace", 3, 0},
                    Kill{"HalfSwapped", kSwapSteps / 2, 0}, Kill{"ExecLinked", kLastSwapStep - 1, 0},
                    Kill{"AllSwapped", kLastSwapStep, 0}, Kill{"CommitWritten", kLastSwapStep + 2, 0},
                    Kill{"Committed", kLastSwapStep + 3, 0}, Kill{"StagingRemoved", kLastSwapStep + 5, 0}),
    [](const testing::TestParamInfo<Kill>& info) { return std::string(info.param.name); });

// A log-off's SIGTERM in the middle of the swap waits for the commit.
TEST(Program, SigtermInTheSwapEndsWithAWholeInstallation)
{
    Installation sandbox;
    auto run = sandbox.start("0", QString("WRENHOP_TEST_PAUSE_AT_STEP=%1").arg(kSwapSteps / 2));
    ASSERT_TRUE(run->waitForLog("pause at step"));
    run->process.terminate();
    ASSERT_TRUE(run->process.waitForFinished(60000));
    EXPECT_EQ(run->process.exitStatus(), QProcess::CrashExit);
    sandbox.expectWhole(false);
    EXPECT_NE(sandbox.logText().find("ending on signal 15"), std::string::npos);
}

// The run stops at the fail-and-retry notice before anything changes: for a
// journal that cannot be read (it stays for whoever looks into it), and for
// a "package" link that leads elsewhere (Cartaline runs from where it leads;
// files written below the link's folder would not be the installation).
TEST(Program, UnreadableJournalOrLinkedPackageFolderEndsInStateThirteenTouchingNothing)
{
    for (const bool linked : {false, true}) {
        Installation sandbox;
        const std::string elsewhere = sandbox.path("elsewhere");
        if (linked) {
            fs::create_directories(elsewhere);
            fs::rename(sandbox.install + "/package", elsewhere + "/cartaline-2.1");
            fs::create_directory_symlink(elsewhere + "/cartaline-2.1", sandbox.install + "/package");
            sandbox.logFolder = elsewhere + "/log";
            fs::create_directories(sandbox.logFolder);
        } else {
            testsupport::writeFile(sandbox.install + "/.wrenhop-update/journal", "wrenhop-journal 1\nplanned\n");
        }
        const std::string release = linked ? elsewhere + "/cartaline-2.1" : sandbox.install + "/package";
        const Snapshot before = snapshot(sandbox.install);
        const Snapshot releaseBefore = snapshot(release);
        auto run = sandbox.start("0");
        ASSERT_TRUE(run->waitForLog("exit onStateMachine (state:13)")) << sandbox.logText();
        run->end();
        EXPECT_NE(sandbox.logText().find(linked ? "not run from the folder package"
                                                : "[LOG_ERROR]wrenhop::service::InstallTransaction::recover unreadable journal"),
                  std::string::npos);
        EXPECT_EQ(snapshot(sandbox.install), before);
        EXPECT_EQ(snapshot(release), releaseBefore);
        EXPECT_TRUE(linked || sandbox.server.requests(sandbox.manifest.source) == 0);
    }
}

} // namespace
