// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "stopguard.h"

#include "writelog.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

#include <windows.h>

namespace wrenhop::service {

namespace {

std::mutex guardMutex;
std::condition_variable guardDone;
int depth = 0;
std::atomic<bool> requested{false};

// Runs on a thread of its own. Windows ends the process once this returns
// after a close, log-off or shut-down, so it returns only when the
// transaction is over; FALSE hands Ctrl+C to the default handler, which ends
// the process too.
BOOL WINAPI holdOff(DWORD)
{
    requested.store(true);
    std::unique_lock<std::mutex> lock(guardMutex);
    guardDone.wait(lock, [] { return depth == 0; });
    return FALSE;
}

} // namespace

StopGuard::StopGuard()
{
    const std::lock_guard<std::mutex> lock(guardMutex);
    if (depth++ == 0)
        ::SetConsoleCtrlHandler(&holdOff, TRUE);
}

StopGuard::~StopGuard()
{
    {
        const std::lock_guard<std::mutex> lock(guardMutex);
        if (--depth > 0)
            return;
        if (requested.exchange(false))
            writeLog(LOG_INFO, "wrenhop::service::StopGuard::~StopGuard", "ending on the session's request");
    }
    guardDone.notify_all();
    ::SetConsoleCtrlHandler(&holdOff, FALSE);
}

bool StopGuard::stopRequested()
{
    return requested.load();
}

} // namespace wrenhop::service
