// SPDX-License-Identifier: LicenseRef-Wrenhop
// The Qt-based logger behind writeLog: hourly files in <appdir>/../log.
#pragma once

#include "writelog.h"

#include <QString>

// The scenes' writer: the same lines without a function name.
void writeQmlLog(int level, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
void writeQmlLogMessage(int level, const char* message);

// The folder the log files go to; fixed by the first line written.
QString logDirPath();
