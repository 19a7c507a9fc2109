// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "startup.h"

#include "appengine.h"
#include "fileutils.h"
#include "scenecontroller.h"
#include "wrenhopmanager.h"
#include "wrenhopservice.h"
#include "writelog.h"

#include <QCoreApplication>
#include <QString>

namespace {

const char* const kLockFileName = "Wrenhop.lock";

} // namespace

UpdateRunLock::UpdateRunLock(const std::string& tempFolder)
    : mLockFile(QString::fromStdString(tempFolder) + QLatin1String(kLockFileName))
{
    // Only a dead owner makes a lock stale, never its age: an update may run
    // for as long as the download takes.
    mLockFile.setStaleLockTime(0);
}

bool UpdateRunLock::tryAcquire()
{
    return mLockFile.tryLock(0);
}

int runStartup(QGuiApplication* app, const std::string& version, const std::string& mode)
{
    const bool tuningMode = mode == "1";

    // Taken before anything reads or rewrites a file: the second run must
    // leave the first one's work folder and installation alone.
    UpdateRunLock runLock(FileUtils::tempPath());
    const bool locked = runLock.tryAcquire();
    if (!tuningMode && !locked) {
        writeLog(LOG_ERROR, "main", "another Wrenhop is updating Cartaline; this one quits without changes");
        return 0;
    }
    // An installation that a crash cut short is made whole before anything
    // else looks at it; a tuning run without the lock leaves that to the run
    // that holds it.
    const bool recovered = !locked
        || wrenhop::service::recoverInstallation(wrenhop::service::WrenhopService::installPathFromApplicationDir(
            QCoreApplication::applicationDirPath().toStdString(), nullptr));

    AppEngine::getInstance()->initialize(app);

    writeLog(LOG_INFO, "main", "Wrenhop main start");
    writeLog(LOG_INFO, "main", "application directory path: %s", qUtf8Printable(QCoreApplication::applicationDirPath()));
    writeLog(LOG_INFO, "main", "working directory path: %s", FileUtils::currentDirectory().c_str());

    WrenhopManager& manager = WrenhopManager::getInstance();
    manager.setCurrentVersionCartaline(version);

    SceneController* sceneController = SceneController::getInstance();
    // The retry button of the fail-and-retry notice reaches the state machine
    // only through this hook.
    sceneController->setRetryHook([] {
        WrenhopManager::getInstance().onStateMachine(wrenhop::service::STATE_START_DOWNLOAD, 0.0);
    });

    if (!recovered) {
        manager.onStateMachine(wrenhop::service::STATE_UPDATE_FAIL_RETRY, 0.0);
    } else if (tuningMode) {
        writeLog(LOG_INFO, "main", "Wrenhop UI/UX tuning start");
        sceneController->setTuningScene(0);
    } else {
        sceneController->setSceneQmlUrl(QStringLiteral("qrc:/qml/Proc_Downloading.qml"));
        manager.onStateMachine(wrenhop::service::STATE_START_DOWNLOAD, 0.0);
    }

    const int exitCode = AppEngine::getInstance()->exec();
    // The worker threads use the manager and the service, which end with
    // the static destruction after main; the scenes go before the
    // application object does.
    manager.waitForWorkers();
    AppEngine::getInstance()->shutdown();
    return exitCode;
}
