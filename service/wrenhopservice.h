// SPDX-License-Identifier: LicenseRef-Wrenhop
// The update service: manifest, selection, download, installation, restart.
#pragma once

#include "runcontext.h"
#include "wrenhopscript.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace wrenhop::service {

enum WrenhopState : int {
    STATE_IDLE = 1,
    STATE_START_DOWNLOAD = 2,
    STATE_DOWNLOAD_PROGRESS = 3,
    STATE_DOWNLOAD_COMPLETE = 4,
    STATE_START_INSTALL = 5,
    STATE_INSTALL_PROGRESS = 6,
    STATE_INSTALL_COMPLETE = 7,
    STATE_REMOVE_TEMP_FILES = 8,
    STATE_RESTART_APPLICATION = 9,
    STATE_FINISH = 10,
    STATE_NO_UPDATE_FILE = 11,
    STATE_NO_NETWORK = 12,
    STATE_UPDATE_FAIL_RETRY = 13,
};

// The service's listener. Called synchronously on the service's worker
// threads (download: 3, 4, 11, 12, 13; installation: 7, 13).
class IWrenhopService
{
public:
    virtual void onStateChanged(const int& state, double value) = 0;

protected:
    ~IWrenhopService() = default;
};

// The registered run's work folder: <TEMP>/CaL.
const std::string& DOWNLOAD_DIR_PATH();

// Finishes or undoes an installation that a run before this one left cut
// short, logging each step. False when it cannot (an unreadable journal,
// for one): nothing may touch the installation then. Call it once the run
// holds its lock, before anything else touches the installation.
bool recoverInstallation(const std::string& installPath);

class WrenhopService
{
public:
    // The instance main registered (Registration<WrenhopService>).
    static WrenhopService& getInstance();

    // Works in the context's folders; takes a copy.
    explicit WrenhopService(const RunContext& context);
    // Cancels a transfer and waits for the workers.
    ~WrenhopService();
    WrenhopService(const WrenhopService&) = delete;
    WrenhopService& operator=(const WrenhopService&) = delete;

    void setListener(IWrenhopService* listener);
    // Reads the manifest from the download folder, in place of any read before.
    void initialize();

    bool findScriptPackageFromXml();
    bool findScriptFileFromXml();

    // Each starts a worker thread and returns at once.
    void runDownloadThread();
    void runInstallThread();

    // Ends a running transfer within about a second, without a report; its
    // partial file stays for the next run. An installation is not cancelled.
    void cancelTransfers();

    // Waits until no worker thread of the service is left (their final
    // report has returned, the threads have ended): an installation as long
    // as it takes, a download up to the timeout, or without limit. True when
    // none is left. Never call it from inside a listener call: that thread is
    // a worker itself.
    bool waitForWorkers(std::chrono::milliseconds timeout);
    void waitForWorkers();

    // Each answers whether it did its whole work: the download folder is
    // gone; Cartaline was started.
    bool removeTempFiles();
    bool removeDownloadFiles();
    bool restartCartaline();

    std::string getDownloadDirPath() const;
    std::string getDownloadUrl() const;
    std::string getReleaseVersion();

    std::string getUpdaterFolderName() const;
    std::string getPackageFolderName() const;
    std::string getMainExecutableName() const;
    std::string getManifestFileName() const;
    std::string getPlatformName() const;

    const std::string& getInstallPath() const { return mInstallPath; }
    const ScriptPackage& getScriptPackage() const { return mScriptPackage; }
    const ScriptFile& getScriptFile() const { return mScriptFile; }

private:
    // One thread of a kind at a time: a new start joins the one before,
    // which has made its last report by then.
    class Worker
    {
    public:
        ~Worker() { join(); }
        void start(std::function<void()> work);
        // True once the work is done and the thread joined; false after the
        // timeout.
        bool waitFor(std::chrono::milliseconds timeout);
        void join();

    private:
        std::thread mThread;
        std::mutex mMutex;
        std::condition_variable mDoneChanged;
        bool mDone = true;
    };

    void download();
    void install();
    bool installPackage(const std::string& downloadFilePath);
    void report(int state, double value);

    const RunContext mContext;
    IWrenhopService* mListener = nullptr;
    const std::string mInstallPath;
    const bool mInstallPathFound;
    double mProgress = 0.0;
    std::unique_ptr<WrenhopScript> mScript;
    bool mManifestRead = false;
    ReleaseInfo mReleaseInfo;
    ScriptPackage mScriptPackage;
    ScriptFile mScriptFile;

    std::atomic<bool> mCancel{false};
    // Declared last: they go first, while what they use still exists.
    Worker mDownloadWorker;
    Worker mInstallWorker;
};

} // namespace wrenhop::service
