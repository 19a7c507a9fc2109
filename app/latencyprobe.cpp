// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "latencyprobe.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr int kIntervalMs = 10;

} // namespace

LatencyProbe::LatencyProbe()
    : mPath(qEnvironmentVariable("WRENHOP_LATENCY_PROBE"))
{
    if (mPath.isEmpty())
        return;
    mTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mTimer, &QTimer::timeout, [this] { tick(); });
    mTimer.start(kIntervalMs);
    mClock.start();
}

LatencyProbe::~LatencyProbe()
{
    if (mPath.isEmpty())
        return;
    QFile file(mPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray::number(mMaxLateMs) + '\n');
}

void LatencyProbe::tick()
{
    // The first tick only starts the count: the start-up before the event
    // loop runs is not a delay of the loop.
    const qint64 now = mClock.elapsed();
    if (mLastTickMs >= 0)
        mMaxLateMs = std::max(mMaxLateMs, now - mLastTickMs - kIntervalMs);
    mLastTickMs = now;
}
