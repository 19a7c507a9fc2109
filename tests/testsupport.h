// SPDX-License-Identifier: LicenseRef-Wrenhop
// The tests' helpers that need Qt, beside the Qt-free ones of
// common/testplatform.h: log files, child runs, privilege drops.
#pragma once

#include "testplatform.h"

// Several tests take Qt's strings from here.
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace testsupport {

using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

// Text as a file opened in text mode holds it: unchanged on POSIX.
inline constexpr auto textFile = [](std::string text) { return text; };

// The log files after the operation ran.
std::string loggedBy(const std::function<void()>& operation);

// Runs a program and collects its exit code and standard output.
struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
RunResult run(const std::string& program, const std::vector<std::string>& args,
              const std::vector<std::string>& extraEnv = {});

// The same command as an unprivileged user, so that file permissions bite
// even when the tests run as root.
std::vector<std::string> unprivileged(const std::string& program, const std::vector<std::string>& args);
// This test program again as the unprivileged user, from a copy that the
// user can reach when running as root.
std::vector<std::string> unprivilegedSelf(const std::vector<std::string>& args);
inline bool runningAsRoot() { return ::geteuid() == 0; }

// As root the tests hand files to the unprivileged user, who may not enter
// the build folder: a clone may lie in a folder that only its owner enters.
// Then TEMP and APPDATA move into a folder that everyone may enter, below
// the system's temporary root, removed at exit. Nothing changes otherwise,
// nor in the children of a program that did it.
void useReachableFoldersAsRoot();

} // namespace testsupport
