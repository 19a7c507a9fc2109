// SPDX-License-Identifier: LicenseRef-Wrenhop
// The installation of the package into the installation folder, as one
// transaction (installtransaction.h).
#include "wrenhopservice.h"

#include "fileutils.h"
#include "installtransaction.h"
#include "stopguard.h"
#include "writelog.h"
#include "ziputils.h"

#include <chrono>
#include <filesystem>

namespace wrenhop::service {

namespace {

const char* const INSTALL_TASK = "wrenhop::service::WrenhopService::runInstallThread::<lambda>::operator()";

std::int64_t fileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(std::filesystem::u8path(path), error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

} // namespace

bool recoverInstallation(const std::string& installPath)
{
    return InstallTransaction::recover(installPath);
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
    // Files written below any other folder would not be the installation
    // that Cartaline runs from.
    if (!mInstallPathFound) {
        writeLog(LOG_ERROR, INSTALL_TASK, "not run from the folder %s: %s", getPackageFolderName().c_str(),
                 mInstallPath.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    if (!isSafeEntryName(mScriptFile.exec)) {
        writeLog(LOG_ERROR, INSTALL_TASK, "unsafe exec: %s", mScriptFile.exec.c_str());
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }

    bool installed = false;
    {
        // A request to end the process waits until the installation is
        // whole again, old or new.
        const StopGuard guard;
        const auto start = std::chrono::steady_clock::now();
        installed = installPackage(downloadFilePath);
        const auto took = std::chrono::steady_clock::now() - start;
        writeLog(LOG_INFO, INSTALL_TASK, "installation %s in %lld ms", installed ? "done" : "failed",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    }
    if (!installed) {
        report(STATE_UPDATE_FAIL_RETRY, 0.0);
        return;
    }
    // The package is spent. Unlinking a large one takes a while, which the
    // clean-up state would spend on the GUI thread.
    if (FileUtils::removeFile(downloadFilePath))
        writeLog(LOG_INFO, INSTALL_TASK, "removed the installed package: %s", downloadFilePath.c_str());
    if (!mScriptFile.linkTarget.empty())
        writeLog(LOG_INFO, INSTALL_TASK, "mScriptFile.linkTarget: %s", mScriptFile.linkTarget.c_str());
    report(STATE_INSTALL_COMPLETE, 100.0);
}

bool WrenhopService::installPackage(const std::string& downloadFilePath)
{
    // A journal that an earlier run could not carry out must be dealt with
    // before anything else changes.
    if (!InstallTransaction::recover(mInstallPath))
        return false;
    InstallTransaction transaction(mInstallPath);
    const std::string execTarget = getPackageFolderName() + "/" + mScriptFile.exec;
    std::vector<std::string> names;
    if (!mScriptFile.package.empty()) {
        if (!ZipUtils::testArchive(downloadFilePath, &names)) {
            writeLog(LOG_ERROR, INSTALL_TASK, "testArchive fail: %s", downloadFilePath.c_str());
            return false;
        }
        if (!transaction.prepare())
            return false;
        const std::string& staging = transaction.stagingPath();
        writeLog(LOG_INFO, INSTALL_TASK, "startUnZip: %s -> %s", downloadFilePath.c_str(), staging.c_str());
        if (!ZipUtils::getInstance().startUnZip(downloadFilePath, staging, std::string())) {
            writeLog(LOG_ERROR, INSTALL_TASK, "startUnZip fail: %s", downloadFilePath.c_str());
            transaction.discard();
            return false;
        }
        writeLog(LOG_INFO, INSTALL_TASK, "startUnZip success: %s", downloadFilePath.c_str());
    } else {
        names = {execTarget};
        if (!transaction.prepare())
            return false;
        const std::filesystem::path staged = std::filesystem::u8path(transaction.stagingPath() + "/" + execTarget);
        writeLog(LOG_INFO, INSTALL_TASK, "copyFile: %s -> %s", downloadFilePath.c_str(), staged.u8string().c_str());
        std::error_code error;
        std::filesystem::create_directories(staged.parent_path(), error);
        const bool copied = std::filesystem::copy_file(std::filesystem::u8path(downloadFilePath), staged, error)
            && fileSize(staged.u8string()) == fileSize(downloadFilePath);
        if (!copied) {
            writeLog(LOG_ERROR, INSTALL_TASK, "copyFile fail: %s -> %s", downloadFilePath.c_str(),
                     staged.u8string().c_str());
            transaction.discard();
            return false;
        }
    }
    if (!transaction.plan(names, execTarget, mScriptFile.permissions)) {
        transaction.discard();
        return false;
    }
    return transaction.apply();
}

} // namespace wrenhop::service
