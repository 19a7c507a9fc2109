// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "log.h"
#include "qmllogger.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QUuid>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

QString uniqueMarker()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The lines holding the marker in every hourly file of the run.
QStringList linesWith(const QString& marker)
{
    QStringList lines;
    const QDir dir(logDirPath());
    for (const QString& name : dir.entryList({QStringLiteral("Wrenhop ????_??_??" "-??.log")}, QDir::Files)) {
        const std::string text = testsupport::readFile(dir.filePath(name).toStdString());
        lines += QString::fromStdString(text).split(QLatin1Char('\n')).filter(marker);
    }
    return lines;
}

QStringList debugOutput;

} // namespace

// The framework's side: the folder beside the program's, and the debug
// output with its own quoting. The lines themselves: logcore_test.cpp.
TEST(Log, LineGoesBesideProgramFolderAndToDebugOutput)
{
    const QString marker = uniqueMarker();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { debugOutput << line; });
    writeLog(LOG_ERROR, "main", "%s", qPrintable(marker));
    qInstallMessageHandler(previous);
    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("[LOG_ERROR]main ") + marker)) << lines.first().toStdString();
    EXPECT_EQ(QDir(logDirPath()).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../log")).canonicalPath());
    const QStringList debug = debugOutput.filter(marker);
    ASSERT_EQ(debug.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\[CAL_Project\\] \"\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}\" "
                                                  "\\[LOG_ERROR\\] main  ")
                                   + marker + QLatin1Char('$'))
                    .match(debug.first())
                    .hasMatch())
        << debug.first().toStdString();
}

// The scenes' levels pass through unchanged, without a function name; the
// empty second text leaves one trailing blank. The last row is a message.
TEST(QmlLogger, PassesSceneLevelThroughAndPrintsMessages)
{
    const std::vector<std::pair<int, QString>> rows = {{QmlLogger::Error, QStringLiteral("[LOG_FATAL][qml]")},
        {QmlLogger::Warning, QStringLiteral("[LOG_ERROR][qml]")}, {QmlLogger::Info, QStringLiteral("[LOG_WARN][qml]")},
        {QmlLogger::Debug, QStringLiteral("[LOG_INFO][qml]")}, {QmlLogger::Trace, QString()},
        {-1, QStringLiteral("[LOG_INFO]QmlLogger::printMessage ")}};
    for (const auto& [level, prefix] : rows) {
        const QString marker = uniqueMarker();
        if (level < 0)
            QmlLogger::getInstance()->printMessage(marker);
        else
            QmlLogger::getInstance()->printQmlLog(level, QStringLiteral("[qml]") + marker, QString());
        const QStringList lines = linesWith(marker);
        ASSERT_EQ(lines.size(), prefix.isEmpty() ? 0 : 1) << level;
        for (const QString& line : lines)
            EXPECT_TRUE(line.endsWith(prefix + marker + (level < 0 ? QString() : QStringLiteral(" "))))
                << line.toStdString();
    }
}
