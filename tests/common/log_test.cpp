// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "log.h"
#include "qmllogger.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QMetaEnum>
#include <QMetaMethod>
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

// Every log line of the run so far; the files roll over by the hour.
QStringList allLogLines()
{
    QStringList lines;
    const QDir dir(logDirPath());
    for (const QString& name : dir.entryList({QStringLiteral("Wrenhop *.log")}, QDir::Files, QDir::Name)) {
        const QString text = QString::fromStdString(testsupport::readFile(dir.filePath(name).toStdString()));
        lines += text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    return lines;
}

QStringList linesWith(const QString& marker)
{
    return allLogLines().filter(marker);
}

// Collects what reaches the debug output while it lives.
class DebugCapture
{
public:
    DebugCapture() { sCaptured.clear(); mPrevious = qInstallMessageHandler(&DebugCapture::handler); }
    ~DebugCapture() { qInstallMessageHandler(mPrevious); }
    QStringList lines() const { return sCaptured; }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) { sCaptured << message; }
    static inline QStringList sCaptured;
    QtMessageHandler mPrevious = nullptr;
};

struct LevelCase {
    int level;
    bool inFile;
    bool inDebug;
    const char* tag;
};

class LogLevelTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LogLevelTest, RoutesLevelToItsDestinations)
{
    const LevelCase c = GetParam();
    const QString marker = uniqueMarker();
    DebugCapture capture;
    writeLog(c.level, "LogTest::levels", "%s", marker.toUtf8().constData());

    const QStringList inFile = linesWith(marker);
    ASSERT_EQ(inFile.size(), c.inFile ? 1 : 0);
    if (c.inFile) {
        EXPECT_TRUE(inFile.first().contains(QLatin1String(c.tag) + QStringLiteral("LogTest::levels ") + marker));
    }

    const QStringList inDebug = capture.lines().filter(marker);
    ASSERT_EQ(inDebug.size(), c.inDebug ? 1 : 0);
    if (c.inDebug) {
        EXPECT_TRUE(inDebug.first().startsWith(QStringLiteral("[CAL_Project] \"")));
        EXPECT_TRUE(inDebug.first().contains(QLatin1String(c.tag)));
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, LogLevelTest,
    ::testing::Values(LevelCase{0, true, true, "[LOG_FATAL]"},
                      LevelCase{1, true, true, "[LOG_ERROR]"},
                      LevelCase{2, true, true, "[LOG_WARN]"},
                      LevelCase{3, true, true, "[LOG_INFO]"},
                      LevelCase{4, false, false, ""},
                      LevelCase{7, false, true, "[LOG_DEBUG]"},
                      LevelCase{-1, true, true, "[LOG_DEBUG]"}));

TEST(Log, LineHasDateTimeTagFunctionAndMessage)
{
    const QString marker = uniqueMarker();
    writeLog(LOG_INFO, "main", "arg count: %d %s", 4, marker.toUtf8().constData());
    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), 1);
    const QRegularExpression layout(QStringLiteral(
        "^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}\\[LOG_INFO\\]main arg count: 4 %1$").arg(marker));
    EXPECT_TRUE(layout.match(lines.first()).hasMatch()) << lines.first().toStdString();
}

TEST(Log, FileIsNamedAfterApplicationDateAndHourBesideProgramFolder)
{
    writeLog(LOG_INFO, "LogTest::file", "%s", "x");
    EXPECT_EQ(QDir(logDirPath()).canonicalPath(),
              QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../log")).canonicalPath());
    const QStringList files = QDir(logDirPath()).entryList({QStringLiteral("Wrenhop ????_??_??" "-??.log")}, QDir::Files);
    EXPECT_FALSE(files.isEmpty());
}

TEST(Log, CutsMessageAt1023Bytes)
{
    const std::string marker = uniqueMarker().toStdString();
    const std::string longText = marker + std::string(3000, 'x');
    writeLog(LOG_INFO, "LogTest::cut", "%s", longText.c_str());
    const QStringList lines = linesWith(QString::fromStdString(marker));
    ASSERT_EQ(lines.size(), 1);
    const QString prefix = QStringLiteral("[LOG_INFO]LogTest::cut ");
    const QString message = lines.first().mid(lines.first().indexOf(prefix) + prefix.size());
    EXPECT_EQ(message.toUtf8().size(), 1023);
}

TEST(Log, WritesUtf8MessageUnchanged)
{
    const QString marker = uniqueMarker() + QStringLiteral(" 업데이트 Ünïcode");
    writeLog(LOG_INFO, "LogTest::utf8", "%s", marker.toUtf8().constData());
    EXPECT_EQ(linesWith(marker).size(), 1);
}

TEST(Log, ConcurrentWritersNeverInterleaveLines)
{
    const QString marker = uniqueMarker();
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    const std::string payload(300, 'p');
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&, t] {
            for (int i = 0; i < kLines; ++i) {
                if (i % 2)
                    writeLog(LOG_INFO, "LogTest::threads", "%s %d %s", marker.toUtf8().constData(), t, payload.c_str());
                else
                    writeQmlLog(LOG_INFO, "%s %d %s", marker.toUtf8().constData(), t, payload.c_str());
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();

    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), kThreads * kLines);
    const QRegularExpression whole(QStringLiteral(
        "^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}\\[LOG_INFO\\](LogTest::threads )?%1 \\d p{300}$").arg(marker));
    for (const QString& line : lines)
        ASSERT_TRUE(whole.match(line).hasMatch()) << line.toStdString();
}

struct QmlLevelCase {
    int level;
    const char* tag; // nullptr: discarded
};

class QmlLoggerLevelTest : public ::testing::TestWithParam<QmlLevelCase> {};

TEST_P(QmlLoggerLevelTest, PassesSceneLevelThroughUnchanged)
{
    const QmlLevelCase c = GetParam();
    const QString marker = uniqueMarker();
    QmlLogger::getInstance()->printQmlLog(c.level, QStringLiteral("[qml]") + marker, QString());
    const QStringList lines = linesWith(marker);
    if (!c.tag) {
        EXPECT_TRUE(lines.isEmpty());
        return;
    }
    ASSERT_EQ(lines.size(), 1);
    // No function name, and the empty second text leaves one trailing blank.
    EXPECT_TRUE(lines.first().endsWith(QLatin1String(c.tag) + QStringLiteral("[qml]") + marker + QLatin1Char(' ')))
        << lines.first().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Levels, QmlLoggerLevelTest,
    ::testing::Values(QmlLevelCase{QmlLogger::Error, "[LOG_FATAL]"},
                      QmlLevelCase{QmlLogger::Warning, "[LOG_ERROR]"},
                      QmlLevelCase{QmlLogger::Info, "[LOG_WARN]"},
                      QmlLevelCase{QmlLogger::Debug, "[LOG_INFO]"},
                      QmlLevelCase{QmlLogger::Trace, nullptr}));

TEST(QmlLogger, PrintMessageLogsUnderItsOwnName)
{
    const QString marker = uniqueMarker();
    QmlLogger::getInstance()->printMessage(marker);
    const QStringList lines = linesWith(marker);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("[LOG_INFO]QmlLogger::printMessage ") + marker));
}

TEST(QmlLogger, MetaObjectOffersLevelsAndSlotsToQml)
{
    const QMetaObject& meta = QmlLogger::staticMetaObject;
    EXPECT_STREQ(meta.className(), "QmlLogger");
    const QMetaEnum level = meta.enumerator(meta.indexOfEnumerator("Level"));
    ASSERT_TRUE(level.isValid());
    EXPECT_EQ(level.keyToValue("Trace"), 4);
    EXPECT_STREQ(meta.method(meta.methodOffset()).methodSignature().constData(), "printQmlLog(int,QString,QString)");
    EXPECT_STREQ(meta.method(meta.methodOffset() + 1).methodSignature().constData(), "printMessage(QString)");
}

} // namespace
