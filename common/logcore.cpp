// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "log_p.h"

#include "fileutils.h"
#include "writelog.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

namespace {

constexpr int kMessageBufferSize = 1024;

struct PendingLine {
    std::tm time; // the name of the file follows once the application is named
    std::string line;
};

// One lock for the program's lines and the scenes' lines, so that two lines
// written at the same moment never collide in the file.
std::mutex& logMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::string& folder()
{
    static std::string dir;
    return dir;
}

// Lines written before the application object exists (static initialisation)
// wait here: without it the application folder is unknown, and fixing the
// log folder from an empty one would send every later line astray.
std::vector<PendingLine>& pendingLines()
{
    static std::vector<PendingLine> lines;
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

std::string formatTime(const std::tm& time, const char* format)
{
    char text[32] = {};
    std::strftime(text, sizeof text, format, &time);
    return text;
}

std::string logFileName(const std::tm& time)
{
    return logcore::applicationName() + ' ' + formatTime(time, "%Y_%m_%d-%H") + ".log";
}

// The file's text mode writes each line end as the platform's own.
std::FILE* openLogFile(const std::tm& time)
{
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::u8path(folder()), ignored);
    return FileUtils::openFile(folder() + '/' + logFileName(time), "a");
}

void appendLine(const std::tm& time, const std::string& line)
{
    if (std::FILE* file = openLogFile(time)) {
        std::fputs(line.c_str(), file);
        std::fclose(file);
    }
}

void flushPending()
{
    for (const PendingLine& pending : pendingLines())
        appendLine(pending.time, pending.line);
    pendingLines().clear();
    pendingLines().shrink_to_fit();
}

void formatMessage(char (&buffer)[kMessageBufferSize], const char* format, va_list args)
{
    std::vsnprintf(buffer, sizeof buffer, format, args);
}

} // namespace

namespace logcore {

void writeLine(int level, const char* function, const char* message)
{
    if (level == LOG_DEBUG)
        return;

    // The clock is read inside the lock: the C library's local time is then
    // never entered by two writers at once.
    std::lock_guard<std::mutex> lock(logMutex());
    const std::time_t now = std::time(nullptr);
    const std::tm time = *std::localtime(&now);
    const std::string dateTime = formatTime(time, "%Y/%m/%d %H:%M:%S");
    if (folder().empty()) {
        const std::string applicationFolder = applicationDir();
        if (!applicationFolder.empty())
            folder() = applicationFolder + "/../log";
    }

    const char* tag = tagFor(level);
    const bool toFile = level <= LOG_INFO;

    // Messages are UTF-8 and go to the file unchanged.
    std::string line = dateTime + tag;
    if (function)
        line += std::string(function) + ' ';
    line += message;
    line += '\n';

    if (folder().empty()) {
        if (toFile)
            pendingLines().push_back({time, line});
    } else {
        if (!pendingLines().empty())
            flushPending();
        std::FILE* file = openLogFile(time);
        if (!file)
            return;
        if (toFile)
            std::fputs(line.c_str(), file);
        std::fclose(file);
    }
    debugOutput(dateTime.c_str(), tag, function, message);
}

std::string logDir()
{
    std::lock_guard<std::mutex> lock(logMutex());
    return folder();
}

} // namespace logcore

void writeLogMessage(int level, const char* function, const char* message)
{
    logcore::writeLine(level, function ? function : "", message);
}

void writeLog(int level, const char* function, const char* format, ...)
{
    char buffer[kMessageBufferSize] = {};
    va_list args;
    va_start(args, format);
    formatMessage(buffer, format, args);
    va_end(args);
    writeLogMessage(level, function, buffer);
}
