// SPDX-License-Identifier: LicenseRef-Wrenhop
// The logger's host for the tests built without Qt: the program's folder is
// whatever the test sets, every program is named Wrenhop, and the debug
// output is kept for the test to read.
#pragma once

#include <string>
#include <vector>

namespace loghost {

void setApplicationDir(const std::string& folder);
// One "<dateTime> <tag> <function> <message>" line per debug output; the
// function is "-" for the scenes' lines.
std::vector<std::string> takeDebugLines();

} // namespace loghost
