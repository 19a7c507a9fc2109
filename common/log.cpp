// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMessageLogger>

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

constexpr int kMessageBufferSize = 1024;

struct PendingLine {
    QDateTime time; // the name of the file follows once the application is named
    QByteArray line;
};

// One lock for the program's lines and the scenes' lines, so that two lines
// written at the same moment never collide in the file.
std::mutex& logMutex()
{
    static std::mutex mutex;
    return mutex;
}

QString& logDir()
{
    static QString dir;
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

QString logFileName(const QDateTime& time)
{
    return QCoreApplication::applicationName() + QLatin1Char(' ') + time.toString(QStringLiteral("yyyy_MM_dd-hh"))
        + QStringLiteral(".log");
}

bool appendLine(const QString& fileName, const QByteArray& line)
{
    QDir().mkpath(logDir());
    QFile file(logDir() + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return false;
    file.write(line);
    return true;
}

void flushPending()
{
    for (const PendingLine& pending : pendingLines())
        appendLine(logFileName(pending.time), pending.line);
    pendingLines().clear();
    pendingLines().shrink_to_fit();
}

// function == nullptr marks a line from the scenes.
void writeLine(int level, const char* function, const char* message)
{
    if (level == LOG_DEBUG)
        return;

    // The clock is read inside the lock: the C library's time-zone set-up
    // behind it is then never entered by two writers at once.
    std::lock_guard<std::mutex> lock(logMutex());
    const QString dateTime = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    const QDateTime fileTime = QDateTime::currentDateTime();
    const bool haveApp = QCoreApplication::instance() != nullptr;
    if (logDir().isEmpty() && haveApp)
        logDir() = QCoreApplication::applicationDirPath() + QStringLiteral("/../") + QStringLiteral("log");

    const char* tag = tagFor(level);
    const bool toFile = level <= LOG_INFO;

    // Messages are UTF-8 and go to the file unchanged.
    QByteArray line = dateTime.toLatin1() + tag;
    if (function)
        line += QByteArray(function) + ' ';
    line += message;
    line += '\n';

    if (logDir().isEmpty()) {
        if (toFile)
            pendingLines().push_back({fileTime, line});
    } else {
        if (!pendingLines().empty())
            flushPending();
        QDir().mkpath(logDir());
        QFile file(logDir() + QLatin1Char('/') + logFileName(fileTime));
        if (!file.open(QIODevice::Append | QIODevice::Text))
            return;
        if (toFile)
            file.write(line);
    }

    QDebug debug = QMessageLogger().debug();
    debug << "[CAL_Project]" << dateTime << tag;
    if (function)
        debug << (QByteArray(function) + ' ').constData();
    debug << message;
}

void formatMessage(char (&buffer)[kMessageBufferSize], const char* format, va_list args)
{
    std::vsnprintf(buffer, sizeof buffer, format, args);
}

} // namespace

void writeLogMessage(int level, const char* function, const char* message)
{
    writeLine(level, function ? function : "", message);
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

void writeQmlLogMessage(int level, const char* message)
{
    writeLine(level, nullptr, message);
}

void writeQmlLog(int level, const char* format, ...)
{
    char buffer[kMessageBufferSize] = {};
    va_list args;
    va_start(args, format);
    formatMessage(buffer, format, args);
    va_end(args);
    writeQmlLogMessage(level, buffer);
}

QString logDirPath()
{
    std::lock_guard<std::mutex> lock(logMutex());
    return logDir();
}
