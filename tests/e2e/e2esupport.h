// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program in an installation of its own: a sandbox laid out as
// Cartaline's, the program started as Cartaline starts it, its log read from
// the installation's log folder.
#pragma once

#include "managertestsupport.h"
#include "testsupport.h"

#include <QProcess>

#include <string>
#include <vector>

namespace e2e {

// <scratch>/install/package holds the program and the old release; TEMP,
// APPDATA and the restarted stand-in's record lie in <scratch> too.
class Sandbox
{
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    std::string install() const { return mScratch.file("install"); }
    std::string temp() const { return mScratch.file("temp"); }
    std::string appdata() const { return mScratch.file("appdata"); }
    std::string record() const { return mScratch.file("restart.record"); }
    std::string root() const { return mScratch.path(); }
    const std::string& standIn() const { return mStandIn; }

    // Everything below <scratch> handed to the unprivileged user, with the
    // installation itself read-only for it (the log folder stays writable).
    void makeInstallationReadOnlyFor65534();

    std::string logText() const;
    std::vector<std::string> resultLines() const;
    std::string restartRecord() const { return testsupport::readFile(record()); }

private:
    std::vector<std::string> readOnlyFolders() const;

    testsupport::ScratchDir mScratch;
    std::string mStandIn;
};

void writeExecutable(const std::string& path, const std::string& bytes);
// Cartaline 2.1.0 (the stand-in), a data file and a file no release touches.
void layOutOldRelease(const std::string& install, const std::string& standIn);

// The new release as archive entries, and the installation it must leave:
// the old one with these entries written over it.
std::vector<std::pair<std::string, std::string>> newReleaseEntries(const std::string& standIn);
managertest::Snapshot withEntries(managertest::Snapshot installation,
                                  const std::vector<std::pair<std::string, std::string>>& entries);

// One start of the program, as Cartaline starts it.
class Program
{
public:
    Program(const Sandbox& sandbox, const std::string& mode, bool unprivileged = false);
    ~Program();

    // True once the log holds the text; false when the program ended first
    // or the time ran out.
    bool waitForLog(const std::string& text, int timeoutMs = 60000);
    // The exit code, or -1 when it did not exit normally in time.
    int waitForExit(int timeoutMs = 60000);
    bool running() const { return mProcess.state() != QProcess::NotRunning; }
    // Ends the program by its PID.
    void end();
    std::string errorOutput() const;

private:
    const Sandbox& mSandbox;
    QProcess mProcess;
};

} // namespace e2e
