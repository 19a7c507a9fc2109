// SPDX-License-Identifier: LicenseRef-Wrenhop
// The log seam for the Windows test programs, which are built without Qt:
// lines go to standard error and, while a LogCapture lives, into its list.
#include "testplatform.h"
#include "writelog.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct CapturedLines {
    std::mutex mutex;
    std::vector<std::string> lines;
    int captures = 0;
};

CapturedLines& captured()
{
    static CapturedLines lines;
    return lines;
}

const char* tagFor(int level)
{
    switch (level) {
    case LOG_FATAL: return "[LOG_FATAL]";
    case LOG_ERROR: return "[LOG_ERROR]";
    case LOG_WARN: return "[LOG_WARN]";
    case LOG_INFO: return "[LOG_INFO]";
    default: return "[LOG_DEBUG]";
    }
}

} // namespace

void writeLogMessage(int level, const char* function, const char* message)
{
    if (level == LOG_DEBUG)
        return;
    try {
        const std::string line = std::string(tagFor(level)) + (function ? function : "") + " " + message;
        CapturedLines& log = captured();
        const std::lock_guard<std::mutex> lock(log.mutex);
        std::fprintf(stderr, "%s\n", line.c_str());
        if (log.captures > 0)
            log.lines.push_back(line);
    } catch (...) {
        // A line that cannot be built is lost, as the seam allows.
    }
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

namespace testplatform {

LogCapture::LogCapture()
{
    CapturedLines& log = captured();
    const std::lock_guard<std::mutex> lock(log.mutex);
    ++log.captures;
}

LogCapture::~LogCapture()
{
    CapturedLines& log = captured();
    const std::lock_guard<std::mutex> lock(log.mutex);
    if (--log.captures == 0)
        log.lines.clear();
}

bool LogCapture::contains(const std::string& tag, const std::string& function, const std::string& text) const
{
    CapturedLines& log = captured();
    const std::lock_guard<std::mutex> lock(log.mutex);
    for (const std::string& line : log.lines) {
        if (line.find(tag) != std::string::npos && line.find(function + " ") != std::string::npos
            && line.find(text) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace testplatform
