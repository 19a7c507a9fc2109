// SPDX-License-Identifier: LicenseRef-Wrenhop
// The scenes' way into the log, published to QML as "QmlLogger".
#pragma once

#include <QObject>
#include <QString>

class QmlLogger : public QObject
{
    Q_OBJECT
public:
    // The numbers reach the logger unchanged: Error is logged as a fatal line
    // and Trace is discarded, which the scenes have always relied on.
    enum Level { Error = 0, Warning = 1, Info = 2, Debug = 3, Trace = 4 };
    Q_ENUM(Level)

    // Created on first use and never destroyed: the QML engine may still
    // reference it while the process shuts down.
    static QmlLogger* getInstance();

public slots:
    void printQmlLog(int logLevel, const QString& fileName, const QString& qmlLog);
    void printMessage(const QString& txt);

private:
    QmlLogger() = default;
};
