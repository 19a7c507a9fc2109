// SPDX-License-Identifier: LicenseRef-Wrenhop
// Opt-in measurement for the benchmarks: with WRENHOP_LATENCY_PROBE=<file>
// set, a 10 ms timer on the GUI thread records how late it fires, and the
// longest delay (in milliseconds) is written to the file at the end.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

class LatencyProbe
{
public:
    LatencyProbe();
    ~LatencyProbe();
    LatencyProbe(const LatencyProbe&) = delete;
    LatencyProbe& operator=(const LatencyProbe&) = delete;

private:
    void tick();

    QString mPath;
    QTimer mTimer;
    QElapsedTimer mClock;
    qint64 mLastTickMs = -1;
    qint64 mMaxLateMs = 0;
};
