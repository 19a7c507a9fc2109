// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "startup.h"

#include "appengine.h"
#include "fileutils.h"
#include "registration.h"
#include "runcontext.h"
#include "runlock.h"
#include "scenecontroller.h"
#include "wrenhopmanager.h"
#include "wrenhopservice.h"
#include "writelog.h"

#include <QCoreApplication>
#include <QString>

namespace {

// The start and the tuning mode's retry refuse alike when another run holds the locks.
void logAnotherRunQuits()
{
    writeLog(LOG_ERROR, "main", "another Wrenhop is updating Cartaline; this one quits without changes");
}

} // namespace

int runStartup(QGuiApplication* app, const RunContext& context, const std::string& version, const std::string& mode)
{
    const bool tuningMode = mode == "1";

    // Taken before anything reads or rewrites a file: the second run must
    // leave the first one's work folder and installation alone.
    UpdateRunLocks runLocks(FileUtils::tempPath(), context.installPath);
    // The tuning mode goes on without them; its retry takes them first.
    const bool locked = runLocks.acquire();
    if (!tuningMode && !locked) {
        logAnotherRunQuits();
        return 0;
    }
    // An installation that a crash cut short is made whole before anything
    // else looks at it; a tuning run without the locks leaves that to the run
    // that holds them.
    const bool recovered = !locked || wrenhop::service::recoverInstallation(context.installPath);

    AppEngine::getInstance()->initialize(app);

    writeLog(LOG_INFO, "main", "Wrenhop main start");
    writeLog(LOG_INFO, "main", "application directory path: %s", qUtf8Printable(QCoreApplication::applicationDirPath()));
    writeLog(LOG_INFO, "main", "working directory path: %s", FileUtils::currentDirectory().c_str());

    SceneController* sceneController = SceneController::getInstance();
    wrenhop::service::WrenhopService service(context);
    const Registration<wrenhop::service::WrenhopService> serviceRegistration(service);
    WrenhopManager manager(service, sceneController);
    const Registration<WrenhopManager> managerRegistration(manager);
    manager.setCurrentVersionCartaline(version);

    // The retry button of the fail-and-retry notice reaches the state machine
    // only through this hook. A tuning run may have started without the
    // locks, yet its retry starts a real update.
    sceneController->setRetryHook([&runLocks, &manager] {
        if (!runLocks.acquire()) {
            logAnotherRunQuits();
            QCoreApplication::quit();
            return;
        }
        manager.onStateMachine(wrenhop::service::STATE_START_DOWNLOAD, 0.0);
    });

    if (!recovered) {
        manager.onStateMachine(wrenhop::service::STATE_UPDATE_FAIL_RETRY, 0.0);
    } else if (tuningMode) {
        writeLog(LOG_INFO, "main", "Wrenhop UI/UX tuning start");
        sceneController->setTuningScene(0);
    } else {
        sceneController->setSceneQmlUrl(QString::fromLatin1(scene::kDownloadingUrl));
        manager.onStateMachine(wrenhop::service::STATE_START_DOWNLOAD, 0.0);
    }

    const int exitCode = AppEngine::getInstance()->exec();
    // No worker outlives the service and the manager it reports to; the
    // scenes go before the application object does.
    sceneController->setRetryHook({});
    manager.stopWorkers();
    AppEngine::getInstance()->shutdown();
    return exitCode;
}
