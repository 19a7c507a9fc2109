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

// <scratch>/install/package holds the program and Cartaline 2.1.0 with its
// data; TEMP, APPDATA and the stand-in's record lie in <scratch>.
class Sandbox
{
public:
    Sandbox()
    {
        const std::string standIn = testsupport::readFile(CARTALINE_STANDIN);
        testsupport::writeFile(install + "/package/Wrenhop", testsupport::readFile(WRENHOP_EXECUTABLE));
        testsupport::writeFile(install + "/package/Cartaline.exe", standIn + "\n#2.1.0");
        for (const char* name : {"package/Wrenhop", "package/Cartaline.exe"})
            fs::permissions(install + "/" + name, fs::perms(0755));
        for (int i = 0; i < kOldFiles; ++i)
            testsupport::writeFile(install + "/" + dataName(i), "old " + std::to_string(i));
        fs::create_directories(logFolder);
        fs::create_directories(scratch.file("appdata"));
        oldRelease = snapshot(install);

        Entries entries{{"package/Cartaline.exe", standIn + "\n#2.2.0"}};
        for (int i = 0; i < kOldFiles + kAddedBeside; ++i)
            entries.emplace_back(dataName(i), "new " + std::to_string(i));
        for (int i = 0; i < kNewFiles; ++i)
            entries.emplace_back("package/maps/" + std::to_string(i % 30) + "/" + std::to_string(i) + ".map", "map");
        newRelease = withEntries(oldRelease, entries);
        manifest = served(server, zipBytes(entries));
    }

    // One start as Cartaline makes it, with the manifest in place; ended by
    // its PID at the latest with the object.
    std::unique_ptr<QProcess> start(const char* mode, const QString& extraEnv = {})
    {
        testsupport::writeFile(scratch.file("temp/CaL/packageInfo.xml"), manifestXml(manifest));
        auto process = std::make_unique<QProcess>();
        QStringList env = QProcess::systemEnvironment() << extraEnv;
        for (const auto& [name, value] : {std::pair{"TEMP", scratch.file("temp")}, {"APPDATA", scratch.file("appdata")},
                                          {"CARTALINE_STANDIN_RECORD", scratch.file("restart.record")},
                                          {"QT_QPA_PLATFORM", "offscreen"}, {"QT_QUICK_BACKEND", "software"}})
            env << QString::fromStdString(std::string(name) + "=" + value);
        process->setEnvironment(env);
        process->setWorkingDirectory(QString::fromStdString(install + "/package"));
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        process->start(QString::fromStdString(install + "/package/Wrenhop"), {"Cartaline", "2.1.0", mode});
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    std::string logText() const
    {
        std::string text;
        for (const fs::directory_entry& entry : fs::directory_iterator(logFolder))
            text += testsupport::readFile(entry.path().string());
        return text;
    }

    bool waitForLog(QProcess& process, const std::string& text, std::size_t after = 0)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (logText().find(text, after) == std::string::npos) {
            if (process.state() == QProcess::NotRunning || std::chrono::steady_clock::now() > deadline)
                return false;
            process.waitForFinished(10);
        }
        return true;
    }

    static void end(QProcess& process)
    {
        process.kill();
        process.waitForFinished(10000);
    }

    // The installation is one release, whole, with nothing of ours beside it,
    // and its Cartaline starts.
    void expectWhole(bool allowOld)
    {
        const Snapshot now = snapshot(install);
        EXPECT_TRUE(now == newRelease || (allowOld && now == oldRelease)) << "mixed installation";
        EXPECT_FALSE(fs::exists(install + "/.wrenhop-update"));
        EXPECT_EQ(testsupport::run(install + "/package/Cartaline.exe", {},
                                   {"CARTALINE_STANDIN_RECORD=" + scratch.file("check.record")})
                      .exitCode,
                  0);
    }

    testsupport::ScratchDir scratch;
    std::string install = scratch.file("install");
    std::string logFolder = install + "/log";
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

class Killed : public testing::TestWithParam<Kill>
{
};

// The next start (here in tuning mode, which changes nothing else) makes the
// installation whole; the start after it completes the update.
TEST_P(Killed, NextStartRecoversAndTheUpdateCompletes)
{
    Sandbox sandbox;
    const Kill kill = GetParam();
    {
        auto first = sandbox.start("0", QString("WRENHOP_TEST_EXIT_AT_STEP=%1").arg(kill.exitAtStep));
        if (kill.exitAtStep == 0) {
            ASSERT_TRUE(sandbox.waitForLog(*first, "startUnZip: "));
            std::this_thread::sleep_for(std::chrono::milliseconds(kill.afterUnzipMs));
            Sandbox::end(*first);
        } else {
            ASSERT_TRUE(first->waitForFinished(60000));
            ASSERT_EQ(first->exitCode(), 99) << sandbox.logText();
        }
    }
    const std::size_t logged = sandbox.logText().size();
    {
        auto tuning = sandbox.start("1");
        ASSERT_TRUE(sandbox.waitForLog(*tuning, "Wrenhop UI/UX tuning start", logged)) << sandbox.logText();
        Sandbox::end(*tuning);
    }
    sandbox.expectWhole(true);

    ASSERT_TRUE(sandbox.start("0")->waitForFinished(60000));
    sandbox.expectWhole(false);
    EXPECT_NE(testsupport::readFile(sandbox.scratch.file("restart.record")).find("arg: Wrenhop\nend\n"),
              std::string::npos);
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
    Sandbox sandbox;
    auto run = sandbox.start("0", QString("WRENHOP_TEST_PAUSE_AT_STEP=%1").arg(kSwapSteps / 2));
    ASSERT_TRUE(sandbox.waitForLog(*run, "pause at step"));
    run->terminate();
    ASSERT_TRUE(run->waitForFinished(60000));
    EXPECT_EQ(run->exitStatus(), QProcess::CrashExit);
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
        Sandbox sandbox;
        const std::string elsewhere = sandbox.scratch.file("elsewhere");
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
        ASSERT_TRUE(sandbox.waitForLog(*run, "exit onStateMachine (state:13)")) << sandbox.logText();
        Sandbox::end(*run);
        EXPECT_NE(sandbox.logText().find(linked ? "not run from the folder package"
                                                : "[LOG_ERROR]wrenhop::service::InstallTransaction::recover unreadable journal"),
                  std::string::npos);
        EXPECT_EQ(snapshot(sandbox.install), before);
        EXPECT_EQ(snapshot(release), releaseBefore);
        EXPECT_TRUE(linked || sandbox.server.requests(sandbox.manifest.source) == 0);
    }
}

} // namespace
