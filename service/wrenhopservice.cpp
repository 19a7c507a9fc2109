// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "fileutils.h"
#include "httpclient.h"
#include "processutils.h"
#include "streamingfile.h"
#include "wrenhopservice_p.h"
#include "writelog.h"
#include "ziputils.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <thread>

namespace wrenhop::service {

namespace {

const char* const UPDATER_FOLDER_NAME = "package";
const char* const PACKAGE_FOLDER_NAME = "package";
const char* const MAIN_EXECUTABLE_NAME = "Cartaline.exe";
const char* const MANIFEST_FILE_NAME = "packageInfo.xml";
const char* const PLATFORM_NAME = "windows";

const char* const DOWNLOAD_TASK = "wrenhop::service::WrenhopService::runDownloadThread::<lambda>::operator()";
const char* const INSTALL_TASK = "wrenhop::service::WrenhopService::runInstallThread::<lambda>::operator()";

std::string normalPath(const std::string& path)
{
    return std::filesystem::u8path(path).lexically_normal().generic_u8string();
}

bool isDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::u8path(path), error);
}

std::int64_t fileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(std::filesystem::u8path(path), error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

std::string trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The manifest's hash in lower case when it is a SHA-1 in hex, else empty.
std::string expectedSha1(const std::string& hash)
{
    std::string text = trimmed(hash);
    if (text.size() != 40 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return {};
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// What an archive will do to the installation folder, worked out before
// anything there is touched.
struct InstallPlan
{
    std::vector<std::string> files;       // every file target, normal form
    std::vector<std::string> replaced;    // targets that exist now
    std::vector<std::string> newFiles;
    std::vector<std::string> newDirectories; // parents before children
    std::string conflict;                 // a file target that is a folder now
};

InstallPlan planUnpack(const std::string& root, const std::vector<std::string>& entryNames)
{
    InstallPlan plan;
    std::set<std::string> seen;
    for (std::string name : entryNames) {
        std::replace(name.begin(), name.end(), '\\', '/');
        const bool directoryEntry = !name.empty() && name.back() == '/';
        const std::filesystem::path relative = std::filesystem::u8path(name).lexically_normal();

        std::filesystem::path prefix;
        std::vector<std::filesystem::path> parts(relative.begin(), relative.end());
        if (!parts.empty() && parts.back().empty())
            parts.pop_back();
        const std::size_t folderCount = directoryEntry ? parts.size() : (parts.empty() ? 0 : parts.size() - 1);
        for (std::size_t i = 0; i < folderCount; ++i) {
            prefix /= parts[i];
            const std::string folder = normalPath(root + "/" + prefix.generic_u8string());
            if (seen.insert(folder).second && !FileUtils::exists(folder))
                plan.newDirectories.push_back(folder);
        }
        if (directoryEntry)
            continue;
        const std::string target = normalPath(root + "/" + relative.generic_u8string());
        if (!seen.insert(target).second)
            continue;
        plan.files.push_back(target);
        if (!FileUtils::exists(target))
            plan.newFiles.push_back(target);
        else if (isDirectory(target))
            plan.conflict = target;
        else
            plan.replaced.push_back(target);
    }
    return plan;
}

} // namespace

const std::string& DOWNLOAD_DIR_PATH()
{
    static const std::string path = FileUtils::tempPath() + "CaL";
    return path;
}

WrenhopService& WrenhopService::getInstance()
{
    static WrenhopService instance;
    return instance;
}

WrenhopService::WrenhopService()
{
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::WrenhopService", "Constructor");
    bool found = false;
    mInstallPath = installPathFromApplicationDir(QCoreApplication::applicationDirPath().toStdString(), &found);
    if (found)
        writeLog(LOG_INFO, "wrenhop::service::WrenhopService::WrenhopService", "mInstallPath: %s", mInstallPath.c_str());
    else
        writeLog(LOG_ERROR, "wrenhop::service::WrenhopService::WrenhopService", "invalid application directory path: %s",
                 mInstallPath.c_str());
    mScript = std::make_unique<WrenhopScript>();
}

WrenhopService::~WrenhopService()
{
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::~WrenhopService", "Destructor");
}

std::string WrenhopService::installPathFromApplicationDir(const std::string& applicationDir, bool* found)
{
    // Only the last component counts: a parent folder named "packages" must
    // not lose its "/package".
    const std::string suffix = std::string("/") + UPDATER_FOLDER_NAME;
    const bool match = applicationDir.size() >= suffix.size()
        && applicationDir.compare(applicationDir.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (found)
        *found = match;
    return match ? applicationDir.substr(0, applicationDir.size() - suffix.size()) : applicationDir;
}

void WrenhopService::setListener(IWrenhopService* listener)
{
    mListener = listener;
}

void WrenhopService::initialize()
{
    const std::string path = getDownloadDirPath() + "/" + getManifestFileName();
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::initialize", "Load packageInfo.xml to mScript: %s", path.c_str());
    if (!mScript->parseInfoXml(path))
        writeLog(LOG_ERROR, "wrenhop::service::WrenhopService::initialize", "Unable to load script %s", path.c_str());
}

void WrenhopService::reloadManifest()
{
    mScript = std::make_unique<WrenhopScript>();
    mReleaseInfo = ReleaseInfo();
    mScriptPackage = ScriptPackage();
    mScriptFile = ScriptFile();
    initialize();
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

void WrenhopService::workerStarted(bool installing)
{
    const std::lock_guard<std::mutex> lock(mWorkerMutex);
    ++mWorkers;
    if (installing)
        ++mInstalling;
}

void WrenhopService::workerFinished(bool installing)
{
    const std::lock_guard<std::mutex> lock(mWorkerMutex);
    --mWorkers;
    if (installing)
        --mInstalling;
    mWorkerDone.notify_all();
}

bool WrenhopService::waitForWorkers(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(mWorkerMutex);
    // An installation cut off by the end of the process would leave the
    // folder half unpacked and not rolled back, so it is always waited for.
    mWorkerDone.wait(lock, [this] { return mInstalling == 0; });
    return mWorkerDone.wait_for(lock, timeout, [this] { return mWorkers == 0; });
}

void WrenhopService::runDownloadThread()
{
    workerStarted(false);
    try {
        std::thread([this] {
            download();
            workerFinished(false);
        }).detach();
    } catch (...) {
        workerFinished(false);
        throw;
    }
}

void WrenhopService::runInstallThread()
{
    workerStarted(true);
    try {
        std::thread([this] {
            install();
            workerFinished(true);
        }).detach();
    } catch (...) {
        workerFinished(true);
        throw;
    }
}

void WrenhopService::download()
{
    const std::string url = mScriptPackage.host + mScriptPackage.source;
    const std::string fileName = FileUtils::fileName(mScriptPackage.source);
    const std::string filePath = getDownloadDirPath() + "/" + fileName;
    const std::string partialPath = filePath + ".partial";
    const std::int64_t expectedSize = mScriptPackage.size;
    const std::string sha1 = expectedSha1(mScriptPackage.sha1);
    mProgress = 0.0;

    if (sha1.empty() && !mScriptPackage.sha1.empty())
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "hash is not a SHA-1, not checked: %s", mScriptPackage.sha1.c_str());

    // "." and ".." would make the final name the download folder or its parent.
    if (fileName.empty() || fileName == "." || fileName == "..") {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "no file name in source: %s", mScriptPackage.source.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    StreamingFile file(partialPath);
    if (!file.isOpen()) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot create download file: %s", partialPath.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    std::int64_t received = 0;
    bool tooLarge = false;
    bool writeFailed = false;

    HttpClient client;
    client.setUrl(url);
    client.setProgressCallback([this](std::uint64_t total, std::uint64_t now, std::uint64_t, std::uint64_t) {
        if (total == 0)
            return true;
        const double percentage = static_cast<double>(now) / static_cast<double>(total) * 100.0;
        if (percentage - mProgress >= 1.0) {
            mProgress = percentage;
            report(STATE_DOWNLOAD_PROGRESS, percentage);
        }
        return true;
    });
    const HttpResponse response = client.download([&](std::string_view data) {
        const auto length = static_cast<std::int64_t>(data.size());
        // More than announced can never pass the check; stop filling the disk.
        if (expectedSize > 0 && received > expectedSize - length) {
            tooLarge = true;
            return false;
        }
        if (!file.append(data)) {
            writeFailed = true;
            return false;
        }
        received += length;
        return true;
    });
    if (!file.finish())
        writeFailed = true;

    const auto fail = [&](int state, double value) {
        FileUtils::removeFile(partialPath);
        report(state, value);
    };

    if (tooLarge) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "size mismatch: %s expected %lld, received more than that", url.c_str(),
                 static_cast<long long>(expectedSize));
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (writeFailed) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot write download file: %s", partialPath.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (response.error.code != HttpErrorCode::Ok) {
        const long code = response.error.code == HttpErrorCode::HttpStatus ? response.status
                                                                            : static_cast<long>(response.error.code);
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "download error(%ld): %s", code, response.error.message.c_str());
        fail(STATE_NO_NETWORK, mProgress);
        return;
    }
    if (expectedSize > 0 && received != expectedSize) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "size mismatch: %s expected %lld, received %lld", url.c_str(),
                 static_cast<long long>(expectedSize), static_cast<long long>(received));
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    const std::string actualSha1 = file.sha1Hex();
    if (!sha1.empty() && actualSha1 != sha1) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "sha1 mismatch: %s expected %s, received %s", url.c_str(), sha1.c_str(),
                 actualSha1.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    // An earlier attempt's file may still lie there after a failed installation.
    FileUtils::replaceFile(partialPath, filePath);
    if (FileUtils::exists(partialPath) || !FileUtils::exists(filePath)) {
        writeLog(LOG_ERROR, DOWNLOAD_TASK, "cannot move download file: %s -> %s", partialPath.c_str(), filePath.c_str());
        fail(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    writeLog(LOG_INFO, DOWNLOAD_TASK, "download success: %s", filePath.c_str());
    report(STATE_DOWNLOAD_COMPLETE, 100.0);
}

void WrenhopService::install()
{
    const std::string downloadFilePath = getDownloadDirPath() + "/" + FileUtils::fileName(mScriptPackage.source);
    const std::string unzipDirPath = mInstallPath;
    const std::string cartalineFilePath = mInstallPath + "/" + getPackageFolderName() + "/./" + mScriptFile.exec;
    writeLog(LOG_INFO, INSTALL_TASK, "downloadFilePath: %s", downloadFilePath.c_str());
    writeLog(LOG_INFO, INSTALL_TASK, "unzipDirPath: %s", unzipDirPath.c_str());
    writeLog(LOG_INFO, INSTALL_TASK, "cartalineFilePath: %s", cartalineFilePath.c_str());

    const bool haveDownload = FileUtils::exists(downloadFilePath);
    const bool haveInstallDir = FileUtils::exists(unzipDirPath);
    if (!haveDownload || !haveInstallDir) {
        if (!haveDownload)
            writeLog(LOG_ERROR, INSTALL_TASK, "%s is not exist", downloadFilePath.c_str());
        if (!haveInstallDir)
            writeLog(LOG_ERROR, INSTALL_TASK, "%s is not exist", unzipDirPath.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (!isSafeEntryName(mScriptFile.exec)) {
        writeLog(LOG_ERROR, INSTALL_TASK, "unsafe exec: %s", mScriptFile.exec.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    mBackups.clear();
    mCreatedFiles.clear();
    mCreatedDirectories.clear();
    const bool installed = mScriptFile.package.empty() ? installPlainFile(downloadFilePath, cartalineFilePath)
                                                       : installArchive(downloadFilePath, unzipDirPath);
    if (!installed) {
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (!mScriptFile.linkTarget.empty())
        writeLog(LOG_INFO, INSTALL_TASK, "mScriptFile.linkTarget: %s", mScriptFile.linkTarget.c_str());
    report(STATE_INSTALL_COMPLETE, 100.0);
}

bool WrenhopService::installArchive(const std::string& downloadFilePath, const std::string& unzipDirPath)
{
    std::vector<std::string> entryNames;
    if (!ZipUtils::testArchive(downloadFilePath, &entryNames)) {
        writeLog(LOG_ERROR, INSTALL_TASK, "testArchive fail: %s", downloadFilePath.c_str());
        return false;
    }
    const InstallPlan plan = planUnpack(unzipDirPath, entryNames);
    if (!plan.conflict.empty()) {
        writeLog(LOG_ERROR, INSTALL_TASK, "folder in the way of a file: %s", plan.conflict.c_str());
        return false;
    }
    // The archive would write over the backup of one of its own files, and a
    // rollback would then put the wrong bytes back.
    for (const std::string& path : plan.replaced) {
        if (std::find(plan.files.begin(), plan.files.end(), path + ".bak") != plan.files.end()) {
            writeLog(LOG_ERROR, INSTALL_TASK, "archive holds the backup name of %s", path.c_str());
            return false;
        }
    }
    mCreatedFiles = plan.newFiles;
    mCreatedDirectories = plan.newDirectories;

    const std::string cartalineFilePath = mInstallPath + "/" + getPackageFolderName() + "/./" + mScriptFile.exec;
    const std::string execTarget = normalPath(cartalineFilePath);
    const bool archiveHoldsExec = std::find(plan.files.begin(), plan.files.end(), execTarget) != plan.files.end();
    if (archiveHoldsExec)
        backupFile(cartalineFilePath);
    for (const std::string& path : plan.replaced) {
        if (path != execTarget)
            backupFile(path);
    }
    for (const auto& [path, backupPath] : mBackups) {
        if (!FileUtils::exists(backupPath) || FileUtils::exists(path)) {
            writeLog(LOG_ERROR, INSTALL_TASK, "backup fail: %s", path.c_str());
            rollBack();
            return false;
        }
    }

    writeLog(LOG_INFO, INSTALL_TASK, "startUnZip: %s -> %s", downloadFilePath.c_str(), unzipDirPath.c_str());
    if (!ZipUtils::getInstance().startUnZip(downloadFilePath, unzipDirPath, std::string())) {
        writeLog(LOG_ERROR, INSTALL_TASK, "startUnZip fail: %s", downloadFilePath.c_str());
        rollBack();
        return false;
    }
    writeLog(LOG_INFO, INSTALL_TASK, "startUnZip success: %s", downloadFilePath.c_str());

    for (const std::string& path : plan.files) {
        if (!FileUtils::exists(path)) {
            writeLog(LOG_ERROR, INSTALL_TASK, "%s is not exist", path.c_str());
            rollBack();
            return false;
        }
    }
    if (!FileUtils::exists(cartalineFilePath)) {
        writeLog(LOG_ERROR, INSTALL_TASK, "%s is not exist", cartalineFilePath.c_str());
        rollBack();
        return false;
    }
    if (!applyExecPermissions(cartalineFilePath)) {
        rollBack();
        return false;
    }
    return true;
}

bool WrenhopService::installPlainFile(const std::string& downloadFilePath, const std::string& targetPath)
{
    const bool existed = FileUtils::exists(targetPath);
    backupFile(targetPath);
    if (existed) {
        const auto backup = mBackups.find(targetPath);
        if (backup == mBackups.end() || !FileUtils::exists(backup->second) || FileUtils::exists(targetPath)) {
            writeLog(LOG_ERROR, INSTALL_TASK, "backup fail: %s", targetPath.c_str());
            rollBack();
            return false;
        }
    } else {
        mCreatedFiles.push_back(targetPath);
    }

    writeLog(LOG_INFO, INSTALL_TASK, "copyFile: %s -> %s", downloadFilePath.c_str(), targetPath.c_str());
    FileUtils::copyFile(downloadFilePath, targetPath);
    const std::int64_t expected = fileSize(downloadFilePath);
    if (!FileUtils::exists(targetPath) || expected < 0 || fileSize(targetPath) != expected) {
        writeLog(LOG_ERROR, INSTALL_TASK, "copyFile fail: %s -> %s", downloadFilePath.c_str(), targetPath.c_str());
        rollBack();
        return false;
    }
    if (!applyExecPermissions(targetPath)) {
        rollBack();
        return false;
    }
    return true;
}

bool WrenhopService::applyExecPermissions(const std::string& path)
{
    // Never more than the permission bits: no set-uid or sticky bits from a
    // downloaded manifest.
    const int permissions = mScriptFile.permissions & 0777;
    if (mScriptFile.permissions <= 0 || permissions == 0)
        return true;
    if (applyPermissions(path, permissions))
        return true;
    writeLog(LOG_ERROR, INSTALL_TASK, "chmod fail: %s %o", path.c_str(), static_cast<unsigned>(permissions));
    return false;
}

void WrenhopService::rollBack()
{
    restoreBackups();
    for (const std::string& path : mCreatedFiles) {
        if (FileUtils::exists(path))
            FileUtils::removeFile(path);
    }
    for (auto folder = mCreatedDirectories.rbegin(); folder != mCreatedDirectories.rend(); ++folder) {
        if (FileUtils::exists(*folder))
            FileUtils::removeDirectory(*folder);
    }
}

void WrenhopService::backupFile(const std::string& path)
{
    const char* const function = "wrenhop::service::WrenhopService::backupFile";
    writeLog(LOG_INFO, function, "file:  %s", path.c_str());
    if (!FileUtils::exists(path)) {
        writeLog(LOG_ERROR, function, "no existing file to backup");
        return;
    }
    const std::string backupPath = path + ".bak";
    FileUtils::removeFile(backupPath);
    writeLog(LOG_INFO, function, "backup file: %s -> %s", path.c_str(), backupPath.c_str());
    FileUtils::rename(path, backupPath);
    mBackups[path] = backupPath;
}

void WrenhopService::restoreBackups()
{
    const char* const function = "wrenhop::service::WrenhopService::restoreBackups";
    const std::string suffix = ".bak";
    for (const auto& entry : mBackups) {
        const std::string& backupPath = entry.second;
        if (backupPath.size() < suffix.size()
            || backupPath.compare(backupPath.size() - suffix.size(), suffix.size(), suffix) != 0) {
            writeLog(LOG_ERROR, function, "invalid backupFilePath: %s", backupPath.c_str());
            continue;
        }
        // A backup that was never made (its rename failed) leaves the file
        // where it was; there is nothing to put back.
        if (!FileUtils::exists(backupPath))
            continue;
        const std::string restoredPath = backupPath.substr(0, backupPath.size() - suffix.size());
        writeLog(LOG_INFO, function, "restore file: %s -> %s", backupPath.c_str(), restoredPath.c_str());
        // The unpack may have written a new file there already.
        FileUtils::replaceFile(backupPath, restoredPath);
    }
}

bool WrenhopService::removeTempFiles()
{
    const char* const function = "wrenhop::service::WrenhopService::removeTempFiles";
    try {
        removeBackups();
        removeDownloadFiles();
        return true;
    } catch (const FileUtils::IOException& e) {
        writeLog(LOG_ERROR, function, "FileUtils::IOException %s", getIOExceptionMessage(e).c_str());
    } catch (const std::string& e) {
        writeLog(LOG_ERROR, function, "FileUtils::IOException %s", e.c_str());
    } catch (const char* e) {
        writeLog(LOG_ERROR, function, "FileUtils::IOException %s", e);
    }
    return false;
}

void WrenhopService::removeBackups()
{
    for (const auto& entry : mBackups) {
        writeLog(LOG_INFO, "wrenhop::service::WrenhopService::removeBackups", "remove file: %s", entry.second.c_str());
        FileUtils::removeFile(entry.second);
    }
}

void WrenhopService::removeDownloadFiles()
{
    const std::string path = getDownloadDirPath();
    writeLog(LOG_INFO, "wrenhop::service::WrenhopService::removeDownloadFiles", "remove_path %s", path.c_str());
    FileUtils::removeDirectoryAndFiles(path);
}

bool WrenhopService::restartCartaline()
{
    const char* const function = "wrenhop::service::WrenhopService::restartCartaline";
    if (!mScriptFile.isMainBinary) {
        writeLog(LOG_ERROR, function, "not main binary");
        return true;
    }
    try {
        const std::string program = mInstallPath + "/" + getPackageFolderName() + "/./" + getMainExecutableName();
        const std::vector<std::string> args{"Wrenhop"};
        writeLog(LOG_INFO, function, "restart Cartaline: %s", program.c_str());
        if (ProcessUtils::runWindows(program, args, true) != 0) {
            writeLog(LOG_ERROR, function, "restart Cartaline fail: %s", program.c_str());
            return true;
        }
        return false;
    } catch (const std::exception& e) {
        writeLog(LOG_ERROR, function, "restart Cartaline fail: %s", e.what());
        return true;
    }
}

std::string WrenhopService::getDownloadDirPath() const
{
    return DOWNLOAD_DIR_PATH();
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

std::string WrenhopService::getIOExceptionMessage(const FileUtils::IOException& e) const
{
    switch (e.code()) {
    case 2:
        return " was started from a read-only location.  Re-install it to a location that can be updated and run it "
               "from there.";
    case 3:
        return "The disk is full.  Please free up some space and try again.";
    default:
        return {};
    }
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
