// SPDX-License-Identifier: LicenseRef-Wrenhop
// Whole update runs from state 2 against a real server on 127.0.0.1, with
// real archives, a real installation folder and the stand-in Cartaline.
#include "enginetestsupport.h"
#include "httpclient.h"
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
#include <filesystem>

using namespace enginetest;
using namespace std::chrono_literals;

namespace {

std::string caseName(const testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

using Trace = std::vector<std::string>;
using Entries = std::vector<std::pair<std::string, std::string>>;

const QString kDownloading = QStringLiteral("qrc:/qml/Proc_Downloading.qml");
const QString kInstalling = QStringLiteral("qrc:/qml/Proc_Installing.qml");
const QString kNoNetwork = QStringLiteral("qrc:/qml/Noti_NoNetworkConnection.qml");
const QString kNoUpdateFile = QStringLiteral("qrc:/qml/Noti_NoUpdateFile.qml");
const QString kFailRetry = QStringLiteral("qrc:/qml/Noti_UpdateFailRetry.qml");
const Trace kSuccessTrace = {"run 2", "run 3", "exit 3", "run 4", "run 5", "run 6", "exit 6",
                             "run 7", "run 8", "run 9", "run 10", "exit 10"};

// The download's progress reports after the first ("run 3", "exit 3")
// depend on the transfer's pace; everything else is fixed.
Trace withoutProgressReports(const Trace& trace)
{
    Trace result;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const bool progress = trace[i] == "run 3" && i + 1 < trace.size() && trace[i + 1] == "exit 3";
        if (progress && std::find(result.begin(), result.end(), "run 3") != result.end())
            ++i;
        else
            result.push_back(trace[i]);
    }
    return result;
}

class WholeRun : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!insideOwnInstallation())
            return;
        mStandIn = testsupport::readFile(CARTALINE_STANDIN);
        ASSERT_FALSE(mStandIn.empty());
        testsupport::writeFile(mInstall + "/package/Cartaline.exe", mStandIn + "\n#2.1.0");
        std::filesystem::permissions(mInstall + "/package/Cartaline.exe", std::filesystem::perms(0755));
        testsupport::writeFile(mInstall + "/package/data/maps.dat", "old maps");
        testsupport::writeFile(mInstall + "/package/readme.txt", "kept as it is");
        mBefore = snapshot(mInstall);
        // The new release: Cartaline itself (the stand-in, so that the restart
        // can be seen), a replaced file and a file in a new folder.
        mEntries = {{"package/Cartaline.exe", mStandIn + "\n#2.2.0"},
                    {"package/data/maps.dat", "new maps"},
                    {"package/data/extra/poi.bin", std::string("\0\x01\x02poi\xff", 7)}};
        mArchive = zipBytes(mEntries);
        mManifest.host = mServer.host();
        mManifest.hash = sha1Hex(mArchive);
        mManifest.size = std::to_string(mArchive.size());
    }

    // As the start-up sequence does: downloading scene, then state 2.
    void startRun()
    {
        const auto record = [this] {
            mOffGuiThread += QThread::currentThread() == QCoreApplication::instance()->thread() ? 0 : 1;
        };
        // Direct connections: these run on the thread that emits.
        QObject::connect(mScenes, &SceneController::downloadProgressBarChanged, mScenes, [this, record] {
            mDownloadBar.push_back(mScenes->getDownloadProgressBar());
            record();
        }, Qt::DirectConnection);
        QObject::connect(mScenes, &SceneController::installProgressBarChanged, mScenes, [this, record] {
            mInstallBar.push_back(mScenes->getInstallProgressBar());
            record();
        }, Qt::DirectConnection);
        QObject::connect(mScenes, &SceneController::sceneQmlUrlChanged, mScenes, [this, record] {
            mShown.push_back(mScenes->getSceneQmlUrl());
            record();
        }, Qt::DirectConnection);
        ownRun().setCurrentVersionCartaline("2.1.0");
        mScenes->setRetryHook([] { ownRun().onStateMachine(2, 0.0); });
        mScenes->setSceneQmlUrl(kDownloading);
        ownRun().onStateMachine(2, 0.0);
    }

    bool waitForScene(const QString& scene)
    {
        return waitUntil([&] { return mScenes->getSceneQmlUrl() == scene; })
            && ownRun().waitForWorkers(10s);
    }

    void expectSuccess()
    {
        ASSERT_TRUE(waitUntil([] { return testsupport::readFile(restartRecordPath()).find("end\n") != std::string::npos; }));
        ASSERT_TRUE(ownRun().waitForWorkers(10s));
        // The last queued writes of the installation thread.
        waitUntil([this] { return mScenes->getInstallProgressBar() == 100; }, 5000);
        EXPECT_EQ(mShown.back(), kInstalling);
        EXPECT_EQ(mOffGuiThread, 0) << "a worker thread wrote the scene controller";
        const std::vector<std::string> lines = resultLogLines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(matchesResultLine(lines[0], "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]")) << lines[0];
        const std::string record = testsupport::readFile(restartRecordPath());
        EXPECT_NE(record.find("cwd: "), std::string::npos) << record;
        EXPECT_NE(record.find("args: 1\narg: Wrenhop\nend\n"), std::string::npos) << record;
        EXPECT_EQ(record.find("end\n"), record.rfind("end\n")) << "started more than once:\n" << record;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(wrenhop::service::DOWNLOAD_DIR_PATH())));
    }

    // The installation as before, with the given files replaced or added
    // (their modes are the unpacker's) and no ".bak" left.
    void expectInstalled(const Entries& entries)
    {
        Snapshot after = snapshot(mInstall);
        Snapshot expected = mBefore;
        for (const auto& [path, bytes] : entries) {
            EXPECT_EQ(after[path].first, bytes) << path;
            after.erase(path);
            expected.erase(path);
        }
        after.erase("package/data/extra/");
        EXPECT_TRUE(after == expected) << "files outside the package changed";
        EXPECT_NE(snapshot(mInstall).at("package/Cartaline.exe").second & 0100, 0u) << "not executable";
    }

    void expectOneResultLine(const std::string& expected)
    {
        const std::vector<std::string> lines = resultLogLines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(matchesResultLine(lines[0], expected)) << lines[0];
    }

    std::string mInstall = installRoot();
    std::string mStandIn;
    Snapshot mBefore;
    Entries mEntries;
    std::string mArchive;
    PackageServer mServer;
    Manifest mManifest;
    SceneController* mScenes = SceneController::getInstance();
    std::vector<QString> mShown;
    std::vector<int> mDownloadBar;
    std::vector<int> mInstallBar;
    int mOffGuiThread = 0;
};

TEST_F(WholeRun, ArchivePackageReplacesFilesAndRestartsCartaline)
{
    RUN_IN_OWN_INSTALLATION();
    mServer.put("/files/update_win.zip", mArchive);
    writeManifest(mManifest);
    startRun();
    expectSuccess();
    EXPECT_EQ(withoutProgressReports(stateTrace()), kSuccessTrace);
    EXPECT_EQ(mShown, (std::vector<QString>{kDownloading, kInstalling}));
    ASSERT_FALSE(mDownloadBar.empty());
    EXPECT_EQ(mDownloadBar.front(), 0);
    EXPECT_EQ(mDownloadBar.back(), 100);
    EXPECT_TRUE(std::is_sorted(mDownloadBar.begin(), mDownloadBar.end()));
    EXPECT_EQ(mInstallBar, (std::vector<int>{0, 100}));
    expectInstalled(mEntries);
    EXPECT_EQ(mServer.requests("/files/update_win.zip"), 1);
}

TEST_F(WholeRun, PlainFilePackageReplacesTheExecutable)
{
    RUN_IN_OWN_INSTALLATION();
    const std::string file = mEntries[0].second;
    mServer.put("/files/Cartaline.exe", file);
    mManifest.source = "/files/Cartaline.exe";
    mManifest.package.clear();
    mManifest.hash = sha1Hex(file);
    mManifest.size = std::to_string(file.size());
    writeManifest(mManifest);
    startRun();
    expectSuccess();
    EXPECT_EQ(withoutProgressReports(stateTrace()), kSuccessTrace);
    expectInstalled({mEntries[0]});
}

// The download's own tests go through every way a transfer fails; here the
// state machine's part: the notice, one E:1 line, nothing touched.
TEST_F(WholeRun, CutTransferEndsInNoNetworkWithOneE1LineAndTouchesNothing)
{
    RUN_IN_OWN_INSTALLATION();
    mServer.put("/files/update_win.zip", mArchive);
    mManifest.source = "/drop/files/update_win.zip";
    writeManifest(mManifest);
    startRun();
    ASSERT_TRUE(waitForScene(kNoNetwork));
    EXPECT_EQ(withoutProgressReports(stateTrace()), (Trace{"run 2", "run 3", "exit 3", "run 12", "exit 12"}));
    EXPECT_EQ(mShown, (std::vector<QString>{kDownloading, kNoNetwork}));
    expectOneResultLine("[E:1,T:#,PS:99,ED:1000]");
    EXPECT_EQ(snapshot(mInstall), mBefore);
    EXPECT_EQ(testsupport::readFile(restartRecordPath()), "");
}

// A package that arrives wrong: state 13, no result line, nothing touched;
// the retry, once the server has the right file, succeeds.
class WrongPackage : public WholeRun, public testing::WithParamInterface<const char*> {};

TEST_P(WrongPackage, FailsWithoutResultLineAndTheRetrySucceeds)
{
    RUN_IN_OWN_INSTALLATION();
    const std::string what = GetParam();
    std::string served = mArchive;
    if (what == "sha1") {
        served.back() ^= 1;
    } else {
        // Unchecked by the download: only the archive test can refuse it.
        mManifest.hash.clear();
        mManifest.size.clear();
        served = zipBytes(mEntries, 2);
    }
    mServer.put("/files/update_win.zip", served);
    writeManifest(mManifest);
    startRun();
    ASSERT_TRUE(waitForScene(kFailRetry));
    EXPECT_EQ(withoutProgressReports(stateTrace()).back(), "exit 13");
    EXPECT_TRUE(resultLogLines().empty());
    EXPECT_EQ(snapshot(mInstall), mBefore);

    mServer.put("/files/update_win.zip", mArchive);
    mShown.clear();
    mScenes->sendRetryUpdate();
    expectSuccess();
    EXPECT_EQ(mShown.front(), kDownloading);
    expectInstalled(mEntries);
    EXPECT_EQ(mServer.requests("/files/update_win.zip"), 2);
}

INSTANTIATE_TEST_SUITE_P(Packages, WrongPackage, testing::Values("sha1", "crc"), caseName);

struct NoUpdateFileCase {
    const char* name;
    Trace trace;
    const char* line; // "{url}" stands for the package's address
};

void PrintTo(const NoUpdateFileCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoUpdateFile : public WholeRun, public testing::WithParamInterface<NoUpdateFileCase> {};

TEST_P(NoUpdateFile, EndsInStateElevenWithTheE2Line)
{
    RUN_IN_OWN_INSTALLATION();
    const std::string name = GetParam().name;
    mServer.put("/files/update_win.zip", mArchive);
    if (name == "HashOfNoKnownForm")
        mManifest.hash = "sha1:" + mManifest.hash;
    else
        (name == "NoWindowsPackage" ? mManifest.packagePlatform : mManifest.filePlatform) = "Windows";
    if (name != "NoManifest")
        writeManifest(mManifest);
    startRun();
    ASSERT_TRUE(waitForScene(kNoUpdateFile));
    EXPECT_EQ(withoutProgressReports(stateTrace()), GetParam().trace);
    EXPECT_EQ(mShown, (std::vector<QString>{kDownloading, kNoUpdateFile}));
    std::string line = GetParam().line;
    if (const auto at = line.find("{url}"); at != std::string::npos)
        line.replace(at, 5, mServer.host() + mManifest.source);
    expectOneResultLine(line);
    EXPECT_EQ(snapshot(mInstall), mBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Manifests, NoUpdateFile,
    testing::Values(NoUpdateFileCase{"NoManifest", {"run 2", "run 11", "exit 11"}, "[E:2,T:#,LOV:2.1.0,LNV:,ED:404,FP:]"},
                    NoUpdateFileCase{"NoWindowsPackage", {"run 2", "run 11", "exit 11"},
                                     "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:]"},
                    NoUpdateFileCase{"HashOfNoKnownForm", {"run 2", "run 11", "exit 11"},
                                     "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:{url}]"},
                    NoUpdateFileCase{"NoWindowsFile", {"run 2", "run 3", "exit 3", "run 4", "run 5", "run 11", "exit 11"},
                                     "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:{url}]"}),
    [](const testing::TestParamInfo<NoUpdateFileCase>& info) { return std::string(info.param.name); });

} // namespace
