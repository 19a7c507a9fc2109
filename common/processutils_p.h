// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shared by the platform files of the process utilities.
#pragma once

#include <string>
#include <vector>

namespace ProcessUtils::detail {

// The program path with "/" separators, followed by the arguments.
std::vector<std::string> programAndArguments(const std::string& program, const std::vector<std::string>& args);

} // namespace ProcessUtils::detail
