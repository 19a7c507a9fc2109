// SPDX-License-Identifier: LicenseRef-Wrenhop
// The result log; then whole update runs from state 2 against a real server
// on 127.0.0.1, with real archives, a real installation folder and the
// stand-in Cartaline: per outcome, what the manager adds to the service's
// report (the states, the scenes, the result line, the retry). The service's
// tests go through every way a transfer or an installation fails.
#include "enginetestsupport.h"
#include "scenecontroller.h"
#include "wrenhopmanager.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace enginetest;
using namespace std::chrono_literals;

namespace {

// Each line is appended and framed; only exactly "D:1" is marked a success,
// and no field can forge a line or a field.
TEST(ResultLog, AppendsFramedLinesThatNoFieldCanForge)
{
    OwnRun run;
    for (const auto& [code, info] : std::vector<std::pair<std::string, std::string>>{
             {"E:1", "PS:99,ED:1000"}, {"D:1", "LOV:2.1.0,LNV:2.2.0"}, {"D:1 ", "LNV:"},
             {"d:1", "LOV:,LNV:"}, {"E:2", "LOV:2,1],LNV:[x]\n\x7f\t,FP:"}})
        run.manager().writeErrorLog(code, info);
    run.manager().setCurrentVersionCartaline("2.1.0 beta,ED:1\r\n[D:1,T:00:00:00][WH-SUCCESS]\x01");
    run.manager().onStateMachine(11, 0.0);
    EXPECT_EQ(testsupport::readFile(ERROR_LOG_FILE_PATH()).back(), '\n');
    EXPECT_EQ(resultLines(), (std::vector<std::string>{
                                 "[E:1,T:#,PS:99,ED:1000]", "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]",
                                 "[D:1 ,T:#,LNV:]", "[d:1,T:#,LOV:,LNV:]", "[E:2,T:#,LOV:2,1_,LNV:_x_,FP:]",
                                 "[E:2,T:#,LOV:2.1.0 beta_ED:1_D:1_T:00:00:00__WH-SUCCESS_,LNV:,ED:404,FP:]"}));
}

QString sceneUrl(const char* scene) { return QStringLiteral("qrc:/qml/%1.qml").arg(QLatin1String(scene)); }

struct RunCase {
    const char* name;
    const char* scene; // where the run stops; the fail-and-retry notice is retried
    const char* trace; // as stateTrace() gives it
    const char* line; // the result line, "#" the time, "{url}" the package's address; "" none
};

class WholeRun : public testing::TestWithParam<RunCase>
{
protected:
    // As the start-up sequence does: downloading scene, then state 2.
    void startRun()
    {
        // Direct connections: these run on the thread that emits.
        for (const auto signal : {&SceneController::downloadProgressBarChanged,
                                  &SceneController::installProgressBarChanged, &SceneController::sceneQmlUrlChanged})
            QObject::connect(mScenes, signal, mScenes, [this] {
                mOffGuiThread += QThread::currentThread() == QCoreApplication::instance()->thread() ? 0 : 1;
            }, Qt::DirectConnection);
        // The state that last set the download's progress: the transfer's own reports may stop short of 100.
        QObject::connect(mScenes, &SceneController::downloadProgressBarChanged, mScenes, [this] {
            const std::string trace = stateTrace(mLog.text());
            mDownloadBar =
                std::to_string(mScenes->getDownloadProgressBar()) + " in " + trace.substr(trace.rfind(' ') + 1);
        });
        mRun.manager().setCurrentVersionCartaline("2.1.0");
        mScenes->setRetryHook([this] { mRun.manager().onStateMachine(2, 0.0); });
        mScenes->setSceneQmlUrl(sceneUrl("Proc_Downloading"));
        mRun.manager().onStateMachine(2, 0.0);
    }

    // The installation as before with the new release's entries in (their modes are the
    // unpacker's), Cartaline restarted once, the work folder gone.
    void expectSuccess()
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return testsupport::readFile(mRun.restartRecord()).find("end\n") != std::string::npos; }, 30000));
        ASSERT_TRUE(mRun.manager().waitForWorkers(10s));
        // The last queued writes of the installation thread.
        EXPECT_TRUE(QTest::qWaitFor([this] { return mScenes->getInstallProgressBar() == 100; }));
        EXPECT_EQ(mScenes->getSceneQmlUrl(), sceneUrl("Proc_Installing"));
        EXPECT_EQ(mDownloadBar, "100 in 4");
        EXPECT_EQ(resultLines(), std::vector<std::string>{kSuccessLine});
        const std::string record = testsupport::readFile(mRun.restartRecord());
        EXPECT_EQ(record.find("end\n"), record.rfind("end\n")) << "started more than once:\n" << record;
        EXPECT_FALSE(std::filesystem::exists(wrenhop::service::DOWNLOAD_DIR_PATH()));
        EXPECT_EQ(snapshot(mRun.install), withEntries(mBefore, mEntries));
    }

    const LogTail mLog;
    OwnRun mRun;
    const Entries mEntries = layOutOldRelease(mRun.install, CARTALINE_STANDIN);
    const Snapshot mBefore = snapshot(mRun.install);
    PackageServer mServer;
    SceneController* mScenes = SceneController::getInstance();
    int mOffGuiThread = 0;
    std::string mDownloadBar;
};

TEST_P(WholeRun, EndsAtItsSceneWithItsResultLine)
{
    const RunCase& c = GetParam();
    const std::string name = c.name;
    const std::string archive = zipBytes(mEntries);
    Manifest manifest = served(mServer, archive);
    if (name == "CutTransfer") {
        mServer.dropNext(manifest.source, 100);
    } else if (name == "BadCrcUnchecked") {
        // Unchecked by the download: only the archive test can refuse it.
        manifest.hash.clear();
        manifest.size.clear();
        mServer.put(manifest.source, zipBytes(mEntries, 2));
    } else if (name == "NoWindowsFile") {
        manifest.filePlatform = "Windows";
    }
    if (name != "NoManifest")
        writeManifest(manifest);
    startRun();

    if (name == "ArchivePackage") {
        expectSuccess();
    } else {
        ASSERT_TRUE(QTest::qWaitFor([&] { return mScenes->getSceneQmlUrl() == sceneUrl(c.scene); }, 30000)
                    && mRun.manager().waitForWorkers(10s));
        std::string line = c.line;
        if (const auto at = line.find("{url}"); at != std::string::npos)
            line.replace(at, 5, mServer.host() + manifest.source);
        EXPECT_EQ(resultLines(), line.empty() ? std::vector<std::string>{} : std::vector{line});
        EXPECT_EQ(snapshot(mRun.install), mBefore);
        EXPECT_EQ(testsupport::readFile(mRun.restartRecord()), "");
    }
    EXPECT_EQ(stateTrace(mLog.text()), c.trace);
    EXPECT_EQ(mOffGuiThread, 0) << "a worker thread wrote the scene controller";

    if (name == "BadCrcUnchecked") {
        // Once the server has the right file, the retry succeeds.
        mServer.put(manifest.source, archive);
        mScenes->sendRetryUpdate();
        expectSuccess();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, WholeRun,
    testing::Values(RunCase{"ArchivePackage", "Proc_Installing", "2 4 5 6 6. 7 8 9 10 10.", kSuccessLine},
                    RunCase{"CutTransfer", "Noti_NoNetworkConnection", "2 12 12.", "[E:1,T:#,PS:99,ED:1000]"},
                    RunCase{"BadCrcUnchecked", "Noti_UpdateFailRetry", "2 4 5 6 6. 13 13.", ""},
                    RunCase{"NoManifest", "Noti_NoUpdateFile", "2 11 11.", "[E:2,T:#,LOV:2.1.0,LNV:,ED:404,FP:]"},
                    RunCase{"NoWindowsFile", "Noti_NoUpdateFile", "2 4 5 11 11.",
                            "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:{url}]"}),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

} // namespace
