// SPDX-License-Identifier: LicenseRef-Wrenhop
// The platform modes of the child program.
#pragma once

#include <string>

// Runs a mode that only this platform has; 100 for an unknown mode.
int runPlatformMode(int argc, char** argv);

// Lines telling what only this platform knows about how the process was
// started; taken before the record file is opened.
std::string platformDetails();

// Waits until the file exists; false after a minute, so that a failed test
// leaves no program behind.
bool waitForFile(const std::string& path);
