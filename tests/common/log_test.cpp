// SPDX-License-Identifier: LicenseRef-Wrenhop
// The Qt side of the logger; the lines themselves: logcore_test.cpp.
#include "qmllogger.h"
#include "testsupport.h"

#include <QUuid>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The scenes' levels pass through unchanged, without a function name; the
// empty second text leaves one trailing blank. The last row is a message.
TEST(QmlLogger, PassesSceneLevelThroughAndPrintsMessages)
{
    const std::vector<std::pair<int, std::string>> rows = {{QmlLogger::Error, "[LOG_FATAL][qml]"},
        {QmlLogger::Warning, "[LOG_ERROR][qml]"}, {QmlLogger::Info, "[LOG_WARN][qml]"},
        {QmlLogger::Debug, "[LOG_INFO][qml]"}, {QmlLogger::Trace, ""}, {-1, "[LOG_INFO]QmlLogger::printMessage "}};
    for (const auto& [level, prefix] : rows) {
        // Other test programs write to the same files meanwhile.
        const QString marker = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const std::string logged = testsupport::loggedBy([&, level = level] {
            if (level < 0)
                QmlLogger::getInstance()->printMessage(marker);
            else
                QmlLogger::getInstance()->printQmlLog(level, QStringLiteral("[qml]") + marker, QString());
        });
        const std::string line = prefix + marker.toStdString() + (level < 0 ? "\n" : " \n");
        EXPECT_EQ(logged.find(prefix.empty() ? marker.toStdString() : line) != std::string::npos, !prefix.empty())
            << level;
    }
}
