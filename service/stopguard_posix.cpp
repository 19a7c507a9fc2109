// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "stopguard.h"

#include "writelog.h"

#include <atomic>
#include <csignal>
#include <iterator>
#include <mutex>

namespace wrenhop::service {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
struct sigaction previous[std::size(kSignals)];
std::atomic<int> pendingSignal{0};
std::mutex depthMutex;
int depth = 0;

// Only what is safe inside a signal handler: a lock-free store.
void remember(int signal)
{
    pendingSignal.store(signal);
}

} // namespace

StopGuard::StopGuard()
{
    const std::lock_guard<std::mutex> lock(depthMutex);
    if (depth++ > 0)
        return;
    struct sigaction action = {};
    action.sa_handler = &remember;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

StopGuard::~StopGuard()
{
    const std::lock_guard<std::mutex> lock(depthMutex);
    if (--depth > 0)
        return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    if (const int signal = pendingSignal.exchange(0)) {
        writeLog(LOG_INFO, "wrenhop::service::StopGuard::~StopGuard", "ending on signal %d", signal);
        ::raise(signal);
    }
}

bool StopGuard::stopRequested()
{
    return pendingSignal.load() != 0;
}

} // namespace wrenhop::service
