// SPDX-License-Identifier: LicenseRef-Wrenhop
// Whole update runs from state 2 against a real server on 127.0.0.1, with
// real archives, a real installation folder and the stand-in Cartaline.
#include "managertestsupport.h"
#include "scenecontroller.h"
#include "testsupport.h"
#include "wrenhopmanager.h"
#include "wrenhopservice.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

using namespace managertest;

namespace {

using Trace = std::vector<std::string>;

const QString kDownloading = QStringLiteral("qrc:/qml/Proc_Downloading.qml");
const QString kInstalling = QStringLiteral("qrc:/qml/Proc_Installing.qml");
const QString kNoNetwork = QStringLiteral("qrc:/qml/Noti_NoNetworkConnection.qml");
const QString kNoUpdateFile = QStringLiteral("qrc:/qml/Noti_NoUpdateFile.qml");
const QString kFailRetry = QStringLiteral("qrc:/qml/Noti_UpdateFailRetry.qml");

// The progress reports of the download ("run 3", "exit 3" after the first
// pair) depend on the transfer's pace; everything else is fixed.
Trace withoutProgressReports(const Trace& trace)
{
    Trace result;
    bool firstProgressSeen = false;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        if (trace[i] == "run 3" && i + 1 < trace.size() && trace[i + 1] == "exit 3") {
            if (!firstProgressSeen) {
                result.push_back(trace[i]);
                result.push_back(trace[i + 1]);
                firstProgressSeen = true;
            }
            ++i;
            continue;
        }
        result.push_back(trace[i]);
    }
    return result;
}

const Trace kSuccessTrace = {"run 2", "run 3", "exit 3", "run 4", "run 5", "run 6", "exit 6",
                             "run 7", "run 8", "run 9", "run 10", "exit 10"};

class WholeRun : public ::testing::Test
{
protected:
    void layOutInstallation()
    {
        mStandIn = testsupport::readFile(CARTALINE_STANDIN);
        ASSERT_FALSE(mStandIn.empty());
        mInstall = installRoot();
        writeExecutable(mInstall + "/package/Cartaline.exe", mStandIn + "\n#2.1.0");
        testsupport::writeFile(mInstall + "/package/data/maps.dat", "old maps");
        testsupport::writeFile(mInstall + "/package/readme.txt", "kept as it is");
        mBefore = snapshot(mInstall);
    }

    void writeExecutable(const std::string& path, const std::string& bytes)
    {
        testsupport::writeFile(path, bytes);
        QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                                | QFile::ReadGroup | QFile::ExeGroup
                                                                | QFile::ReadOther | QFile::ExeOther);
    }

    // The new release: Cartaline itself (the stand-in, so that the restart can
    // be seen), a replaced file and a file in a new folder.
    std::string newArchive() const
    {
        return zipBytes({{"package/Cartaline.exe", newCartaline()},
                         {"package/data/maps.dat", "new maps"},
                         {"package/data/extra/poi.bin", std::string("\0\x01\x02poi\xff", 7)}});
    }

    std::string newCartaline() const
    {
        return mStandIn + "\n#2.2.0";
    }

    Manifest manifestFor(const std::string& bytes, const std::string& host) const
    {
        Manifest manifest;
        manifest.host = host;
        manifest.hash = sha1Hex(bytes);
        manifest.size = std::to_string(bytes.size());
        return manifest;
    }

    // As the start-up sequence does: downloading scene, then state 2.
    void startRun()
    {
        mScenes = SceneController::getInstance();
        // Direct connections: these run on the thread that emits.
        const auto onGuiThread = [] { return QThread::currentThread() == QCoreApplication::instance()->thread(); };
        QObject::connect(mScenes, &SceneController::downloadProgressBarChanged, mScenes, [this, onGuiThread] {
            mDownloadBar.push_back(mScenes->getDownloadProgressBar());
            mOffGuiThread += onGuiThread() ? 0 : 1;
        }, Qt::DirectConnection);
        QObject::connect(mScenes, &SceneController::installProgressBarChanged, mScenes, [this, onGuiThread] {
            mInstallBar.push_back(mScenes->getInstallProgressBar());
            mOffGuiThread += onGuiThread() ? 0 : 1;
        }, Qt::DirectConnection);
        QObject::connect(mScenes, &SceneController::sceneQmlUrlChanged, mScenes, [this, onGuiThread] {
            mOffGuiThread += onGuiThread() ? 0 : 1;
        }, Qt::DirectConnection);
        WrenhopManager& manager = WrenhopManager::getInstance();
        manager.setCurrentVersionCartaline("2.1.0");
        QObject::connect(mScenes, &SceneController::sceneQmlUrlChanged, mScenes,
                         [this] { mShown.push_back(mScenes->getSceneQmlUrl()); });
        mScenes->setRetryHook([] { WrenhopManager::getInstance().onStateMachine(2, 0.0); });
        mScenes->setSceneQmlUrl(kDownloading);
        manager.onStateMachine(2, 0.0);
    }

    bool waitForScene(const QString& scene)
    {
        const bool shown = waitUntil([&] { return mScenes->getSceneQmlUrl() == scene; });
        return shown && WrenhopManager::getInstance().waitForWorkers(std::chrono::seconds(10));
    }

    bool waitForRestart()
    {
        const bool restarted = waitUntil(
            [] { return testsupport::readFile(restartRecordPath()).find("end\n") != std::string::npos; });
        const bool workersDone = WrenhopManager::getInstance().waitForWorkers(std::chrono::seconds(10));
        // The last queued writes of the installation thread.
        waitUntil([this] { return mScenes->getInstallProgressBar() == 100; }, 5000);
        return restarted && workersDone;
    }

    void expectRestartedWithWrenhop()
    {
        const std::string record = testsupport::readFile(restartRecordPath());
        EXPECT_NE(record.find("cwd: "), std::string::npos) << record;
        EXPECT_NE(record.find("args: 1\narg: Wrenhop\nend\n"), std::string::npos) << record;
        EXPECT_EQ(record.find("end\n"), record.rfind("end\n")) << "started more than once:\n" << record;
    }

    void expectSuccessLine()
    {
        const std::vector<std::string> lines = resultLogLines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(matchesResultLine(lines[0], "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]")) << lines[0];
    }

    void expectCleanedUp()
    {
        for (const auto& [path, content] : snapshot(mInstall))
            EXPECT_EQ(path.find(".bak"), std::string::npos) << path;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(wrenhop::service::DOWNLOAD_DIR_PATH())));
    }

    void expectInstallationUnchanged()
    {
        EXPECT_TRUE(snapshot(mInstall) == mBefore) << "the installation folder changed";
    }

    std::string mStandIn;
    std::string mInstall;
    Snapshot mBefore;
    SceneController* mScenes = nullptr;
    std::vector<QString> mShown;
    std::vector<int> mDownloadBar;
    std::vector<int> mInstallBar;
    int mOffGuiThread = 0;
};

TEST_F(WholeRun, ArchivePackageReplacesFilesAndRestartsCartaline)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    PackageServer server;
    const std::string archive = newArchive();
    server.put("/files/update_win.zip", archive);
    writeManifest(manifestFor(archive, server.host()));

    startRun();
    ASSERT_TRUE(waitForRestart());

    EXPECT_EQ(withoutProgressReports(stateTrace()), kSuccessTrace);
    EXPECT_EQ(mShown, (std::vector<QString>{kDownloading, kInstalling}));
    EXPECT_EQ(mOffGuiThread, 0) << "a worker thread wrote the scene controller";
    ASSERT_FALSE(mDownloadBar.empty());
    EXPECT_EQ(mDownloadBar.front(), 0);
    EXPECT_EQ(mDownloadBar.back(), 100);
    EXPECT_TRUE(std::is_sorted(mDownloadBar.begin(), mDownloadBar.end()));
    EXPECT_EQ(mInstallBar, (std::vector<int>{0, 100}));
    expectSuccessLine();
    expectRestartedWithWrenhop();
    expectCleanedUp();

    const Snapshot after = snapshot(mInstall);
    Snapshot expected = mBefore;
    expected.erase("package/Cartaline.exe");
    expected.erase("package/data/maps.dat");
    Snapshot comparable;
    for (const auto& [path, content] : after)
        if (path != "package/Cartaline.exe" && path != "package/data/maps.dat" && path.rfind("package/data/extra", 0) != 0)
            comparable[path] = content;
    EXPECT_TRUE(comparable == expected) << "files outside the archive changed";
    EXPECT_EQ(after.at("package/Cartaline.exe").first, newCartaline());
    EXPECT_EQ(after.at("package/data/maps.dat").first, "new maps");
    EXPECT_EQ(after.at("package/data/extra/poi.bin").first, std::string("\0\x01\x02poi\xff", 7));
    EXPECT_EQ(server.requests("/files/update_win.zip"), 1);
}

TEST_F(WholeRun, PlainFilePackageReplacesTheExecutable)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    PackageServer server;
    const std::string file = newCartaline();
    server.put("/files/Cartaline.exe", file);
    Manifest manifest = manifestFor(file, server.host());
    manifest.source = "/files/Cartaline.exe";
    manifest.package.clear();
    writeManifest(manifest);

    startRun();
    ASSERT_TRUE(waitForRestart());

    EXPECT_EQ(withoutProgressReports(stateTrace()), kSuccessTrace);
    expectSuccessLine();
    expectRestartedWithWrenhop();
    expectCleanedUp();
    Snapshot expected = mBefore;
    expected["package/Cartaline.exe"].first = file;
    const Snapshot after = snapshot(mInstall);
    EXPECT_EQ(after.at("package/Cartaline.exe").first, file);
    EXPECT_TRUE((after.at("package/Cartaline.exe").second & 0100) != 0) << "not executable";
    Snapshot others = after;
    others.erase("package/Cartaline.exe");
    expected.erase("package/Cartaline.exe");
    EXPECT_TRUE(others == expected) << "files beside the executable changed";
}

// A transfer that fails leaves the no-network notice and one E:1 line.
struct TransferFailure {
    const char* name;
    enum Kind { Refused, NotFound, ServerError } kind;
};

void PrintTo(const TransferFailure& failure, std::ostream* os)
{
    *os << failure.name;
}

class FailedTransfer : public WholeRun, public ::testing::WithParamInterface<TransferFailure>
{
};

TEST_P(FailedTransfer, EndsInNoNetworkWithOneE1LineAndTouchesNothing)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    PackageServer server;
    const std::string archive = newArchive();
    std::string host = server.host();
    switch (GetParam().kind) {
    case TransferFailure::Refused: host = "http://127.0.0.1:" + std::to_string(closedPort()); break;
    case TransferFailure::NotFound: break;
    case TransferFailure::ServerError: server.put("/files/update_win.zip", "<html>down</html>", 500); break;
    }
    writeManifest(manifestFor(archive, host));

    startRun();
    ASSERT_TRUE(waitForScene(kNoNetwork));

    EXPECT_EQ(withoutProgressReports(stateTrace()), (Trace{"run 2", "run 3", "exit 3", "run 12", "exit 12"}));
    EXPECT_EQ(mShown, (std::vector<QString>{kDownloading, kNoNetwork}));
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(matchesResultLine(lines[0], "[E:1,T:#,PS:99,ED:1000]")) << lines[0];
    expectInstallationUnchanged();
    EXPECT_TRUE(testsupport::readFile(restartRecordPath()).empty());
}

INSTANTIATE_TEST_SUITE_P(Servers, FailedTransfer,
                         ::testing::Values(TransferFailure{"ConnectionRefused", TransferFailure::Refused},
                                           TransferFailure{"NotFound", TransferFailure::NotFound},
                                           TransferFailure{"ServerError", TransferFailure::ServerError}),
                         [](const ::testing::TestParamInfo<TransferFailure>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WholeRun, WrongSizeFailsWithoutResultLineAndRetrySucceeds)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    PackageServer server;
    const std::string archive = newArchive();
    server.put("/files/update_win.zip", archive.substr(0, archive.size() - 10));
    writeManifest(manifestFor(archive, server.host()));

    startRun();
    ASSERT_TRUE(waitForScene(kFailRetry));
    EXPECT_TRUE(resultLogLines().empty());
    expectInstallationUnchanged();
    const Trace failedTrace = withoutProgressReports(stateTrace());
    ASSERT_FALSE(failedTrace.empty());
    EXPECT_EQ(failedTrace.back(), "exit 13");

    server.put("/files/update_win.zip", archive);
    mShown.clear();
    mScenes->sendRetryUpdate();
    ASSERT_TRUE(waitForRestart());

    EXPECT_EQ(mShown.front(), kDownloading);
    EXPECT_EQ(mShown.back(), kInstalling);
    expectSuccessLine();
    expectRestartedWithWrenhop();
    expectCleanedUp();
    EXPECT_EQ(snapshot(mInstall).at("package/Cartaline.exe").first, newCartaline());
    EXPECT_EQ(server.requests("/files/update_win.zip"), 2);
}

TEST_F(WholeRun, NoManifestEndsInNoUpdateFile)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    startRun();
    ASSERT_TRUE(waitForScene(kNoUpdateFile));
    EXPECT_EQ(stateTrace(), (Trace{"run 2", "run 11", "exit 11"}));
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(matchesResultLine(lines[0], "[E:2,T:#,LOV:2.1.0,LNV:,ED:404,FP:]")) << lines[0];
    expectInstallationUnchanged();
}

TEST_F(WholeRun, NoWindowsPackageEndsInNoUpdateFile)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    PackageServer server;
    const std::string archive = newArchive();
    server.put("/files/update_win.zip", archive);
    Manifest manifest = manifestFor(archive, server.host());
    manifest.packagePlatform = "Windows";
    writeManifest(manifest);

    startRun();
    ASSERT_TRUE(waitForScene(kNoUpdateFile));
    EXPECT_EQ(stateTrace(), (Trace{"run 2", "run 11", "exit 11"}));
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(matchesResultLine(lines[0], "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:]")) << lines[0];
    EXPECT_EQ(server.requests("/files/update_win.zip"), 0);
    expectInstallationUnchanged();
}

TEST_F(WholeRun, NoWindowsFileEndsInNoUpdateFileAfterTheDownload)
{
    RUN_IN_OWN_INSTALLATION();
    layOutInstallation();
    PackageServer server;
    const std::string archive = newArchive();
    server.put("/files/update_win.zip", archive);
    Manifest manifest = manifestFor(archive, server.host());
    manifest.filePlatform = "mac";
    writeManifest(manifest);

    startRun();
    ASSERT_TRUE(waitForScene(kNoUpdateFile));
    EXPECT_EQ(withoutProgressReports(stateTrace()),
              (Trace{"run 2", "run 3", "exit 3", "run 4", "run 5", "run 11", "exit 11"}));
    EXPECT_EQ(mShown, (std::vector<QString>{kDownloading, kNoUpdateFile}));
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(matchesResultLine(
        lines[0], "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:" + server.host() + "/files/update_win.zip]"))
        << lines[0];
    expectInstallationUnchanged();
}

} // namespace
