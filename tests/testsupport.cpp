// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>

namespace testsupport {

constexpr const char* kReachableRoot = "WRENHOP_TEST_REACHABLE_ROOT";

std::string loggedBy(const std::function<void()>& operation)
{
    operation();
    const QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../log"));
    std::string text;
    for (const QString& name : dir.entryList({QStringLiteral("*.log")}, QDir::Files))
        text += readFile(dir.filePath(name).toStdString());
    return text;
}

RunResult run(const std::string& program, const std::vector<std::string>& args,
              const std::vector<std::string>& extraEnv)
{
    // env sets the extra variables and starts the program.
    QStringList command;
    for (const std::vector<std::string>& part : {extraEnv, {program}, args})
        for (const std::string& arg : part)
            command << QString::fromStdString(arg);
    QProcess process;
    process.start(QStringLiteral("env"), command);
    // Destroying the process object kills a child that did not finish.
    EXPECT_TRUE(process.waitForFinished(30000)) << "did not finish: " << program;
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

std::vector<std::string> unprivileged(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> command = {program};
    command.insert(command.end(), args.begin(), args.end());
    if (runningAsRoot())
        command.insert(command.begin(),
                       {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"});
    return command;
}

std::vector<std::string> unprivilegedSelf(const std::vector<std::string>& args)
{
    QString program = QCoreApplication::applicationFilePath();
    const QString root = qEnvironmentVariable(kReachableRoot);
    if (runningAsRoot() && !root.isEmpty()) {
        const QString copy = root + QLatin1Char('/') + QFileInfo(program).fileName();
        EXPECT_TRUE(QFileInfo::exists(copy) || QFile::copy(program, copy)) << copy.toStdString();
        program = copy;
    }
    return unprivileged(program.toStdString(), args);
}

void useReachableFoldersAsRoot()
{
    if (!runningAsRoot() || qEnvironmentVariableIsSet(kReachableRoot))
        return;
    static QTemporaryDir root(QDir::tempPath() + QStringLiteral("/wrenhop-tests-XXXXXX"));
    if (!root.isValid())
        return;
    std::filesystem::permissions(root.path().toStdString(), std::filesystem::perms(0755));
    for (const char* name : {"TEMP", "APPDATA"}) {
        const QString folder = root.path() + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    qputenv(kReachableRoot, QFile::encodeName(root.path()));
}

} // namespace testsupport
