// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program, started as Cartaline starts it, in an installation of its
// own against a server on 127.0.0.1: the command line, the outcomes only the
// program shows (exit, restart, locks, the window), a second instance, and a
// failed run retried through its scene. The service and the state machine
// have the failure matrix.
#include "appengine.h"
#include "enginetestsupport.h"
#include "scenecontroller.h"
#include "startup.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace enginetest;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kNormal{"Cartaline", "2.1.0", "0"};
const char* const kRefusal = "[LOG_ERROR]main not executed by Cartaline\n";

struct Outcome {
    const char* name;
    std::vector<std::string> args;
    const char* line; // logged before the run exits or while it waits for the user
    bool waits;
    int requests;
    bool readOnly = false;
};

class Outcomes : public ::testing::TestWithParam<Outcome> {};

// The program's start-up in this process, with what the user does looked
// at every 20 ms.
int runStartupHere(const std::function<void()>& user)
{
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, user);
    timer.start(20);
    // A run that never quits fails the test instead of hanging it.
    QTimer::singleShot(90000, QCoreApplication::instance(), &QCoreApplication::quit);
    return runStartup(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), runContext(), "2.1.0", "0");
}

} // namespace

// A run ends with exit code 0 or stops at the notice that waits for the user,
// leaves its result line and keeps the installation whole. The read-only
// installation is run by the unprivileged user, who may write its log only.
// A command line not from Cartaline is refused.
TEST_P(Outcomes, EndsAsExpected)
{
    const Outcome& outcome = GetParam();
    Sandbox sandbox(WRENHOP_EXECUTABLE);
    const Entries newRelease = layOutOldRelease(sandbox.install, CARTALINE_STANDIN);
    PackageServer server;
    Manifest manifest;
    manifest.source = "/files/update";
    manifest = served(server, zipBytes(newRelease), manifest);
    writeManifest(manifest, sandbox.path("temp/CaL"));
    if (outcome.readOnly) {
        const bool root = testsupport::runningAsRoot();
        EXPECT_TRUE(!root || testsupport::run("chown", {"-R", "65534:65534", sandbox.scratch.path()}).exitCode == 0);
        sandbox.readOnly = {"install", "install/package", "install/package/data"};
    }
    for (const std::string& folder : sandbox.readOnly)
        fs::permissions(sandbox.path(folder), fs::perms(0222), fs::perm_options::remove);
    const Snapshot before = snapshot(sandbox.install);

    Program program(sandbox, outcome.args, {}, outcome.readOnly);
    EXPECT_TRUE(program.waitForLog(outcome.line)) << sandbox.logText();
    if (outcome.waits)
        program.end();
    EXPECT_EQ(program.waitForExit(), outcome.waits ? -1 : 0);

    const bool updated = !outcome.waits && outcome.requests == 1;
    EXPECT_EQ(sandbox.resultLines(), updated ? std::vector<std::string>{kSuccessLine} : std::vector<std::string>{});
    EXPECT_EQ(snapshot(sandbox.install), updated ? withEntries(before, newRelease) : before);
    const std::string restart = testsupport::readFile(sandbox.path("restart.record"));
    EXPECT_EQ(restart.find("args: 1\narg: Wrenhop\nend\n") != std::string::npos, updated) << restart;
    EXPECT_EQ(fs::exists(sandbox.path("temp/CaL")), !updated);
    EXPECT_EQ(server.requests(manifest.source), outcome.requests);
}

INSTANTIATE_TEST_SUITE_P(
    Program, Outcomes,
    ::testing::Values(
        Outcome{"ExtraArgument", {"Cartaline", "2.1.0", "0", "extra"}, "startUnZip success", false, 1},
        Outcome{"ReadOnlyInstallation", kNormal, "exit onStateMachine (state:13)", true, 1, true},
        Outcome{"TuningMode", {"Cartaline", "2.1.0", "1"}, "Wrenhop UI/UX tuning start", true, 0},
        Outcome{"TooFewArgs", {"Cartaline", "1"}, kRefusal, false, 0},
        Outcome{"OtherCaller", {"cartaline", "1", "0"}, kRefusal, false, 0}),
    [](const ::testing::TestParamInfo<Outcome>& info) { return info.param.name; });

// While one run waits at its notice, a second start changes nothing and
// leaves at once; the lock of a run that crashed blocks nothing.
TEST(Program, SecondInstanceQuitsWithoutChangesUntilTheFirstIsGone)
{
    Manifest manifest;
    manifest.host = PackageServer().host(); // closed with the server: connecting is refused
    const Sandbox sandbox(WRENHOP_EXECUTABLE);
    writeManifest(manifest, sandbox.path("temp/CaL"));

    // What a run that died while writing its lock leaves behind, beside the
    // work folder, which the clean-up deletes.
    testsupport::writeFile(sandbox.path("temp/Wrenhop.lock"), "\x01garbage");
    Program first(sandbox, kNormal);
    ASSERT_TRUE(first.waitForLog("exit onStateMachine (state:12)")) << sandbox.logText();
    EXPECT_EQ(Program(sandbox, kNormal).waitForExit(), 0);
    first.end();
    EXPECT_TRUE(Program(sandbox, kNormal).waitForLog("exit onStateMachine (state:12)", 2)) << sandbox.logText();
    EXPECT_EQ(sandbox.resultLines().size(), 2u);
}

// The program's start-up runs in this process; the Retry button of the
// fail-and-retry notice is clicked once the package has been repaired.
TEST(Program, RetryButtonAfterFailedDownloadUpdates)
{
    const OwnRun run;
    const std::string good = zipBytes(layOutOldRelease(run.install, CARTALINE_STANDIN));
    PackageServer server;
    const Manifest manifest = served(server, good);
    server.put(manifest.source, std::string(good.size(), 'x'));
    writeManifest(manifest);

    EXPECT_EQ(runStartupHere([&] {
        auto* retry = AppEngine::getInstance()->rootObject()->findChild<QQuickItem*>(QStringLiteral("confirmButton"));
        if (!retry || !retry->isVisible() || retry->width() <= 0
            || SceneController::getInstance()->getSceneQmlUrl() != "qrc:/qml/Noti_UpdateFailRetry.qml")
            return;
        server.put(manifest.source, good);
        const QPointF centre = retry->mapToScene(QPointF(retry->width() / 2, retry->height() / 2));
        QTest::mouseClick(retry->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    }), 0);
    EXPECT_EQ(resultLines(), std::vector<std::string>{kSuccessLine});
}

// Quitting while the transfer stalls ends the run at once: the transfer is
// cancelled, no worker thread outlives the start-up, and no result is logged.
TEST(Program, QuitDuringTransferCancelsItAndLeavesNoThread)
{
    const OwnRun run;
    const LogTail log;
    PackageServer server;
    Manifest manifest = served(server, std::string(100000, 'w'));
    manifest.source = "/stall" + manifest.source;
    writeManifest(manifest);

    EXPECT_EQ(runStartupHere([] {
        if (SceneController::getInstance()->getDownloadProgressBar() > 0)
            QCoreApplication::quit();
    }), 0);
    // The service, which joins its workers, is gone when the start-up returns.
    EXPECT_LT(log.text().find("download cancelled: "), log.text().find("WrenhopService::~WrenhopService"));
    EXPECT_TRUE(resultLines().empty());
}
