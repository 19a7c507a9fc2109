// SPDX-License-Identifier: LicenseRef-Wrenhop
// The installation of the package into the installation folder, with its rollback.
#include "wrenhopservice.h"

#include "fileutils.h"
#include "wrenhopservice_p.h"
#include "writelog.h"
#include "ziputils.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace wrenhop::service {

namespace {

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

} // namespace wrenhop::service
