// SPDX-License-Identifier: LicenseRef-Wrenhop
// The state machine's single states and the result log, without a download.
#include "enginetestsupport.h"
#include "scenecontroller.h"
#include "testsupport.h"
#include "wrenhopmanager.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace enginetest;

namespace {

TEST(StateMachine, SingleStatesLogTheirLinesAndTruncateProgressTowardZero)
{
    RUN_IN_OWN_INSTALLATION();
    WrenhopManager& m = ownRun();
    SceneController* scenes = SceneController::getInstance();
    QSignalSpy sceneSpy(scenes, &SceneController::sceneQmlUrlChanged);
    for (const int state : {0, 1, 14, -1})
        m.onStateMachine(state, 50.0);
    EXPECT_EQ(sceneSpy.count(), 0);
    m.onStateMachine(3, 99.9);
    m.onStateMachine(6, 37.8);
    EXPECT_EQ(scenes->getDownloadProgressBar(), 99);
    EXPECT_EQ(scenes->getInstallProgressBar(), 37);
    EXPECT_EQ(stateTrace(), (std::vector<std::string>{"exit 0", "run 1", "exit 1", "run 14", "exit 14", "run -1",
                                                      "exit -1", "run 3", "exit 3", "run 6", "exit 6"}));
    EXPECT_TRUE(resultLogLines().empty());
}

struct ResultLine {
    const char* code;
    const char* info;
    const char* expected; // "#" stands for the time of day
};

void PrintTo(const ResultLine& row, std::ostream* os)
{
    *os << row.code;
}

class ResultLog : public testing::TestWithParam<ResultLine> {};

TEST_P(ResultLog, AppendsOneFramedLineMarkingOnlyExactlyD1AsSuccess)
{
    RUN_IN_OWN_INSTALLATION();
    ownRun().writeErrorLog("E:1", "PS:99,ED:1000");
    ownRun().writeErrorLog(GetParam().code, GetParam().info);
    EXPECT_EQ(testsupport::readFile(ERROR_LOG_FILE_PATH()).back(), '\n');
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(matchesResultLine(lines[0], "[E:1,T:#,PS:99,ED:1000]")) << lines[0];
    EXPECT_TRUE(matchesResultLine(lines[1], GetParam().expected)) << lines[1];
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ResultLog,
    testing::Values(ResultLine{"D:1", "LOV:2.1.0,LNV:2.2.0", "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]"},
                    ResultLine{"D:1 ", "LOV:2.1.0,LNV:2.2.0", "[D:1 ,T:#,LOV:2.1.0,LNV:2.2.0]"},
                    ResultLine{"d:1", "LOV:,LNV:", "[d:1,T:#,LOV:,LNV:]"},
                    ResultLine{"E:2", "LOV:2,1],LNV:[x]\n\x7f\t,FP:", "[E:2,T:#,LOV:2,1_,LNV:_x_,FP:]"}));

TEST(ResultLogFile, FieldCannotForgeLineOrField)
{
    RUN_IN_OWN_INSTALLATION();
    ownRun().setCurrentVersionCartaline("2.1.0,ED:1\r\n[D:1,T:00:00:00][WH-SUCCESS]\x01");
    ownRun().onStateMachine(11, 0.0);
    const std::vector<std::string> lines = resultLogLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(matchesResultLine(lines[0], "[E:2,T:#,LOV:2.1.0_ED:1_D:1_T:00:00:00__WH-SUCCESS_,LNV:,ED:404,FP:]"))
        << lines[0];
}

TEST(ResultLogFile, ThatCannotBeOpenedLosesOnlyTheLine)
{
    RUN_IN_OWN_INSTALLATION();
    // A folder where the file should be: the open fails on every platform.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ERROR_LOG_FILE_PATH())));
    ownRun().onStateMachine(12, 0.0);
    EXPECT_EQ(SceneController::getInstance()->getSceneQmlUrl().toStdString(), "qrc:/qml/Noti_NoNetworkConnection.qml");
    EXPECT_NE(logText().find("[LOG_ERROR]WrenhopManager::writeErrorLog writeFile open Exception: "), std::string::npos)
        << logText();
}

} // namespace
