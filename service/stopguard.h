// SPDX-License-Identifier: LicenseRef-Wrenhop
// Holds off the requests to end the process (SIGTERM, SIGINT, SIGHUP on POSIX;
// a console close, log-off or shut-down on Windows) while the installation
// changes the installation folder, so that a transaction is finished or
// rolled back first. SIGKILL cannot be held off: the journal is for that.
#pragma once

namespace wrenhop::service {

class StopGuard
{
public:
    // Guards nest; the outermost one decides.
    StopGuard();
    // A request that came meanwhile ends the process when the outermost
    // guard goes, as it would have at once.
    ~StopGuard();
    StopGuard(const StopGuard&) = delete;
    StopGuard& operator=(const StopGuard&) = delete;

    // True once a request to end the process came while the guard lived.
    static bool stopRequested();
};

} // namespace wrenhop::service
