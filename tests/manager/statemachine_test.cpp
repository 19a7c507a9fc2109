// SPDX-License-Identifier: LicenseRef-Wrenhop
// The state machine's single states and the result log, without a download.
#include "managertestsupport.h"
#include "scenecontroller.h"
#include "testsupport.h"
#include "wrenhopmanager.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using managertest::resultLogLines;
using managertest::stateTrace;

namespace {

using Trace = std::vector<std::string>;

class StateMachine : public ::testing::Test
{
protected:
    WrenhopManager& manager()
    {
        WrenhopManager& instance = WrenhopManager::getInstance();
        instance.setCurrentVersionCartaline("2.1.0");
        return instance;
    }
};

TEST_F(StateMachine, StateZeroLogsOnlyItsExitLine)
{
    RUN_IN_OWN_INSTALLATION();
    manager().onStateMachine(0, 0.0);
    EXPECT_EQ(stateTrace(), (Trace{"exit 0"}));
}

TEST_F(StateMachine, IdleAndUnknownStatesChangeNothing)
{
    RUN_IN_OWN_INSTALLATION();
    WrenhopManager& m = manager();
    SceneController* scenes = SceneController::getInstance();
    QSignalSpy sceneSpy(scenes, &SceneController::sceneQmlUrlChanged);
    m.onStateMachine(1, 0.0);
    m.onStateMachine(14, 50.0);
    m.onStateMachine(-1, 50.0);
    EXPECT_EQ(stateTrace(), (Trace{"run 1", "exit 1", "run 14", "exit 14", "run -1", "exit -1"}));
    EXPECT_EQ(sceneSpy.count(), 0);
    EXPECT_TRUE(resultLogLines().empty());
    EXPECT_EQ(managertest::logText().find("unknown state"), std::string::npos);
}

TEST_F(StateMachine, ProgressIsTruncatedTowardZero)
{
    RUN_IN_OWN_INSTALLATION();
    WrenhopManager& m = manager();
    SceneController* scenes = SceneController::getInstance();
    m.onStateMachine(3, 99.9);
    EXPECT_EQ(scenes->getDownloadProgressBar(), 99);
    m.onStateMachine(6, 37.8);
    EXPECT_EQ(scenes->getInstallProgressBar(), 37);
    EXPECT_EQ(stateTrace(), (Trace{"run 3", "exit 3", "run 6", "exit 6"}));
}

TEST_F(StateMachine, NoManifestEndsInNoUpdateFileWithE2Line)
{
    RUN_IN_OWN_INSTALLATION();
    WrenhopManager& m = manager();
    m.onStateMachine(2, 0.0);
    EXPECT_EQ(stateTrace(), (Trace{"run 2", "run 11", "exit 11"}));
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(managertest::matchesResultLine(lines[0], "[E:2,T:#,LOV:2.1.0,LNV:,ED:404,FP:]")) << lines[0];
    EXPECT_EQ(SceneController::getInstance()->getSceneQmlUrl().toStdString(), "qrc:/qml/Noti_NoUpdateFile.qml");
}

TEST_F(StateMachine, NoNetworkWritesE1LineAndShowsItsNotice)
{
    RUN_IN_OWN_INSTALLATION();
    manager().onStateMachine(12, 42.0);
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(managertest::matchesResultLine(lines[0], "[E:1,T:#,PS:99,ED:1000]")) << lines[0];
    EXPECT_EQ(SceneController::getInstance()->getSceneQmlUrl().toStdString(),
              "qrc:/qml/Noti_NoNetworkConnection.qml");
}

TEST_F(StateMachine, FailRetryShowsItsNoticeWithoutResultLine)
{
    RUN_IN_OWN_INSTALLATION();
    manager().onStateMachine(13, 0.0);
    EXPECT_TRUE(resultLogLines().empty());
    EXPECT_EQ(SceneController::getInstance()->getSceneQmlUrl().toStdString(), "qrc:/qml/Noti_UpdateFailRetry.qml");
    EXPECT_EQ(stateTrace(), (Trace{"run 13", "exit 13"}));
}

struct ResultLine {
    const char* name;
    const char* code;
    const char* info;
    const char* expected; // "#" stands for the time of day
};

void PrintTo(const ResultLine& row, std::ostream* os)
{
    *os << row.name;
}

class ResultLogGrammar : public ::testing::TestWithParam<ResultLine>
{
};

TEST_P(ResultLogGrammar, WritesOneFramedLine)
{
    RUN_IN_OWN_INSTALLATION();
    const ResultLine& row = GetParam();
    WrenhopManager::getInstance().writeErrorLog(row.code, row.info);
    const std::string text = testsupport::readFile(ERROR_LOG_FILE_PATH());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(managertest::matchesResultLine(lines[0], row.expected)) << lines[0];
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ResultLogGrammar,
    ::testing::Values(
        ResultLine{"Success", "D:1", "LOV:2.1.0,LNV:2.2.0", "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]"},
        ResultLine{"SuccessMarkerNeedsExactCodeNotTrailingBlank", "D:1 ", "LOV:2.1.0,LNV:2.2.0",
                   "[D:1 ,T:#,LOV:2.1.0,LNV:2.2.0]"},
        ResultLine{"SuccessMarkerNeedsExactCodeNotTrailingDigit", "D:10", "LOV:2.1.0,LNV:2.2.0",
                   "[D:10,T:#,LOV:2.1.0,LNV:2.2.0]"},
        ResultLine{"SuccessMarkerIsCaseSensitive", "d:1", "LOV:,LNV:", "[d:1,T:#,LOV:,LNV:]"},
        ResultLine{"NoNetwork", "E:1", "PS:99,ED:1000", "[E:1,T:#,PS:99,ED:1000]"},
        ResultLine{"NoUpdateFileWithEmptyVersion", "E:2", "LOV:,LNV:2.2.0,ED:404,FP:http://h/p.zip",
                   "[E:2,T:#,LOV:,LNV:2.2.0,ED:404,FP:http://h/p.zip]"},
        ResultLine{"SeparatorsInsideValuesStayUnchanged", "E:2", "LOV:2,1],LNV:[x],ED:404,FP:",
                   "[E:2,T:#,LOV:2,1],LNV:[x],ED:404,FP:]"}),
    [](const ::testing::TestParamInfo<ResultLine>& info) { return std::string(info.param.name); });

TEST(ResultLog, LinesAccumulateOlderFirst)
{
    RUN_IN_OWN_INSTALLATION();
    WrenhopManager& m = WrenhopManager::getInstance();
    m.writeErrorLog("E:1", "PS:99,ED:1000");
    m.writeErrorLog("D:1", "LOV:1,LNV:2");
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(managertest::matchesResultLine(lines[0], "[E:1,T:#,PS:99,ED:1000]")) << lines[0];
    EXPECT_TRUE(managertest::matchesResultLine(lines[1], "[D:1,T:#,LOV:1,LNV:2][WH-SUCCESS]")) << lines[1];
}

TEST(ResultLog, UnopenableFileLosesOnlyTheLine)
{
    RUN_IN_OWN_INSTALLATION();
    // A folder where the file should be: the open fails on every platform.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ERROR_LOG_FILE_PATH())));
    WrenhopManager& m = WrenhopManager::getInstance();
    m.setCurrentVersionCartaline("2.1.0");
    m.onStateMachine(12, 0.0);
    EXPECT_EQ(SceneController::getInstance()->getSceneQmlUrl().toStdString(),
              "qrc:/qml/Noti_NoNetworkConnection.qml");
    const std::string log = managertest::logText();
    EXPECT_NE(log.find("[LOG_ERROR]WrenhopManager::writeErrorLog writeFile open Exception: "), std::string::npos)
        << log;
}

} // namespace
