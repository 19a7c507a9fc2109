// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "fileutils.h"
#include "processutils.h"
#include "registration.h"
#include "writelog.h"

#include <algorithm>
#include <thread>

namespace wrenhop::service {

namespace {

const char* const UPDATER_FOLDER_NAME = "package";
const char* const PACKAGE_FOLDER_NAME = "package";
const char* const MAIN_EXECUTABLE_NAME = "Cartaline.exe";
const char* const MANIFEST_FILE_NAME = "packageInfo.xml";
const char* const PLATFORM_NAME = "windows";

} // namespace

const std::string& DOWNLOAD_DIR_PATH()
{
    return runContext().workFolder;
}

WrenhopService& WrenhopService::getInstance()
{
    return Registration<WrenhopService>::instance();
}

WrenhopService::WrenhopService(const RunContext& context)
    : mContext(context)
    , mInstallPath(context.installPath)
    , mInstallPathFound(context.installPathFound)
{
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::WrenhopService", "Constructor");
    if (mInstallPathFound)
        writeLog(LOG_INFO, "wrenhop::service::WrenhopService::WrenhopService", "mInstallPath: %s", mInstallPath.c_str());
    else
        writeLog(LOG_ERROR, "wrenhop::service::WrenhopService::WrenhopService", "invalid application directory path: %s",
                 mInstallPath.c_str());
    mScript = std::make_unique<WrenhopScript>();
}

WrenhopService::~WrenhopService()
{
    cancelTransfers();
    waitForWorkers();
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::~WrenhopService", "Destructor");
}

void WrenhopService::setListener(IWrenhopService* listener)
{
    mListener = listener;
}

void WrenhopService::initialize()
{
    const std::string path = getDownloadDirPath() + "/" + getManifestFileName();
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::initialize", "Load packageInfo.xml to mScript: %s", path.c_str());
    if (mManifestRead) {
        mScript = std::make_unique<WrenhopScript>();
        mReleaseInfo = ReleaseInfo();
        mScriptPackage = ScriptPackage();
        mScriptFile = ScriptFile();
    }
    mManifestRead = true;
    if (!mScript->parseInfoXml(path))
        writeLog(LOG_ERROR, "wrenhop::service::WrenhopService::initialize", "Unable to load script %s", path.c_str());
}

bool WrenhopService::findScriptPackageFromXml()
{
    const char* const function = "wrenhop::service::WrenhopService::findScriptPackageFromXml";
    mScriptPackage = ScriptPackage();
    const std::string platform = getPlatformName();
    const auto& packages = mScript->getPackages();
    const auto match = std::find_if(packages.begin(), packages.end(),
                                    [&](const ScriptPackage& package) { return package.platform == platform; });
    if (match == packages.end()) {
        writeLog(LOG_ERROR, function, "not found platform information from packageInfo.xml");
        return false;
    }
    mScriptPackage = *match;
    writeLog(LOG_INFO, function, "found script package info");
    writeLog(LOG_INFO, function, "  name: %s", mScriptPackage.name.c_str());
    writeLog(LOG_INFO, function, "  sha1: %s", mScriptPackage.sha1.c_str());
    writeLog(LOG_INFO, function, "  host: %s", mScriptPackage.host.c_str());
    writeLog(LOG_INFO, function, "  source: %s", mScriptPackage.source.c_str());
    writeLog(LOG_INFO, function, "  platform: %s", mScriptPackage.platform.c_str());
    writeLog(LOG_INFO, function, "  size: %lld", static_cast<long long>(mScriptPackage.size));
    // Decided before any transfer: a hash that cannot be checked must not
    // let a package in unchecked. The package stays selected, so the result
    // line names its address.
    const std::optional<PackageHash> hash = parsePackageHash(mScriptPackage.sha1);
    if (!hash) {
        writeLog(LOG_ERROR, function, "hash is neither a SHA-1 nor a SHA-256: %s", mScriptPackage.sha1.c_str());
        return false;
    }
    if (hash->hex.empty())
        writeLog(LOG_ERROR, function, "no hash in packageInfo.xml: the package is not checked");
    return true;
}

bool WrenhopService::findScriptFileFromXml()
{
    const char* const function = "wrenhop::service::WrenhopService::findScriptFileFromXml";
    mScriptFile = ScriptFile();
    const std::string platform = getPlatformName();
    const auto& files = mScript->getFiles();
    const auto match =
        std::find_if(files.begin(), files.end(), [&](const ScriptFile& file) { return file.platform == platform; });
    if (match == files.end()) {
        writeLog(LOG_ERROR, function, "not found platform information from packageInfo.xml");
        return false;
    }
    mScriptFile = *match;
    writeLog(LOG_INFO, function, "found script file info");
    writeLog(LOG_INFO, function, "  name: %s", mScriptFile.name.c_str());
    writeLog(LOG_INFO, function, "  package: %s", mScriptFile.package.c_str());
    writeLog(LOG_INFO, function, "  linkTarget: %s", mScriptFile.linkTarget.c_str());
    writeLog(LOG_INFO, function, "  platform: %s", mScriptFile.platform.c_str());
    writeLog(LOG_INFO, function, "  exec: %s", mScriptFile.exec.c_str());
    writeLog(LOG_INFO, function, "  permissions: %d", mScriptFile.permissions);
    writeLog(LOG_INFO, function, "  isMainBinary: %d", mScriptFile.isMainBinary ? 1 : 0);
    return true;
}

void WrenhopService::report(int state, double value)
{
    if (mListener)
        mListener->onStateChanged(state, value);
}

void WrenhopService::Worker::start(std::function<void()> work)
{
    join();
    mDone = false;
    try {
        mThread = std::thread([this, work = std::move(work)] {
            work();
            const std::lock_guard<std::mutex> lock(mMutex);
            mDone = true;
            mDoneChanged.notify_all();
        });
    } catch (...) {
        // No thread: a wait for it must not wait for ever.
        mDone = true;
        throw;
    }
}

bool WrenhopService::Worker::waitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(mMutex);
    if (!mDoneChanged.wait_for(lock, timeout, [this] { return mDone; }))
        return false;
    lock.unlock();
    join();
    return true;
}

void WrenhopService::Worker::join()
{
    if (mThread.joinable())
        mThread.join();
}

bool WrenhopService::waitForWorkers(std::chrono::milliseconds timeout)
{
    // An installation cut off by the end of the process would leave the
    // folder half unpacked and not rolled back, so it is always waited for.
    mInstallWorker.join();
    return mDownloadWorker.waitFor(timeout);
}

void WrenhopService::waitForWorkers()
{
    mInstallWorker.join();
    mDownloadWorker.join();
}

void WrenhopService::cancelTransfers()
{
    mCancel = true;
}

void WrenhopService::runDownloadThread()
{
    mDownloadWorker.join();
    mCancel = false;
    mDownloadWorker.start([this] { download(); });
}

void WrenhopService::runInstallThread()
{
    mInstallWorker.start([this] { install(); });
}

bool WrenhopService::removeTempFiles()
{
    return removeDownloadFiles();
}

bool WrenhopService::removeDownloadFiles()
{
    const std::string path = getDownloadDirPath();
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::removeDownloadFiles", "remove_path %s", path.c_str());
    return FileUtils::removeDirectoryAndFiles(path);
}

bool WrenhopService::restartCartaline()
{
    const char* const function = "wrenhop::service::WrenhopService::restartCartaline";
    if (!mScriptFile.isMainBinary) {
        writeLog(LOG_ERROR, function, "not main binary");
        return false;
    }
    const std::string program = mInstallPath + "/" + getPackageFolderName() + "/./" + getMainExecutableName();
    writeLog(LOG_INFO, function, "restart Cartaline: %s", program.c_str());
    if (ProcessUtils::runWindows(program, {"Wrenhop"}, true) != 0) {
        writeLog(LOG_ERROR, function, "restart Cartaline fail: %s", program.c_str());
        return false;
    }
    return true;
}

std::string WrenhopService::getDownloadDirPath() const
{
    return mContext.workFolder;
}

std::string WrenhopService::getDownloadUrl() const
{
    return mScriptPackage.host + mScriptPackage.source;
}

std::string WrenhopService::getReleaseVersion()
{
    mReleaseInfo = mScript->getReleaseInfo();
    return mReleaseInfo.version;
}

std::string WrenhopService::getUpdaterFolderName() const
{
    return UPDATER_FOLDER_NAME;
}

std::string WrenhopService::getPackageFolderName() const
{
    return PACKAGE_FOLDER_NAME;
}

std::string WrenhopService::getMainExecutableName() const
{
    return MAIN_EXECUTABLE_NAME;
}

std::string WrenhopService::getManifestFileName() const
{
    return MANIFEST_FILE_NAME;
}

std::string WrenhopService::getPlatformName() const
{
    return PLATFORM_NAME;
}

} // namespace wrenhop::service
