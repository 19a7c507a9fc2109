// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "runlock.h"

#include "writelog.h"

namespace {

const char* const kLockFileName = "Wrenhop.lock";

// False when another run holds the lock.
bool acquireOrGoOn(FileLock& lock)
{
    switch (lock.tryLock()) {
    case FileLock::Result::Acquired:
        return true;
    case FileLock::Result::HeldElsewhere:
        writeLog(LOG_ERROR, "main", "another Wrenhop holds %s", lock.path().c_str());
        return false;
    case FileLock::Result::Failed:
        writeLog(LOG_ERROR, "main", "cannot lock %s (error %lu); the update goes on without this lock",
                 lock.path().c_str(), lock.errorCode());
        return true;
    }
    return true;
}

} // namespace

UpdateRunLocks::UpdateRunLocks(const std::string& tempFolder, const std::string& installation)
    // An empty TEMP must not put the lock into the current directory.
    : mTempLock(tempFolder.empty() ? std::string() : tempFolder + kLockFileName)
    , mInstallationLock(installation + "/log/" + kLockFileName)
{
}

bool UpdateRunLocks::acquire()
{
    return acquireOrGoOn(mTempLock) && acquireOrGoOn(mInstallationLock);
}
