// SPDX-License-Identifier: LicenseRef-Wrenhop
// Starting other programs: the restart of Cartaline and the brand web pages.
#pragma once

#include <string>
#include <vector>

namespace ProcessUtils {

// 0 when started and noWait is set; otherwise the child's exit code once it
// has ended (on POSIX 128 + signal number when a signal ended it), -1 when
// waiting failed. -8 when the program could not be started.
int runWindows(const std::string& program, const std::vector<std::string>& args, bool noWait);
int runWindows(const std::string& program, const std::vector<std::string>& args);

// Every element followed by one blank; elements holding a blank are quoted
// unless they already are.
std::string buildCommandLine(const std::vector<std::string>& args);

// Opens the address with the user's browser and returns at once; on Windows
// through the shell's start command, the address protected only by quotes.
void openURL(const std::string& url);

} // namespace ProcessUtils
