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
#include <thread>
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

// Collects what reaches the debug output while it lives.
class DebugCapture
{
public:
    DebugCapture() { mPrevious = qInstallMessageHandler(&DebugCapture::handler); }
    ~DebugCapture()
    {
        qInstallMessageHandler(mPrevious);
        sCaptured.clear();
    }
    QStringList lines() const { return sCaptured; }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) { sCaptured << message; }
    static inline QStringList sCaptured;
    QtMessageHandler mPrevious = nullptr;
};

} // namespace

// 4 is discarded, above 4 goes to the debug output only, negative to both.
TEST(Log, LevelDecidesTagAndDestinations)
{
    const struct {
        int level;
        const char* tag;
        bool inFile;
        bool inDebug;
    } rows[] = {{0, "[LOG_FATAL]", true, true}, {1, "[LOG_ERROR]", true, true}, {2, "[LOG_WARN]", true, true},
                {3, "[LOG_INFO]", true, true},  {4, "", false, false},          {7, "[LOG_DEBUG]", false, true},
                {-1, "[LOG_DEBUG]", true, true}};
    for (const auto& row : rows) {
        const QString marker = uniqueMarker();
        const DebugCapture capture;
        writeLog(row.level, "LogTest::levels", "%s", qPrintable(marker));
        const QStringList inFile = linesWith(marker);
        const QStringList inDebug = capture.lines().filter(marker);
        ASSERT_EQ(inFile.size(), row.inFile ? 1 : 0) << row.level;
        ASSERT_EQ(inDebug.size(), row.inDebug ? 1 : 0) << row.level;
        for (const QString& line : inFile)
            EXPECT_TRUE(line.contains(row.tag + QStringLiteral("LogTest::levels ") + marker)) << row.level;
        for (const QString& line : inDebug)
            EXPECT_TRUE(line.startsWith(QStringLiteral("[CAL_Project] \"")) && line.contains(row.tag))
                << line.toStdString();
    }
}

// Messages are UTF-8 and reach the file unchanged.
TEST(Log, LineHasDateTimeTagFunctionAndMessageInFileBesideProgramFolder)
{
    const QString marker = uniqueMarker() + QStringLiteral(" \uC5C5\uB370\uC774\uD2B8 \u00DCn\u00EFcode");
    writeLog(LOG_INFO, "main", "arg count: %d %s", 4, marker.toUtf8().constData());
    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), 1);
    const QRegularExpression layout(
        QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}\\[LOG_INFO\\]main arg count: 4 ")
        + QRegularExpression::escape(marker) + QLatin1Char('$'));
    EXPECT_TRUE(layout.match(lines.first()).hasMatch()) << lines.first().toStdString();
    EXPECT_EQ(QDir(logDirPath()).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../log")).canonicalPath());
}

TEST(Log, CutsMessageAt1023Bytes)
{
    const QString marker = uniqueMarker();
    writeLog(LOG_INFO, "LogTest::cut", "%s", (marker.toStdString() + std::string(3000, 'x')).c_str());
    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.first().mid(lines.first().indexOf(marker)).size(), 1023);
}

// One lock serves the program's and the scenes' lines.
TEST(Log, ConcurrentWritersNeverInterleaveLines)
{
    const QByteArray marker = uniqueMarker().toUtf8();
    const std::string payload(300, 'p');
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                if (i % 2)
                    writeLog(LOG_INFO, "LogTest::threads", "%s %d %s", marker.constData(), t, payload.c_str());
                else
                    writeQmlLog(LOG_INFO, "%s %d %s", marker.constData(), t, payload.c_str());
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();

    const QStringList lines = linesWith(QString::fromUtf8(marker));
    ASSERT_EQ(lines.size(), 800);
    const QRegularExpression whole(QStringLiteral("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}\\[LOG_INFO\\]"
                                                  "(LogTest::threads )?%1 \\d p{300}$")
                                       .arg(QString::fromUtf8(marker)));
    for (const QString& line : lines)
        ASSERT_TRUE(whole.match(line).hasMatch()) << line.toStdString();
}

// The scenes' levels pass through unchanged, without a function name; the
// empty second text leaves one trailing blank.
TEST(QmlLogger, PassesSceneLevelThroughAndPrintsMessages)
{
    const std::vector<std::pair<int, QString>> rows = {{QmlLogger::Error, QStringLiteral("[LOG_FATAL]")},
        {QmlLogger::Warning, QStringLiteral("[LOG_ERROR]")}, {QmlLogger::Info, QStringLiteral("[LOG_WARN]")},
        {QmlLogger::Debug, QStringLiteral("[LOG_INFO]")}, {QmlLogger::Trace, QString()}};
    for (const auto& [level, tag] : rows) {
        const QString marker = uniqueMarker();
        QmlLogger::getInstance()->printQmlLog(level, QStringLiteral("[qml]") + marker, QString());
        const QStringList lines = linesWith(marker);
        ASSERT_EQ(lines.size(), tag.isEmpty() ? 0 : 1) << level;
        for (const QString& line : lines)
            EXPECT_TRUE(line.endsWith(tag + QStringLiteral("[qml]") + marker + QLatin1Char(' '))) << line.toStdString();
    }
    const QString marker = uniqueMarker();
    QmlLogger::getInstance()->printMessage(marker);
    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("[LOG_INFO]QmlLogger::printMessage ") + marker));
}
