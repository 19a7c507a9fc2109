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
    SceneController* scenes = SceneController::getInstance();
    QSignalSpy sceneSpy(scenes, &SceneController::sceneQmlUrlChanged);
    for (const int state : {0, 1, 14, -1})
        manager().onStateMachine(state, 50.0);
    EXPECT_EQ(sceneSpy.count(), 0);
    manager().onStateMachine(3, 99.9);
    manager().onStateMachine(6, 37.8);
    EXPECT_EQ(scenes->getDownloadProgressBar(), 99);
    EXPECT_EQ(scenes->getInstallProgressBar(), 37);
    EXPECT_EQ(stateTrace(), (std::vector<std::string>{"exit 0", "run 1", "exit 1", "run 14", "exit 14", "run -1",
                                                      "exit -1", "run 3", "exit 3", "run 6", "exit 6"}));
    EXPECT_TRUE(lines().empty());
}

// Each line is appended and framed; only exactly "D:1" is marked a success,
// and no field can forge a line or a field.
TEST(ResultLog, AppendsFramedLinesThatNoFieldCanForge)
{
    RUN_IN_OWN_INSTALLATION();
    for (const auto& [code, info] : std::vector<std::pair<std::string, std::string>>{
             {"E:1", "PS:99,ED:1000"}, {"D:1", "LOV:2.1.0,LNV:2.2.0"}, {"D:1 ", "LOV:2.1.0,LNV:2.2.0"},
             {"d:1", "LOV:,LNV:"}, {"E:2", "LOV:2,1],LNV:[x]\n\x7f\t,FP:"}})
        manager().writeErrorLog(code, info);
    manager().setCurrentVersionCartaline("2.1.0,ED:1\r\n[D:1,T:00:00:00][WH-SUCCESS]\x01");
    manager().onStateMachine(11, 0.0);
    EXPECT_EQ(testsupport::readFile(ERROR_LOG_FILE_PATH()).back(), '\n');
    EXPECT_TRUE(resultLinesAre(lines(), {"[E:1,T:#,PS:99,ED:1000]", "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]",
                                         "[D:1 ,T:#,LOV:2.1.0,LNV:2.2.0]", "[d:1,T:#,LOV:,LNV:]",
                                         "[E:2,T:#,LOV:2,1_,LNV:_x_,FP:]",
                                         "[E:2,T:#,LOV:2.1.0_ED:1_D:1_T:00:00:00__WH-SUCCESS_,LNV:,ED:404,FP:]"}));
}

TEST(ResultLog, ThatCannotBeOpenedLosesOnlyTheLine)
{
    RUN_IN_OWN_INSTALLATION();
    // A folder where the file should be: the open fails on every platform.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(ERROR_LOG_FILE_PATH())));
    manager().onStateMachine(12, 0.0);
    EXPECT_EQ(SceneController::getInstance()->getSceneQmlUrl().toStdString(), "qrc:/qml/Noti_NoNetworkConnection.qml");
    EXPECT_NE(logText().find("[LOG_ERROR]WrenhopManager::writeErrorLog writeFile open Exception: "), std::string::npos)
        << logText();
}

} // namespace
