// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopmanager.h"

#include "fileutils.h"
#include "registration.h"
#include "resultlog.h"
#include "runcontext.h"
#include "scenecontroller.h"
#include "scenetables.h"
#include "wrenhopservice.h"
#include "writelog.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <QTime>

#include <utility>

using wrenhop::service::WrenhopService;
namespace ws = wrenhop::service;

namespace {

constexpr const char* kStateMachine = "WrenhopManager::onStateMachine";

int toPercent(double value)
{
    return static_cast<int>(value);
}

} // namespace

const std::string& ERROR_LOG_FILE_PATH()
{
    return runContext().resultLogFile;
}

// The service's listener. A report leaves the worker as a queued call, so
// every state runs on the GUI thread, in the order the reports were made.
class WrenhopManager::Impl final : public wrenhop::service::IWrenhopService
{
public:
    explicit Impl(WrenhopManager* manager)
        : mManager(manager)
    {
    }

    void onStateChanged(const int& state, double value) override
    {
        WrenhopManager* const manager = mManager;
        QMetaObject::invokeMethod(
            &mGuiThread, [manager, state, value] { manager->onStateMachine(state, value); }, Qt::QueuedConnection);
    }

    bool onGuiThread() const { return QThread::currentThread() == mGuiThread.thread(); }

private:
    WrenhopManager* const mManager;
    // Lives on the thread that built the manager; posts to it end with it.
    QObject mGuiThread;
};

WrenhopManager& WrenhopManager::getInstance()
{
    return Registration<WrenhopManager>::instance();
}

WrenhopManager::WrenhopManager(WrenhopService& service, SceneController* sceneController)
    : mService(service)
{
    writeLog(LOG_INFO, "WrenhopManager::WrenhopManager", "Constructor");
    mImpl = std::make_unique<Impl>(this);
    mSceneController = nullptr;
    mCurrentVersionCartaline.clear();
    mService.setListener(mImpl.get());
    mService.initialize();
    mSceneController = sceneController;
}

WrenhopManager::~WrenhopManager()
{
    writeLog(LOG_INFO, "WrenhopManager::~WrenhopManager", "Destructor");
    stopWorkers();
    mService.setListener(nullptr);
    mSceneController = nullptr;
}

void WrenhopManager::setCurrentVersionCartaline(const std::string& version)
{
    if (&version != &mCurrentVersionCartaline)
        mCurrentVersionCartaline = version;
    writeLog(LOG_INFO, "WrenhopManager::setCurrentVersionCartaline", "mCurrentVersionCartaline: %s",
             mCurrentVersionCartaline.c_str());
}

bool WrenhopManager::waitForWorkers(std::chrono::milliseconds timeout)
{
    return mService.waitForWorkers(timeout);
}

void WrenhopManager::stopWorkers()
{
    mService.cancelTransfers();
    mService.waitForWorkers();
}

void WrenhopManager::setDownloadProgress(int percent)
{
    if (!mSceneController) {
        writeLog(LOG_ERROR, kStateMachine, "Get Instance(mSceneController) Error");
        return;
    }
    mSceneController->setDownloadProgressBar(percent);
}

void WrenhopManager::setInstallProgress(int percent)
{
    if (!mSceneController) {
        writeLog(LOG_ERROR, kStateMachine, "Get Instance(mSceneController) Error");
        return;
    }
    mSceneController->setInstallProgressBar(percent);
}

void WrenhopManager::showScene(const char* sceneQmlUrl)
{
    if (mSceneController)
        mSceneController->setSceneQmlUrl(QString::fromLatin1(sceneQmlUrl));
}

void WrenhopManager::finish()
{
    if (mSceneController)
        mSceneController->sendFinishComplete();
}

void WrenhopManager::onStateMachine(int state, double value)
{
    Q_ASSERT_X(mImpl->onGuiThread(), kStateMachine, "a state ran on a worker thread");
    WrenhopService& service = mService;
    while (state != 0) {
        writeLog(LOG_INFO, kStateMachine, "run onStateMachine (state:%d)", state);
        int next = 0;
        switch (state) {
        case ws::STATE_IDLE:
            break;
        case ws::STATE_START_DOWNLOAD: {
            if (!service.findScriptPackageFromXml()) {
                next = ws::STATE_NO_UPDATE_FILE;
                break;
            }
            const std::string downloadDirPath = service.getDownloadDirPath();
            if (FileUtils::createDirectories(downloadDirPath)) {
                service.runDownloadThread();
                next = ws::STATE_DOWNLOAD_PROGRESS;
            } else {
                writeLog(LOG_ERROR, kStateMachine, "mkpath fail: %s", downloadDirPath.c_str());
                next = ws::STATE_UPDATE_FAIL_RETRY;
            }
            break;
        }
        case ws::STATE_DOWNLOAD_PROGRESS:
            setDownloadProgress(toPercent(value));
            break;
        case ws::STATE_DOWNLOAD_COMPLETE:
            setDownloadProgress(toPercent(value));
            next = ws::STATE_START_INSTALL;
            break;
        case ws::STATE_START_INSTALL:
            if (!service.findScriptFileFromXml()) {
                next = ws::STATE_NO_UPDATE_FILE;
                break;
            }
            showScene(scene::kInstallingUrl);
            service.runInstallThread();
            next = ws::STATE_INSTALL_PROGRESS;
            break;
        case ws::STATE_INSTALL_PROGRESS:
            setInstallProgress(toPercent(value));
            break;
        case ws::STATE_INSTALL_COMPLETE:
            setInstallProgress(toPercent(value));
            writeErrorLog("D:1",
                          "LOV:" + resultlog::field(mCurrentVersionCartaline) + ",LNV:"
                              + resultlog::field(service.getReleaseVersion()));
            next = ws::STATE_REMOVE_TEMP_FILES;
            break;
        case ws::STATE_REMOVE_TEMP_FILES:
            service.removeTempFiles();
            next = ws::STATE_RESTART_APPLICATION;
            break;
        case ws::STATE_RESTART_APPLICATION:
            service.restartCartaline();
            next = ws::STATE_FINISH;
            break;
        case ws::STATE_FINISH:
            finish();
            break;
        case ws::STATE_NO_UPDATE_FILE: {
            const std::string url = resultlog::field(service.getDownloadUrl());
            const std::string version = resultlog::field(service.getReleaseVersion());
            writeErrorLog("E:2",
                          "LOV:" + resultlog::field(mCurrentVersionCartaline) + ",LNV:" + version + ",ED:404,FP:" + url);
            showScene(scene::kNoUpdateFileUrl);
            break;
        }
        case ws::STATE_NO_NETWORK:
            writeErrorLog("E:1", "PS:99,ED:1000");
            showScene(scene::kNoNetworkUrl);
            break;
        case ws::STATE_UPDATE_FAIL_RETRY:
            showScene(scene::kFailRetryUrl);
            break;
        default:
            writeLog(LOG_DEBUG, kStateMachine, "unknown state: %d", state);
            break;
        }
        if (next == 0)
            break;
        state = next;
        value = 0.0;
    }
    writeLog(LOG_INFO, kStateMachine, "exit onStateMachine (state:%d)", state);
}

void WrenhopManager::writeErrorLog(std::string code, std::string info)
{
    // The text is the same as strftime's "%H:%M:%S".
    const std::string time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
    const std::string failure = resultlog::append(ERROR_LOG_FILE_PATH(), resultlog::record(code, time, info));
    if (!failure.empty())
        writeLog(LOG_ERROR, "WrenhopManager::writeErrorLog", "writeFile open Exception: %s", failure.c_str());
}
