// SPDX-License-Identifier: LicenseRef-Wrenhop
// The program-wide log entry. Free of Qt so that the platform layer can be
// built and tested where Qt is not available.
#pragma once

enum LogLevel : int {
    LOG_FATAL = 0,
    LOG_ERROR = 1,
    LOG_WARN = 2,
    LOG_INFO = 3,
    LOG_DEBUG = 4, // discarded
};

// Formats with vsnprintf semantics (cut at 1023 bytes) and writes one line.
// Never throws; a line that cannot be written is lost silently.
void writeLog(int level, const char* function, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

void writeLogMessage(int level, const char* function, const char* message);
