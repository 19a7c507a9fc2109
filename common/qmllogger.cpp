// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "qmllogger.h"

#include "log.h"

QmlLogger* QmlLogger::getInstance()
{
    static QmlLogger* const instance = new QmlLogger;
    return instance;
}

void QmlLogger::printQmlLog(int logLevel, const QString& fileName, const QString& qmlLog)
{
    writeQmlLog(logLevel, "%s %s", fileName.toUtf8().constData(), qmlLog.toUtf8().constData());
}

void QmlLogger::printMessage(const QString& txt)
{
    writeLog(LOG_INFO, "QmlLogger::printMessage", "%s", txt.toUtf8().constData());
}
