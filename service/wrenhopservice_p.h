// SPDX-License-Identifier: LicenseRef-Wrenhop
// Platform parts of the installation.
#pragma once

#include <string>

namespace wrenhop::service {

// Gives the installed executable the manifest's permission bits (already
// masked to 0777). True when done or when the platform has no such bits.
bool applyPermissions(const std::string& path, int permissions);

} // namespace wrenhop::service
