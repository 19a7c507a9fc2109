// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program, started as Cartaline starts it, in an installation of its
// own against a server on 127.0.0.1: the command line, the outcomes only the
// program shows (exit, restart, locks, the log, the window), a second
// instance, and a failed run retried through its scene. The service and the
// state machine have the failure matrix.
#include "appengine.h"
#include "enginetestsupport.h"
#include "filelock.h"
#include "fileutils.h"
#include "runcontext.h"
#include "runlock.h"
#include "scenecontroller.h"
#include "startup.h"
#include "testsupport.h"

#include <QGuiApplication>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

using namespace enginetest;
namespace fs = std::filesystem;

namespace {

const char* const kSuccessLine = "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]";

// The sandbox with the old release.
struct Installation : Sandbox {
    Installation() : Sandbox(WRENHOP_EXECUTABLE), newRelease(layOutOldRelease(install, CARTALINE_STANDIN)) {}

    // Everything handed to the unprivileged user, the installation read-only
    // for it but its log folder.
    void makeReadOnlyFor65534()
    {
        if (testsupport::runningAsRoot()) {
            ASSERT_EQ(::lchown(scratch.path().c_str(), 65534, 65534), 0);
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(scratch.path()))
                ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0) << entry.path();
        }
        readOnly = {"install", "install/package", "install/package/data"};
        for (const std::string& folder : readOnly)
            fs::permissions(path(folder), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
    }

    Entries newRelease;
};

const std::vector<std::string> kNormal{"Cartaline", "2.1.0", "0"};
const std::vector<std::string> kTuning{"Cartaline", "2.1.0", "1"};

class RefusedCommandLine : public ::testing::TestWithParam<std::vector<std::string>>
{
};

constexpr int kExits = 0;
constexpr int kTuningMode = -1;

struct Outcome {
    const char* name;
    std::vector<std::string> args;
    int stopsAt; // kExits, a notice's state or kTuningMode
    const char* resultLine; // "#" stands for the time; empty: no line
    std::vector<const char*> logLines;
    bool newRelease = false;
    bool readOnly = false;
};

void PrintTo(const Outcome& outcome, std::ostream* out)
{
    *out << outcome.name;
}

const Outcome kOutcomes[] = {
    // An extra argument is accepted, and logged with the others.
    {"ArchivePackage", {"Cartaline", "2.1.0", "0", "extra"}, kExits, kSuccessLine,
     {"[LOG_INFO]main arg count: 5\n", "[LOG_INFO]main argv[1]: Cartaline\n", "[LOG_INFO]main argv[2]: 2.1.0\n",
      "[LOG_INFO]main argv[3]: 0\n", "[LOG_INFO]main argv[4]: extra\n", "run onStateMachine (state:5)",
      "startUnZip success", "exit onStateMachine (state:10)"},
     true},
    {"ReadOnlyInstallation", kNormal, 13, "", {"staging fail: "}, false, true},
    {"TuningMode", kTuning, kTuningMode, "", {"Load packageInfo.xml", "Wrenhop UI/UX tuning start"}},
};

class Outcomes : public ::testing::TestWithParam<Outcome>
{
};

// The button of the scene on show, once it has been laid out.
QQuickItem* visibleButton(const char* name)
{
    QObject* root = AppEngine::getInstance()->rootObject();
    QObject* loader = root ? root->findChild<QObject*>(QStringLiteral("sceneLoader")) : nullptr;
    auto* scene = loader ? qobject_cast<QQuickWindow*>(loader->property("item").value<QObject*>()) : nullptr;
    auto* button = scene ? scene->findChild<QQuickItem*>(QLatin1String(name)) : nullptr;
    return button && button->isVisible() && button->width() > 0 ? button : nullptr;
}

int runStartupHere(const char* mode)
{
    // A run that never quits fails the test instead of hanging it.
    QTimer::singleShot(90000, QCoreApplication::instance(), &QCoreApplication::quit);
    return runStartup(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), runContext(), "2.1.0", mode);
}

} // namespace

// Cartaline's folder is made before anything else, even for a refusal.
TEST_P(RefusedCommandLine, LogsNotExecutedByCartalineAndExitsZero)
{
    const Installation sandbox;
    EXPECT_EQ(Program(sandbox, GetParam()).waitForExit(), 0);
    const std::string log = sandbox.logText();
    EXPECT_NE(log.find("[LOG_ERROR]main not executed by Cartaline\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("Wrenhop main start"), std::string::npos) << log;
    EXPECT_TRUE(fs::is_directory(sandbox.path("appdata/Cartaline")));
}

// Qt takes its "-platform" option out of the command line before the check.
INSTANTIATE_TEST_SUITE_P(Program, RefusedCommandLine,
                         ::testing::Values(std::vector<std::string>{}, std::vector<std::string>{"Cartaline", "1"},
                                           std::vector<std::string>{"cartaline", "1", "0"},
                                           std::vector<std::string>{"Cartaline ", "1", "0"},
                                           std::vector<std::string>{"-platform", "offscreen", "Cartaline", "1"}));

// A run ends with exit code 0 or stops at the notice that waits for the user,
// leaves its result line and keeps the installation whole.
TEST_P(Outcomes, EndsAsExpected)
{
    const Outcome& outcome = GetParam();
    Installation sandbox;
    PackageServer server;
    Manifest manifest;
    manifest.source = "/files/update";
    manifest = served(server, zipBytes(sandbox.newRelease), manifest);
    testsupport::writeFile(sandbox.path("temp/CaL/packageInfo.xml"), manifestXml(manifest));
    if (outcome.readOnly)
        sandbox.makeReadOnlyFor65534();
    const Snapshot before = snapshot(sandbox.path("install"));

    Program program(sandbox, outcome.args, {}, outcome.readOnly);
    if (outcome.stopsAt == kExits) {
        EXPECT_EQ(program.waitForExit(), 0);
    } else {
        const std::string stop = outcome.stopsAt == kTuningMode
            ? "Wrenhop UI/UX tuning start"
            : "exit onStateMachine (state:" + std::to_string(outcome.stopsAt) + ")";
        EXPECT_TRUE(program.waitForLog(stop)) << sandbox.logText();
        // A notice waits for the user: the program must still be there.
        EXPECT_TRUE(program.running());
        program.end();
    }

    const std::string log = sandbox.logText();
    for (const char* line : outcome.logLines)
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    EXPECT_NE(log.find("[LOG_INFO]main argv[0]: " + sandbox.install + "/package/Wrenhop\n"), std::string::npos);
    EXPECT_EQ(log.find("[LOG_ERROR]main "), std::string::npos) << log;
    // "qrc:/qml/Scene.qml:12: ..." is how the QML engine reports a fault.
    const std::string errors = testsupport::readFile(sandbox.path("stderr.txt"));
    EXPECT_FALSE(QString::fromStdString(errors).contains(QRegularExpression(QStringLiteral("\\.qml:\\d+")))) << errors;
    EXPECT_TRUE(resultLinesAre(sandbox.resultLines(),
                               *outcome.resultLine ? std::vector<std::string>{outcome.resultLine} : std::vector<std::string>{}));
    EXPECT_EQ(snapshot(sandbox.path("install")), outcome.newRelease ? withEntries(before, sandbox.newRelease) : before);
    const std::string restart = testsupport::readFile(sandbox.path("restart.record"));
    EXPECT_TRUE(outcome.newRelease ? restart.find("args: 1\narg: Wrenhop\nend\n") != std::string::npos : restart.empty());
    EXPECT_FALSE(outcome.newRelease && fs::exists(sandbox.path("temp/CaL")));
    EXPECT_EQ(server.requests(manifest.source), outcome.stopsAt == kTuningMode ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Program, Outcomes, ::testing::ValuesIn(kOutcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) { return info.param.name; });

// While one run waits at its notice, a second start changes nothing and
// leaves at once; the tuning mode is let through; the lock of a run that
// crashed blocks nothing.
TEST(Program, SecondInstanceQuitsWithoutChangesUntilTheFirstIsGone)
{
    Installation sandbox;
    Manifest manifest;
    manifest.host = "http://127.0.0.1:" + std::to_string(closedPort());
    testsupport::writeFile(sandbox.path("temp/CaL/packageInfo.xml"), manifestXml(manifest));
    const Snapshot before = snapshot(sandbox.path("install"));
    const std::string notice = "exit onStateMachine (state:12)";

    // What a run that died while writing its lock leaves behind.
    testsupport::writeFile(sandbox.path("temp/Wrenhop.lock"), "\x01garbage");
    Program first(sandbox, kNormal);
    ASSERT_TRUE(first.waitForLog(notice)) << sandbox.logText();
    // Beside the work folder, which the clean-up deletes.
    EXPECT_TRUE(fs::exists(sandbox.path("temp/Wrenhop.lock")));
    EXPECT_EQ(Program(sandbox, kNormal).waitForExit(), 0);
    EXPECT_TRUE(Program(sandbox, kTuning).waitForLog("Wrenhop UI/UX tuning start"));
    EXPECT_TRUE(first.running());
    first.end();
    Program third(sandbox, kNormal);
    EXPECT_TRUE(third.waitForLog(notice, 2)) << sandbox.logText();

    const std::string log = sandbox.logText();
    const std::string refusal = "another Wrenhop is updating Cartaline; this one quits without changes";
    EXPECT_NE(log.find(refusal), std::string::npos);
    EXPECT_EQ(log.find(refusal), log.rfind(refusal));
    EXPECT_EQ(sandbox.resultLines().size(), 2u);
    EXPECT_EQ(snapshot(sandbox.path("install")), before);
    EXPECT_TRUE(fs::exists(sandbox.path("temp/CaL/packageInfo.xml")));
}

// Two users, each with a temporary folder of their own, update one
// installation one at a time; a lock that cannot be taken at all stops
// nothing.
TEST(Program, RunLocksKeepOneRunPerInstallationAndFailuresStopNothing)
{
    const testsupport::ScratchDir scratch;
    for (const char* folder : {"a", "b", "install/log"})
        fs::create_directories(scratch.file(folder));
    UpdateRunLocks first(scratch.file("a/"), scratch.file("install"));
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(UpdateRunLocks(scratch.file("b/"), scratch.file("install")).acquire());
    EXPECT_FALSE(UpdateRunLocks(scratch.file("a/"), scratch.file("other")).acquire());
    EXPECT_TRUE(UpdateRunLocks("", scratch.file("missing")).acquire());
    EXPECT_NE(logText().find("[LOG_ERROR]main cannot lock " + scratch.file("missing/log/Wrenhop.lock")),
              std::string::npos);
}

// The tuning mode starts without the locks, but its Retry starts a real
// update: it quits while another run holds the installation.
TEST(Program, TuningRetryQuitsWhileAnotherRunHoldsTheInstallation)
{
    const OwnRun run;
    const LogTail log;
    FileUtils::createDirectories(run.install + "/log");
    FileLock otherRun(run.install + "/log/Wrenhop.lock");
    ASSERT_EQ(otherRun.tryLock(), FileLock::Result::Acquired);
    QTimer::singleShot(0, [] { SceneController::getInstance()->sendRetryUpdate(); });
    EXPECT_EQ(runStartupHere("1"), 0);
    EXPECT_NE(log.text().find("another Wrenhop is updating Cartaline"), std::string::npos);
    EXPECT_TRUE(stateTrace(log.text()).empty()) << log.text();
}

// The program's start-up runs in this process; the Retry button of the
// fail-and-retry notice is clicked once the package has been repaired.
TEST(Program, RetryButtonAfterFailedDownloadUpdates)
{
    const OwnRun run;
    const LogTail log;
    const Entries entries = layOutOldRelease(run.install, CARTALINE_STANDIN);
    const Snapshot before = snapshot(run.install);
    const std::string good = zipBytes(entries);
    PackageServer server;
    const Manifest manifest = served(server, good);
    std::string damaged = good;
    damaged[damaged.size() / 2] ^= 0x55;
    server.put(manifest.source, damaged);
    writeManifest(manifest);

    bool clicked = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QQuickItem* retry = visibleButton("confirmButton");
        if (clicked || !retry
            || SceneController::getInstance()->getSceneQmlUrl() != "qrc:/qml/Noti_UpdateFailRetry.qml")
            return;
        server.put(manifest.source, good);
        const QPointF centre = retry->mapToScene(QPointF(retry->width() / 2, retry->height() / 2));
        QTest::mouseClick(retry->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        clicked = true;
    });
    user.start(20);

    EXPECT_EQ(runStartupHere("0"), 0);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(server.requests(manifest.source), 2);
    EXPECT_NE(log.text().find("SceneController::sendRetryUpdate"), std::string::npos);
    EXPECT_TRUE(resultLinesAre(lines(), {kSuccessLine}));
    EXPECT_EQ(snapshot(run.install), withEntries(before, entries));
    EXPECT_NE(testsupport::readFile(run.restartRecord()).find("arg: Wrenhop\nend\n"), std::string::npos);
}

// Quitting while the transfer stalls ends the run at once: the transfer is
// cancelled, no worker thread outlives the start-up, and no result is logged.
TEST(Program, QuitDuringTransferCancelsItAndLeavesNoThread)
{
    const OwnRun run;
    const LogTail log;
    layOutOldRelease(run.install, CARTALINE_STANDIN);
    PackageServer server;
    Manifest manifest = served(server, std::string(100000, 'w'));
    manifest.source = "/stall" + manifest.source;
    writeManifest(manifest);

    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        if (SceneController::getInstance()->getDownloadProgressBar() > 0)
            QCoreApplication::quit();
    });
    user.start(20);

    EXPECT_EQ(runStartupHere("0"), 0);
    // The service, which joins its workers, is gone when the start-up returns.
    EXPECT_LT(log.text().find("download cancelled: "), log.text().find("WrenhopService::~WrenhopService"));
    EXPECT_TRUE(lines().empty());
}
