// SPDX-License-Identifier: LicenseRef-Wrenhop
// The logger's host for the tests built without Qt: the program's folder is
// whatever the test sets, every program is named Wrenhop, and the debug
// output goes nowhere.
#pragma once

#include <string>

namespace loghost {

void setApplicationDir(const std::string& folder);

} // namespace loghost
