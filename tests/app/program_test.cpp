// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program, started as Cartaline starts it, runs a whole update from
// a server on 127.0.0.1 with its windows (offscreen) and restarts Cartaline.
#include "managertestsupport.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>

using namespace managertest;

namespace {

void writeExecutable(const std::string& path, const std::string& bytes)
{
    testsupport::writeFile(path, bytes);
    QFile::setPermissions(QString::fromStdString(path),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
}

// "qrc:/qml/Scene.qml:12: ..." is how the QML engine reports a fault.
bool hasQmlWarning(const std::string& output)
{
    return QString::fromStdString(output).contains(QRegularExpression(QStringLiteral("\\.qml:\\d+")));
}

} // namespace

TEST(Program, NormalModeUpdatesRestartsCartalineAndExitsZero)
{
    testsupport::ScratchDir scratch;
    const std::string install = scratch.file("install");
    const std::string standIn = testsupport::readFile(CARTALINE_STANDIN);
    ASSERT_FALSE(standIn.empty());
    writeExecutable(install + "/package/Wrenhop", testsupport::readFile(WRENHOP_EXECUTABLE));
    writeExecutable(install + "/package/Cartaline.exe", standIn + "\n#2.1.0");
    testsupport::writeFile(install + "/package/data/maps.dat", "old maps");
    QDir().mkpath(QString::fromStdString(scratch.file("appdata")));

    PackageServer server;
    const std::string archive =
        zipBytes({{"package/Cartaline.exe", standIn + "\n#2.2.0"}, {"package/data/maps.dat", "new maps"}});
    server.put("/files/update_win.zip", archive);
    Manifest manifest;
    manifest.host = server.host();
    manifest.hash = sha1Hex(archive);
    manifest.size = std::to_string(archive.size());
    testsupport::writeFile(scratch.file("temp/CaL/packageInfo.xml"), manifestXml(manifest));

    const testsupport::RunResult run = testsupport::run(
        install + "/package/Wrenhop", {"Cartaline", "2.1.0", "0"},
        {"TEMP=" + scratch.file("temp"), "APPDATA=" + scratch.file("appdata"),
         "CARTALINE_STANDIN_RECORD=" + scratch.file("restart.record")},
        60000);

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(server.requests("/files/update_win.zip"), 1);
    EXPECT_EQ(testsupport::readFile(install + "/package/data/maps.dat"), "new maps");
    EXPECT_NE(testsupport::readFile(scratch.file("restart.record")).find("args: 1\narg: Wrenhop\nend\n"),
              std::string::npos);
    // State 5 switches to the installing scene, state 10 ends the run.
    EXPECT_NE(run.err.find("run onStateMachine (state:5)"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("exit onStateMachine (state:10)"), std::string::npos) << run.err;
    EXPECT_FALSE(hasQmlWarning(run.err)) << run.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(scratch.file("temp/CaL"))));
}

// Without a manifest the run stops at its notice; the tuning mode still
// reads nothing but shows its first scene, and neither writes a result line.
TEST(Program, TuningModeStartsNoUpdate)
{
    testsupport::ScratchDir scratch;
    const std::string install = scratch.file("install");
    writeExecutable(install + "/package/Wrenhop", testsupport::readFile(WRENHOP_EXECUTABLE));
    QDir().mkpath(QString::fromStdString(scratch.file("appdata")));
    PackageServer server;
    server.put("/files/update_win.zip", "never fetched");
    Manifest manifest;
    manifest.host = server.host();
    testsupport::writeFile(scratch.file("temp/CaL/packageInfo.xml"), manifestXml(manifest));

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TEMP"), QString::fromStdString(scratch.file("temp")));
    env.insert(QStringLiteral("APPDATA"), QString::fromStdString(scratch.file("appdata")));
    program.setProcessEnvironment(env);
    program.start(QString::fromStdString(install + "/package/Wrenhop"),
                  {QStringLiteral("Cartaline"), QStringLiteral("2.1.0"), QStringLiteral("1")});
    QByteArray output;
    for (int waits = 0; waits < 300 && !output.contains("Wrenhop UI/UX tuning start"); ++waits) {
        program.waitForReadyRead(100);
        output += program.readAllStandardError();
    }
    // Everything of the start-up has run once the event loop is entered.
    program.waitForReadyRead(500);
    output += program.readAllStandardError();
    program.kill();
    program.waitForFinished();

    EXPECT_TRUE(output.contains("Wrenhop UI/UX tuning start")) << output.toStdString();
    EXPECT_TRUE(output.contains("Load packageInfo.xml")) << output.toStdString();
    EXPECT_EQ(server.requests("/files/update_win.zip"), 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(scratch.file("appdata/Cartaline/error_log1.log"))));
    EXPECT_FALSE(hasQmlWarning(output.toStdString())) << output.toStdString();
}
