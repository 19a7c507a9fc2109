// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "e2esupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>

namespace e2e {

namespace {

unsigned currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

void writeExecutable(const std::string& path, const std::string& bytes)
{
    testsupport::writeFile(path, bytes);
    QFile::setPermissions(QString::fromStdString(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                            | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                            | QFile::ExeOther);
}

void layOutOldRelease(const std::string& install, const std::string& standIn)
{
    writeExecutable(install + "/package/Cartaline.exe", standIn + "\n#2.1.0");
    testsupport::writeFile(install + "/package/data/maps.dat", "old maps");
    testsupport::writeFile(install + "/package/readme.txt", "kept as it is");
}

Sandbox::Sandbox()
    : mStandIn(testsupport::readFile(CARTALINE_STANDIN))
{
    EXPECT_FALSE(mStandIn.empty());
    writeExecutable(install() + "/package/Wrenhop", testsupport::readFile(WRENHOP_EXECUTABLE));
    layOutOldRelease(install(), mStandIn);
    QDir().mkpath(QString::fromStdString(temp() + "/CaL"));
    QDir().mkpath(QString::fromStdString(appdata()));
}

Sandbox::~Sandbox()
{
    // The scratch folder must stay removable for a user who is not root.
    std::error_code ignored;
    for (const std::string& folder : readOnlyFolders())
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
}

std::vector<std::string> Sandbox::readOnlyFolders() const
{
    return {install(), install() + "/package", install() + "/package/data"};
}

void Sandbox::makeInstallationReadOnlyFor65534()
{
    namespace fs = std::filesystem;
    QDir().mkpath(QString::fromStdString(install() + "/log"));
    if (testsupport::runningAsRoot()) {
        ASSERT_EQ(::lchown(root().c_str(), 65534, 65534), 0);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root()))
            ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0) << entry.path();
        fs::permissions(root(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    }
    for (const std::string& folder : readOnlyFolders())
        fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
}

std::string Sandbox::logText() const
{
    const QDir dir(QString::fromStdString(install() + "/log"));
    std::string text;
    for (const QString& name : dir.entryList({QStringLiteral("Wrenhop *.log")}, QDir::Files, QDir::Name))
        text += testsupport::readFile(dir.filePath(name).toStdString());
    return text;
}

std::vector<std::string> Sandbox::resultLines() const
{
    std::vector<std::string> lines;
    std::istringstream in(testsupport::readFile(appdata() + "/Cartaline/error_log1.log"));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::pair<std::string, std::string>> newReleaseEntries(const std::string& standIn)
{
    return {{"package/Cartaline.exe", standIn + "\n#2.2.0"},
            {"package/data/maps.dat", "new maps"},
            {"package/data/poi/added.dat", "a file in a new folder"}};
}

managertest::Snapshot withEntries(managertest::Snapshot installation,
                                  const std::vector<std::pair<std::string, std::string>>& entries)
{
    // Unpacked files get the default modes; the manifest makes Cartaline
    // executable.
    const unsigned fileMode = 0666 & ~currentUmask();
    const unsigned folderMode = 0777 & ~currentUmask();
    for (const auto& [name, bytes] : entries) {
        installation[name] = {bytes, name == "package/Cartaline.exe" ? 0755u : fileMode};
        for (auto slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1)) {
            const std::string folder = name.substr(0, slash + 1);
            if (!installation.count(folder))
                installation[folder] = {std::string(), folderMode};
        }
    }
    return installation;
}

Program::Program(const Sandbox& sandbox, const std::string& mode, bool unprivileged)
    : mSandbox(sandbox)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TEMP"), QString::fromStdString(sandbox.temp()));
    env.insert(QStringLiteral("APPDATA"), QString::fromStdString(sandbox.appdata()));
    env.insert(QStringLiteral("CARTALINE_STANDIN_RECORD"), QString::fromStdString(sandbox.record()));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    // The unprivileged user may not write the QML cache in root's home.
    env.insert(QStringLiteral("QML_DISABLE_DISK_CACHE"), QStringLiteral("1"));
    mProcess.setProcessEnvironment(env);
    mProcess.setWorkingDirectory(QString::fromStdString(sandbox.install() + "/package"));
    mProcess.setStandardOutputFile(QProcess::nullDevice());
    mProcess.setStandardErrorFile(QString::fromStdString(sandbox.root() + "/stderr.txt"));
    std::vector<std::string> command{sandbox.install() + "/package/Wrenhop", "Cartaline", "2.1.0", mode};
    if (unprivileged)
        command = testsupport::unprivileged(command.front(), {command.begin() + 1, command.end()});
    QStringList args;
    for (auto it = command.begin() + 1; it != command.end(); ++it)
        args << QString::fromStdString(*it);
    mProcess.start(QString::fromStdString(command.front()), args);
    EXPECT_TRUE(mProcess.waitForStarted(10000));
}

Program::~Program()
{
    end();
}

bool Program::waitForLog(const std::string& text, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (mSandbox.logText().find(text) == std::string::npos) {
        if (!running() || std::chrono::steady_clock::now() > deadline)
            return mSandbox.logText().find(text) != std::string::npos;
        mProcess.waitForFinished(20);
    }
    return true;
}

int Program::waitForExit(int timeoutMs)
{
    if (!mProcess.waitForFinished(timeoutMs) || mProcess.exitStatus() != QProcess::NormalExit)
        return -1;
    return mProcess.exitCode();
}

void Program::end()
{
    if (running()) {
        mProcess.kill();
        mProcess.waitForFinished(10000);
    }
}

std::string Program::errorOutput() const
{
    return testsupport::readFile(mSandbox.root() + "/stderr.txt");
}

} // namespace e2e
