// SPDX-License-Identifier: LicenseRef-Wrenhop
// The guard that keeps a second update run away from the first one's work
// folder and installation, in-process and with the real program.
#include "startup.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string selfPath;

// A child that takes the lock and dies without letting go of it.
int holdLockAndDie(const std::string& tempFolder)
{
    UpdateRunLock lock(tempFolder);
    if (!lock.tryAcquire())
        return 2;
    std::_Exit(0);
}

// Reads a child's error output until it shows the text or the child ends.
bool waitForOutput(QProcess& process, const QByteArray& text, QByteArray& seen)
{
    for (int waits = 0; waits < 600; ++waits) {
        seen += process.readAllStandardError();
        if (seen.contains(text))
            return true;
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
    }
    return false;
}

class WrenhopProcess
{
public:
    WrenhopProcess(const testsupport::ScratchDir& scratch, const QString& mode)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TEMP"), QString::fromStdString(scratch.file("temp")));
        env.insert(QStringLiteral("APPDATA"), QString::fromStdString(scratch.file("appdata")));
        mProcess.setProcessEnvironment(env);
        mProcess.start(QStringLiteral(WRENHOP_EXECUTABLE), {QStringLiteral("Cartaline"), QStringLiteral("2.1.0"), mode});
    }
    ~WrenhopProcess()
    {
        if (mProcess.state() != QProcess::NotRunning) {
            mProcess.kill();
            mProcess.waitForFinished();
        }
    }
    QProcess& process() { return mProcess; }

private:
    QProcess mProcess;
};

} // namespace

TEST(UpdateRunLock, SecondHolderInTheSameFolderIsRefused)
{
    testsupport::ScratchDir scratch;
    const std::string temp = scratch.path() + "/";
    UpdateRunLock first(temp);
    UpdateRunLock second(temp);
    ASSERT_TRUE(first.tryAcquire());
    EXPECT_FALSE(second.tryAcquire());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(temp + "Wrenhop.lock")));
}

TEST(UpdateRunLock, LockLeftByACrashedRunIsTakenOver)
{
    testsupport::ScratchDir scratch;
    const std::string temp = scratch.path() + "/";
    const testsupport::RunResult crashed = testsupport::run(selfPath, {"--hold-lock-and-die", temp});
    ASSERT_EQ(crashed.exitCode, 0) << crashed.err;
    ASSERT_TRUE(QFile::exists(QString::fromStdString(temp + "Wrenhop.lock")));

    UpdateRunLock next(temp);
    EXPECT_TRUE(next.tryAcquire());
}

// The first run waits on its notice (there is no manifest), holding the lock.
TEST(SecondInstance, LeavesTheRunningUpdateAloneAndQuitsWithZero)
{
    testsupport::ScratchDir scratch;
    QDir().mkpath(QString::fromStdString(scratch.file("temp")));
    QDir().mkpath(QString::fromStdString(scratch.file("appdata")));
    const QString workMarker = QString::fromStdString(scratch.file("temp/CaL/keep.txt"));
    QDir().mkpath(QString::fromStdString(scratch.file("temp/CaL")));
    testsupport::writeFile(workMarker.toStdString(), "first run's download");

    WrenhopProcess first(scratch, QStringLiteral("0"));
    QByteArray firstOutput;
    ASSERT_TRUE(waitForOutput(first.process(), "Wrenhop main start", firstOutput)) << firstOutput.toStdString();

    const testsupport::RunResult second = testsupport::run(
        WRENHOP_EXECUTABLE, {"Cartaline", "2.1.0", "0"},
        {"TEMP=" + scratch.file("temp"), "APPDATA=" + scratch.file("appdata")});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_NE(second.err.find("[LOG_ERROR] main  another Wrenhop is updating Cartaline"), std::string::npos)
        << second.err;
    EXPECT_EQ(second.err.find("AppEngine::initialize"), std::string::npos);
    EXPECT_EQ(testsupport::readFile(workMarker.toStdString()), "first run's download");

    // The tuning mode changes nothing and is let through.
    WrenhopProcess tuning(scratch, QStringLiteral("1"));
    QByteArray tuningOutput;
    EXPECT_TRUE(waitForOutput(tuning.process(), "Wrenhop UI/UX tuning start", tuningOutput))
        << tuningOutput.toStdString();
    EXPECT_EQ(first.process().state(), QProcess::Running);
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--hold-lock-and-die")
        return holdLockAndDie(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath().toStdString();
    return RUN_ALL_TESTS();
}
