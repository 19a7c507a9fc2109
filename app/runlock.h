// SPDX-License-Identifier: LicenseRef-Wrenhop
// The locks that keep update runs apart.
#pragma once

#include "filelock.h"

#include <string>

// One lock in the temporary folder, beside the work folder (which the
// clean-up deletes), and one in the installation's log folder, so that the
// runs of two users, each with a temporary folder of their own, never update
// one installation at once. The log folder is the one place of the
// installation that the program writes anyway: the installation itself gains
// no file, and a read-only installation still gets its lock.
class UpdateRunLocks
{
public:
    UpdateRunLocks(const std::string& tempFolder, const std::string& installation);

    // False only while another live process holds one of the locks. Any
    // other failure is logged and the run goes on without that lock: a
    // broken lock must not stop every update.
    bool acquire();

private:
    FileLock mTempLock;
    FileLock mInstallationLock;
};
