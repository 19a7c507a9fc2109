// SPDX-License-Identifier: LicenseRef-Wrenhop
// The log seam for the file and process tests, which are built without Qt
// (Debian has no Qt for mingw-w64): lines go to standard output, where the
// tests capture them together with the units' printed failures.
#include "writelog.h"

#include <cstdarg>
#include <cstdio>

void writeLogMessage(int level, const char* function, const char* message)
{
    static const char* const tags[] = {"[LOG_FATAL]", "[LOG_ERROR]", "[LOG_WARN]", "[LOG_INFO]"};
    if (level == LOG_DEBUG)
        return;
    std::printf("%s%s %s\n", level >= 0 && level < LOG_DEBUG ? tags[level] : "[LOG_DEBUG]", function ? function : "",
                message);
    std::fflush(stdout);
}

void writeLog(int level, const char* function, const char* format, ...)
{
    char buffer[1024] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    writeLogMessage(level, function, buffer);
}
