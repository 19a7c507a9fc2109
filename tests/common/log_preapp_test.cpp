// SPDX-License-Identifier: LicenseRef-Wrenhop
// A line written before the application object exists must still reach the
// log folder beside the program's folder, and not fix the folder at "/../log".
#include "log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>

#include <cstdio>

int main(int argc, char** argv)
{
    const QByteArray early = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    writeLog(LOG_ERROR, "LogPreAppTest::early", "%s", early.constData());

    QCoreApplication::setApplicationName(QStringLiteral("Wrenhop"));
    QCoreApplication app(argc, argv);
    const QByteArray late = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    writeLog(LOG_INFO, "LogPreAppTest::late", "%s", late.constData());

    // Both lines are found in the folder beside the program's folder, in order.
    const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/../log");
    QByteArray all;
    for (const QString& name : QDir(expected).entryList({QStringLiteral("Wrenhop *.log")}, QDir::Files)) {
        QFile file(expected + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    const int earlyAt = all.indexOf("[LOG_ERROR]LogPreAppTest::early " + early);
    const int lateAt = all.indexOf("[LOG_INFO]LogPreAppTest::late " + late);
    if (earlyAt < 0 || lateAt < 0 || earlyAt > lateAt) {
        std::fprintf(stderr, "early line %d, late line %d\n", earlyAt, lateAt);
        return 1;
    }
    return 0;
}
