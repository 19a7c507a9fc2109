// SPDX-License-Identifier: LicenseRef-Wrenhop
// Drives one update run: the state machine and the result log.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>

class SceneController;

// Cartaline's data folder + "/error_log1.log", built on first use.
const std::string& ERROR_LOG_FILE_PATH();

class WrenhopManager
{
public:
    // Built on first use (thread-safe), destroyed at process exit. The first
    // call constructs the update service, which reads the manifest, and the
    // scene controller; make it on the GUI thread.
    static WrenhopManager& getInstance();

    WrenhopManager(const WrenhopManager&) = delete;
    WrenhopManager& operator=(const WrenhopManager&) = delete;
    ~WrenhopManager();

    void setCurrentVersionCartaline(const std::string& version);

    // Runs states one after the other on the calling thread until one waits
    // for the next report or ends the run. Calls from different threads run
    // one after the other, and their scene writes reach the scene controller
    // on the GUI thread in that order.
    void onStateMachine(int state, double value);

    // Appends one line to the result log; never throws.
    void writeErrorLog(std::string code, std::string info);

    // Waits until the service's worker threads have made their last steps;
    // an installation is always waited for, a download up to the timeout.
    // False when a download is still running after it. Not from a worker.
    bool waitForWorkers(std::chrono::milliseconds timeout);

    // For the end of main: cancels a running transfer and waits, without a
    // time limit, until no worker thread is left, so that none outlives the
    // objects it uses. Not from a worker.
    void stopWorkers();

private:
    WrenhopManager();

    class Impl;

    void setDownloadProgress(int percent);
    void setInstallProgress(int percent);
    void showScene(const char* sceneQmlUrl);
    void finish();

    std::unique_ptr<Impl> mImpl;
    SceneController* mSceneController;
    std::string mCurrentVersionCartaline;
    // Held for a whole onStateMachine call. The installation thread is
    // started from within the download thread's last call and may report
    // before that call has run its last state; without this its "install
    // bar 100" could reach the scenes before the download thread's "0".
    // Recursive, because a report may come synchronously from inside a state.
    std::recursive_mutex mRunMutex;
};
