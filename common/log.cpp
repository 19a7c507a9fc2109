// SPDX-License-Identifier: LicenseRef-Wrenhop
// The framework's side of the logger: the application object and the debug
// output. The lines themselves are logcore.cpp's.
#include "log.h"

#include "log_p.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMessageLogger>

#include <cstdarg>
#include <cstdio>

namespace logcore {

std::string applicationDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath().toStdString() : std::string();
}

std::string applicationName()
{
    return QCoreApplication::applicationName().toStdString();
}

void debugOutput(const char* dateTime, const char* tag, const char* function, const char* message)
{
    QDebug debug = QMessageLogger().debug();
    debug << "[CAL_Project]" << QString::fromLatin1(dateTime) << tag;
    if (function)
        debug << (QByteArray(function) + ' ').constData();
    debug << message;
}

} // namespace logcore

void writeQmlLogMessage(int level, const char* message)
{
    logcore::writeLine(level, nullptr, message);
}

void writeQmlLog(int level, const char* format, ...)
{
    char buffer[1024] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    writeQmlLogMessage(level, buffer);
}

QString logDirPath()
{
    return QString::fromStdString(logcore::logDir());
}
