// SPDX-License-Identifier: LicenseRef-Wrenhop
// Drives one update run: the state machine and the result log.
#pragma once

#include <chrono>
#include <memory>
#include <string>

class SceneController;

namespace wrenhop::service {
class WrenhopService;
}

// The registered run's result log: Cartaline's data folder + "/error_log1.log".
const std::string& ERROR_LOG_FILE_PATH();

class WrenhopManager
{
public:
    // The instance main registered (Registration<WrenhopManager>).
    static WrenhopManager& getInstance();

    // On the GUI thread: the service's reports are queued to the thread that
    // builds the manager. Becomes the service's listener and has it read the
    // manifest.
    WrenhopManager(wrenhop::service::WrenhopService& service, SceneController* sceneController);
    WrenhopManager(const WrenhopManager&) = delete;
    WrenhopManager& operator=(const WrenhopManager&) = delete;
    ~WrenhopManager();

    void setCurrentVersionCartaline(const std::string& version);

    // Runs states one after the other until one waits for the next report or
    // ends the run. GUI thread only: the workers' reports arrive as queued
    // calls of it.
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
    class Impl;

    void setDownloadProgress(int percent);
    void setInstallProgress(int percent);
    void showScene(const char* sceneQmlUrl);
    void finish();

    wrenhop::service::WrenhopService& mService;
    std::unique_ptr<Impl> mImpl;
    SceneController* mSceneController;
    std::string mCurrentVersionCartaline;
};
