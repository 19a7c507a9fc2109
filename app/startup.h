// SPDX-License-Identifier: LicenseRef-Wrenhop
// What main runs once the command line is accepted.
#pragma once

#include <QLockFile>

#include <string>

class QGuiApplication;

// Builds the presentation, then runs one update ("1" as mode: the UI tuning
// mode instead) until something quits the event loop; returns its exit code.
// A normal run started while another one is in progress changes nothing
// and returns 0 without a window.
int runStartup(QGuiApplication* app, const std::string& version, const std::string& mode);

// Keeps two update runs out of the same work folder and installation. The
// lock lies in the temporary folder itself, because the clean-up deletes
// the work folder; the lock of a process that died is taken over.
class UpdateRunLock
{
public:
    explicit UpdateRunLock(const std::string& tempFolder);

    // False while another live process holds the lock.
    bool tryAcquire();

private:
    QLockFile mLockFile;
};
