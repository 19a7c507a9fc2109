// SPDX-License-Identifier: LicenseRef-Wrenhop
// The logger's core, free of Qt so that it builds and is tested where Qt is
// not available. The framework's side (log.cpp; a plain one in the Windows
// tests) defines the three functions of the host.
#pragma once

#include <string>

namespace logcore {

// The host: the program's folder (empty while the framework cannot tell it
// yet), the start of every file name, and the framework's debug output of a
// line (function null for the scenes' lines). Called under the logger's lock.
std::string applicationDir();
std::string applicationName();
void debugOutput(const char* dateTime, const char* tag, const char* function, const char* message);

// One line; function null marks a line of the scenes.
void writeLine(int level, const char* function, const char* message);
// The folder of the files; empty until a line fixed it.
std::string logDir();

} // namespace logcore
