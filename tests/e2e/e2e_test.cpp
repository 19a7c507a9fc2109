// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program, started as Cartaline starts it, in an installation of its
// own against a server on 127.0.0.1: the command line, the outcomes only the
// program shows, a second instance, and a failed run retried through its scene.
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

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace enginetest;
namespace fs = std::filesystem;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

const char* const kSuccessLine = "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]";

void writeExecutable(const std::string& path, const std::string& bytes)
{
    testsupport::writeFile(path, bytes);
    fs::permissions(path, fs::perms(0755));
}

// Cartaline 2.1.0 (the stand-in), a data file and a file no release touches.
void layOutOldRelease(const std::string& install, const std::string& standIn)
{
    writeExecutable(install + "/package/Cartaline.exe", standIn + "\n#2.1.0");
    testsupport::writeFile(install + "/package/data/maps.dat", "old maps");
    testsupport::writeFile(install + "/package/readme.txt", "kept as it is");
}

Entries newRelease(const std::string& standIn)
{
    return {{"package/Cartaline.exe", standIn + "\n#2.2.0"},
            {"package/data/maps.dat", "new maps"},
            {"package/data/poi/added.dat", "a file in a new folder"}};
}

// The old installation with the entries written over it in the default
// modes, but Cartaline's, which the manifest makes executable.
Snapshot withEntries(Snapshot installation, const Entries& entries)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const auto& [name, bytes] : entries) {
        installation[name] = {bytes, name == "package/Cartaline.exe" ? 0755u : 0666u & ~mask};
        for (auto slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1))
            installation.emplace(name.substr(0, slash + 1), std::pair{std::string(), 0777u & ~mask});
    }
    return installation;
}

// <scratch>/install/package holds the program and the old release; TEMP,
// APPDATA, the restarted stand-in's record and the program's error output
// lie in <scratch> too.
class Sandbox
{
public:
    Sandbox()
    {
        EXPECT_FALSE(standIn.empty());
        writeExecutable(path("install/package/Wrenhop"), testsupport::readFile(WRENHOP_EXECUTABLE));
        layOutOldRelease(path("install"), standIn);
        fs::create_directories(path("temp/CaL"));
        fs::create_directories(path("appdata"));
        fs::create_directories(path("install/log"));
    }
    ~Sandbox()
    {
        // The scratch folder must stay removable for a user who is not root.
        std::error_code ignored;
        for (const char* folder : kReadOnlyFolders)
            fs::permissions(path(folder), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    std::string path(const std::string& relative) const { return mScratch.file(relative); }

    // Everything handed to the unprivileged user, the installation read-only
    // for it but its log folder.
    void makeInstallationReadOnlyFor65534()
    {
        if (testsupport::runningAsRoot()) {
            ASSERT_EQ(::lchown(mScratch.path().c_str(), 65534, 65534), 0);
            for (const fs::directory_entry& entry : fs::recursive_directory_iterator(mScratch.path()))
                ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0) << entry.path();
        }
        for (const char* folder : kReadOnlyFolders)
            fs::permissions(path(folder), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
    }

    std::string logText() const
    {
        std::string text;
        for (const fs::directory_entry& entry : fs::directory_iterator(path("install/log")))
            text += testsupport::readFile(entry.path().string());
        return text;
    }

    std::vector<std::string> resultLines() const
    {
        std::vector<std::string> lines;
        std::istringstream in(testsupport::readFile(path("appdata/Cartaline/error_log1.log")));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    const std::string standIn = testsupport::readFile(CARTALINE_STANDIN);

private:
    static constexpr const char* kReadOnlyFolders[] = {"install", "install/package", "install/package/data"};
    testsupport::ScratchDir mScratch;
};

// One start of the program as Cartaline starts it, ended by its PID at the
// latest with the object.
class Program
{
public:
    Program(const Sandbox& sandbox, const std::vector<std::string>& args, bool unprivileged = false)
        : mSandbox(sandbox)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The unprivileged user may not write the QML cache in root's home.
        for (const auto& [name, value] : {std::pair{"TEMP", sandbox.path("temp")}, {"APPDATA", sandbox.path("appdata")},
                                          {"CARTALINE_STANDIN_RECORD", sandbox.path("restart.record")},
                                          {"QT_QPA_PLATFORM", "offscreen"}, {"QT_QUICK_BACKEND", "software"},
                                          {"QML_DISABLE_DISK_CACHE", "1"}})
            env.insert(QLatin1String(name), QString::fromStdString(value));
        mProcess.setProcessEnvironment(env);
        mProcess.setWorkingDirectory(QString::fromStdString(sandbox.path("install/package")));
        mProcess.setStandardOutputFile(QProcess::nullDevice());
        mProcess.setStandardErrorFile(QString::fromStdString(sandbox.path("stderr.txt")), QIODevice::Append);
        std::vector<std::string> command{sandbox.path("install/package/Wrenhop")};
        command.insert(command.end(), args.begin(), args.end());
        if (unprivileged)
            command = testsupport::unprivileged(command.front(), {command.begin() + 1, command.end()});
        QStringList arguments;
        std::transform(command.begin() + 1, command.end(), std::back_inserter(arguments), QString::fromStdString);
        mProcess.start(QString::fromStdString(command.front()), arguments);
        EXPECT_TRUE(mProcess.waitForStarted(10000));
    }
    ~Program() { end(); }

    // True once the log holds the text that often; false when the program
    // ended first or the time ran out.
    bool waitForLog(const std::string& text, int times = 1)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        const auto logged = [&] {
            const std::string log = mSandbox.logText();
            int found = 0;
            for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
                ++found;
            return found >= times;
        };
        while (!logged()) {
            if (!running() || std::chrono::steady_clock::now() > deadline)
                return logged();
            mProcess.waitForFinished(20);
        }
        return true;
    }
    // The exit code, or -1 when it did not exit normally in time.
    int waitForExit()
    {
        if (!mProcess.waitForFinished(60000) || mProcess.exitStatus() != QProcess::NormalExit)
            return -1;
        return mProcess.exitCode();
    }
    bool running() const { return mProcess.state() != QProcess::NotRunning; }
    // Kills the program as a crash would.
    void end()
    {
        if (running()) {
            mProcess.kill();
            mProcess.waitForFinished(10000);
        }
    }

private:
    const Sandbox& mSandbox;
    QProcess mProcess;
};

const std::vector<std::string> kNormal{"Cartaline", "2.1.0", "0"};
const std::vector<std::string> kTuning{"Cartaline", "2.1.0", "1"};

class RefusedCommandLine : public ::testing::TestWithParam<std::vector<std::string>>
{
};

constexpr int kExits = 0;
constexpr int kTuningMode = -1;

// The outcomes only the real program shows: its exit and restart, another
// user's read-only installation, the tuning mode. The service and the state
// machine have the failure matrix.
struct Outcome {
    const char* name;
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
    {"ArchivePackage", kExits, kSuccessLine,
     {"run onStateMachine (state:5)", "startUnZip success", "exit onStateMachine (state:10)"}, true},
    {"ReadOnlyInstallation", 13, "", {"staging fail: "}, false, true},
    {"TuningMode", kTuningMode, "", {"Load packageInfo.xml", "Wrenhop UI/UX tuning start"}},
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

} // namespace

// Cartaline's folder is made before anything else, even for a refusal.
TEST_P(RefusedCommandLine, LogsNotExecutedByCartalineAndExitsZero)
{
    const Sandbox sandbox;
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

TEST(Program, AcceptsAnExtraArgumentAndLogsAllFive)
{
    const Sandbox sandbox;
    Program program(sandbox, {"Cartaline", "2.1.0", "0", "extra"});
    EXPECT_TRUE(program.waitForLog("run onStateMachine"));
    const std::string log = sandbox.logText();
    for (const std::string& line : std::initializer_list<std::string>{"arg count: 5\n", "argv[0]: " + sandbox.path("install/package/Wrenhop\n"),
                                   "argv[1]: Cartaline\n", "argv[2]: 2.1.0\n", "argv[3]: 0\n", "argv[4]: extra\n"})
        EXPECT_NE(log.find("[LOG_INFO]main " + line), std::string::npos) << line;
    EXPECT_EQ(log.find("[LOG_ERROR]main "), std::string::npos) << log;
}

// A run ends with exit code 0 or stops at the notice that waits for the user,
// leaves its result line and keeps the installation whole.
TEST_P(Outcomes, EndsAsExpected)
{
    const Outcome& outcome = GetParam();
    Sandbox sandbox;
    PackageServer server;
    const Entries entries = newRelease(sandbox.standIn);
    const std::string served = zipBytes(entries);
    enginetest::Manifest manifest;
    manifest.host = server.host();
    manifest.source = "/files/update";
    manifest.hash = sha1Hex(served);
    manifest.size = std::to_string(served.size());
    server.put(manifest.source, served);
    testsupport::writeFile(sandbox.path("temp/CaL/packageInfo.xml"), manifestXml(manifest));
    if (outcome.readOnly)
        sandbox.makeInstallationReadOnlyFor65534();
    const Snapshot before = snapshot(sandbox.path("install"));

    Program program(sandbox, outcome.stopsAt == kTuningMode ? kTuning : kNormal, outcome.readOnly);
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
    // "qrc:/qml/Scene.qml:12: ..." is how the QML engine reports a fault.
    const std::string errors = testsupport::readFile(sandbox.path("stderr.txt"));
    EXPECT_FALSE(QString::fromStdString(errors).contains(QRegularExpression(QStringLiteral("\\.qml:\\d+")))) << errors;
    const std::vector<std::string> result = sandbox.resultLines();
    if (*outcome.resultLine) {
        ASSERT_EQ(result.size(), 1u);
        EXPECT_TRUE(matchesResultLine(result.front(), outcome.resultLine)) << result.front();
    } else {
        EXPECT_TRUE(result.empty()) << result.front();
    }
    const Snapshot after = snapshot(sandbox.path("install"));
    if (outcome.newRelease) {
        EXPECT_EQ(after, withEntries(before, entries));
        EXPECT_NE(testsupport::readFile(sandbox.path("restart.record")).find("args: 1\narg: Wrenhop\nend\n"),
                  std::string::npos);
        EXPECT_FALSE(fs::exists(sandbox.path("temp/CaL")));
    } else {
        EXPECT_EQ(after, before);
        EXPECT_FALSE(fs::exists(sandbox.path("restart.record")));
    }
    EXPECT_EQ(server.requests(manifest.source), outcome.stopsAt == kTuningMode ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Program, Outcomes, ::testing::ValuesIn(kOutcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) { return info.param.name; });

// While one run waits at its notice, a second start changes nothing and
// leaves at once; the tuning mode is let through; the lock of a run that
// crashed blocks nothing.
TEST(Program, SecondInstanceQuitsWithoutChangesUntilTheFirstIsGone)
{
    Sandbox sandbox;
    enginetest::Manifest manifest;
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
    RUN_IN_OWN_INSTALLATION();
    FileUtils::createDirectories(installRoot() + "/log");
    FileLock otherRun(installRoot() + "/log/Wrenhop.lock");
    ASSERT_EQ(otherRun.tryLock(), FileLock::Result::Acquired);
    QTimer::singleShot(0, [] { SceneController::getInstance()->sendRetryUpdate(); });
    QTimer::singleShot(30000, QCoreApplication::instance(), &QCoreApplication::quit);
    EXPECT_EQ(runStartup(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), runContext(), "2.1.0", "1"), 0);
    EXPECT_NE(logText().find("another Wrenhop is updating Cartaline"), std::string::npos);
    EXPECT_TRUE(stateTrace().empty()) << logText();
}

// The program's start-up runs in this process; the Retry button of the
// fail-and-retry notice is clicked once the package has been repaired.
TEST(Program, RetryButtonAfterFailedDownloadUpdates)
{
    RUN_IN_OWN_INSTALLATION();
    const std::string install = installRoot();
    const std::string standIn = testsupport::readFile(CARTALINE_STANDIN);
    layOutOldRelease(install, standIn);
    const Snapshot before = snapshot(install);

    PackageServer server;
    const Entries entries = newRelease(standIn);
    const std::string good = zipBytes(entries);
    std::string damaged = good;
    damaged[damaged.size() / 2] ^= 0x55;
    server.put("/files/update_win.zip", damaged);
    enginetest::Manifest manifest;
    manifest.host = server.host();
    manifest.hash = sha1Hex(good);
    manifest.size = std::to_string(good.size());
    writeManifest(manifest);

    bool clicked = false;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        QQuickItem* retry = visibleButton("confirmButton");
        if (clicked || !retry
            || SceneController::getInstance()->getSceneQmlUrl() != "qrc:/qml/Noti_UpdateFailRetry.qml")
            return;
        server.put("/files/update_win.zip", good);
        const QPointF centre = retry->mapToScene(QPointF(retry->width() / 2, retry->height() / 2));
        QTest::mouseClick(retry->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        clicked = true;
    });
    user.start(20);
    // A run that never quits fails the test instead of hanging it.
    QTimer::singleShot(90000, QCoreApplication::instance(), &QCoreApplication::quit);

    EXPECT_EQ(runStartup(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), runContext(), "2.1.0", "0"), 0);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(server.requests("/files/update_win.zip"), 2);
    const std::vector<std::string> trace = stateTrace();
    const auto failed = std::find(trace.begin(), trace.end(), "exit 13");
    ASSERT_NE(failed, trace.end());
    EXPECT_NE(std::find(failed, trace.end(), "run 2"), trace.end());
    EXPECT_EQ(trace.back(), "exit 10");
    EXPECT_NE(logText().find("sha1 mismatch: "), std::string::npos);
    EXPECT_NE(logText().find("SceneController::sendRetryUpdate"), std::string::npos);
    const std::vector<std::string> result = resultLogLines();
    ASSERT_EQ(result.size(), 1u);
    EXPECT_TRUE(matchesResultLine(result.front(), kSuccessLine)) << result.front();
    EXPECT_EQ(snapshot(install), withEntries(before, entries));
    EXPECT_NE(testsupport::readFile(restartRecordPath()).find("arg: Wrenhop\nend\n"), std::string::npos);
}

// Quitting while the transfer stalls ends the run at once: the transfer is
// cancelled, no worker thread outlives the start-up, and no result is logged.
TEST(Program, QuitDuringTransferCancelsItAndLeavesNoThread)
{
    RUN_IN_OWN_INSTALLATION();
    layOutOldRelease(installRoot(), testsupport::readFile(CARTALINE_STANDIN));
    PackageServer server;
    server.put("/files/update_win.zip", std::string(100000, 'w'));
    enginetest::Manifest manifest;
    manifest.host = server.host();
    manifest.source = "/stall/files/update_win.zip";
    writeManifest(manifest);

    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        if (SceneController::getInstance()->getDownloadProgressBar() > 0)
            QCoreApplication::quit();
    });
    user.start(20);
    QTimer::singleShot(90000, QCoreApplication::instance(), &QCoreApplication::quit);

    EXPECT_EQ(runStartup(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), runContext(), "2.1.0", "0"), 0);
    // The service, which joins its workers, is gone when the start-up returns.
    EXPECT_LT(logText().find("download cancelled: "), logText().find("WrenhopService::~WrenhopService"));
    EXPECT_TRUE(resultLogLines().empty());
}
