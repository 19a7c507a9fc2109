// SPDX-License-Identifier: LicenseRef-Wrenhop
// Runs the real executable, installed in a folder of its own, and reads the
// log it leaves beside that folder.
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Installation
{
public:
    Installation()
    {
        QDir().mkpath(QString::fromStdString(mRoot.file("package")));
        QDir().mkpath(QString::fromStdString(mRoot.file("temp")));
        QDir().mkpath(QString::fromStdString(mRoot.file("appdata")));
        const QString target = QString::fromStdString(program());
        EXPECT_TRUE(QFile::copy(QStringLiteral(WRENHOP_EXECUTABLE), target));
    }

    std::string program() const { return mRoot.file("package/Wrenhop"); }
    std::string appData() const { return mRoot.file("appdata"); }

    testsupport::RunResult run(const std::vector<std::string>& args) const
    {
        return testsupport::run(program(), args,
            {"TEMP=" + mRoot.file("temp"), "APPDATA=" + appData(), "QT_QPA_PLATFORM=offscreen", "QT_QUICK_BACKEND=software"});
    }

    // An accepted command line goes on to show a window that waits for the
    // user; the test ends it once the log shows the update's first state.
    void startAndEndAfter(const std::vector<std::string>& args, const QString& logged) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TEMP"), QString::fromStdString(mRoot.file("temp")));
        env.insert(QStringLiteral("APPDATA"), QString::fromStdString(appData()));
        process.setProcessEnvironment(env);
        QStringList qargs;
        for (const std::string& arg : args)
            qargs << QString::fromStdString(arg);
        process.start(QString::fromStdString(program()), qargs);
        ASSERT_TRUE(process.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (logLines().filter(logged).isEmpty() && process.state() == QProcess::Running && timer.elapsed() < 30000)
            QThread::msleep(50);
        process.kill();
        process.waitForFinished();
        EXPECT_FALSE(logLines().filter(logged).isEmpty()) << "never logged: " << logged.toStdString();
    }

    QStringList logLines() const
    {
        QStringList lines;
        const QDir dir(QString::fromStdString(mRoot.file("log")));
        for (const QString& name : dir.entryList({QStringLiteral("Wrenhop ????_??_??" "-??.log")}, QDir::Files, QDir::Name))
            lines += QString::fromStdString(testsupport::readFile(dir.filePath(name).toStdString()))
                         .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines;
    }

private:
    testsupport::ScratchDir mRoot;
};

QStringList messages(const QStringList& lines, const QString& tagAndFunction)
{
    QStringList result;
    for (const QString& line : lines) {
        const int at = line.indexOf(tagAndFunction);
        if (at == 19)
            result << line.mid(at + tagAndFunction.size());
    }
    return result;
}

struct RefusedCase {
    const char* name;
    std::vector<std::string> args;
};

class RefusedInvocationTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedInvocationTest, LogsNotExecutedByCartalineAndExitsZero)
{
    const Installation installation;
    const testsupport::RunResult result = installation.run(GetParam().args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const QStringList errors = messages(installation.logLines(), QStringLiteral("[LOG_ERROR]main "));
    EXPECT_EQ(errors, QStringList{QStringLiteral("not executed by Cartaline")});
}

INSTANTIATE_TEST_SUITE_P(Entry, RefusedInvocationTest,
    ::testing::Values(RefusedCase{"NoArguments", {}},
                      RefusedCase{"TwoArguments", {"Cartaline", "1"}},
                      RefusedCase{"LowerCaseName", {"cartaline", "1", "0"}},
                      RefusedCase{"TrailingBlank", {"Cartaline ", "1", "0"}},
                      RefusedCase{"PlatformOptionTakenBeforeCheck", {"-platform", "offscreen", "Cartaline", "1"}}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(Entry, AcceptsExtraArgumentsAndLogsEveryOne)
{
    const Installation installation;
    installation.startAndEndAfter({"Cartaline", "2.1.0", "0", "extra"}, QStringLiteral("run onStateMachine"));
    const QStringList info = messages(installation.logLines(), QStringLiteral("[LOG_INFO]main "));
    const QStringList expected{QStringLiteral("arg count: 5"),
                               QStringLiteral("argv[0]: ") + QString::fromStdString(installation.program()),
                               QStringLiteral("argv[1]: Cartaline"), QStringLiteral("argv[2]: 2.1.0"),
                               QStringLiteral("argv[3]: 0"), QStringLiteral("argv[4]: extra")};
    ASSERT_GE(info.size(), expected.size());
    EXPECT_EQ(info.mid(0, expected.size()), expected);
    EXPECT_TRUE(messages(installation.logLines(), QStringLiteral("[LOG_ERROR]main ")).isEmpty());
}

TEST(Entry, PlatformOptionIsRemovedBeforeArgumentsAreChecked)
{
    const Installation installation;
    installation.startAndEndAfter({"-platform", "offscreen", "Cartaline", "", "1x"}, QStringLiteral("run onStateMachine"));
    const QStringList info = messages(installation.logLines(), QStringLiteral("[LOG_INFO]main "));
    EXPECT_TRUE(info.contains(QStringLiteral("arg count: 4")));
    EXPECT_TRUE(info.contains(QStringLiteral("argv[2]: ")));
    EXPECT_TRUE(messages(installation.logLines(), QStringLiteral("[LOG_ERROR]main ")).isEmpty());
}

TEST(Entry, CreatesCartalineFolderBeforeAnythingElse)
{
    const Installation installation;
    installation.run({});
    EXPECT_TRUE(QFileInfo(QString::fromStdString(installation.appData() + "/Cartaline")).isDir());
}

} // namespace
