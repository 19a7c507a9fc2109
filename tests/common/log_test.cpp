// SPDX-License-Identifier: LicenseRef-Wrenhop
// The log folder beside the program's folder gets every line whole: one
// written before the application object exists (which must not fix the folder
// at "/../log"), UTF-8 unchanged, and lines from several threads at once.
#include "log.h"
#include "log_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUuid>

#include <cstdio>
#include <thread>
#include <vector>

namespace {

// How many lines of the log files are the date and time, then the pattern.
int linesMatching(const QString& pattern)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../log");
    QByteArray all;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("Wrenhop *.log")}, QDir::Files)) {
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    const QRegularExpression line(QStringLiteral(R"(^\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2})") + pattern + '$',
                                  QRegularExpression::MultilineOption);
    // Matches start only where lines do, so counting overlapping ones counts lines.
    return QString::fromUtf8(all).count(line);
}

} // namespace

int main(int argc, char** argv)
{
    const QByteArray early = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    writeLog(LOG_ERROR, "LogTest::early", "%s", early.constData());

    QCoreApplication::setApplicationName(QStringLiteral("Wrenhop"));
    QCoreApplication app(argc, argv);
    const QByteArray late = QUuid::createUuid().toByteArray(QUuid::WithoutBraces) + " \xC3\x9Cn\xC3\xAF";
    writeLog(LOG_INFO, "LogTest::late", "%s", late.constData());

    // One lock serves the program's and the scenes' lines.
    const QByteArray text = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    const QByteArray message = text + ' ' + QByteArray(300, 'p');
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&message] {
            for (int i = 0; i < 100; ++i) {
                writeLog(LOG_INFO, "LogTest::threads", "%s", message.constData());
                logcore::writeLine(LOG_INFO, nullptr, message.constData());
            }
        });
    for (std::thread& writer : writers)
        writer.join();

    const QString counts = QStringLiteral("%1 early, %2 late, %3 whole from threads")
        .arg(linesMatching(QStringLiteral(R"(\[LOG_ERROR\]LogTest::early )") + early))
        .arg(linesMatching(QStringLiteral(R"(\[LOG_INFO\]LogTest::late )") + QString::fromUtf8(late)))
        .arg(linesMatching(QStringLiteral(R"(\[LOG_INFO\](LogTest::threads )?)") + text + " p{300}"));
    std::fprintf(stderr, "lines: %s\n", qPrintable(counts));
    return counts == QLatin1String("1 early, 1 late, 800 whole from threads") ? 0 : 1;
}
