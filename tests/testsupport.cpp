// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <unistd.h>

namespace testsupport {

constexpr const char* kReachableRoot = "WRENHOP_TEST_REACHABLE_ROOT";

std::string loggedBy(const std::function<void()>& operation)
{
    const auto logs = [] {
        const QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../log"));
        std::string text;
        for (const QString& name : dir.entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name))
            text += readFile(dir.filePath(name).toStdString());
        return text;
    };
    const std::string before = logs();
    operation();
    const std::string after = logs();
    return after.compare(0, before.size(), before) == 0 ? after.substr(before.size()) : after;
}

RunResult run(const std::string& program, const std::vector<std::string>& args,
              const std::vector<std::string>& extraEnv, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const std::string& entry : extraEnv) {
        const auto eq = entry.find('=');
        env.insert(QString::fromStdString(entry.substr(0, eq)), QString::fromStdString(entry.substr(eq + 1)));
    }
    process.setProcessEnvironment(env);
    QStringList qargs;
    for (const std::string& arg : args)
        qargs << QString::fromStdString(arg);
    process.start(QString::fromStdString(program), qargs);
    RunResult result;
    if (!process.waitForStarted(timeoutMs) || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "did not finish: " << program;
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

std::vector<std::string> unprivileged(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> command;
    if (runningAsRoot())
        command = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
    command.push_back(program);
    command.insert(command.end(), args.begin(), args.end());
    return command;
}

std::vector<std::string> unprivilegedSelf(const std::vector<std::string>& args)
{
    QString program = QCoreApplication::applicationFilePath();
    const QString root = qEnvironmentVariable(kReachableRoot);
    if (runningAsRoot() && !root.isEmpty()) {
        const QString copy = root + QStringLiteral("/bin/") + QFileInfo(program).fileName();
        if (!QFileInfo::exists(copy)) {
            QDir().mkpath(QFileInfo(copy).path());
            EXPECT_TRUE(QFile::copy(program, copy)) << copy.toStdString();
        }
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
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char* name : {"TEMP", "APPDATA"}) {
        const QString folder = root.path() + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    qputenv(kReachableRoot, QFile::encodeName(root.path()));
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace testsupport
