// SPDX-License-Identifier: LicenseRef-Wrenhop
// Platform part of the zip extraction.
#pragma once

#include <string>

// Gives a freshly written file the permission bits an archive made on Unix
// recorded for it (mode already reduced to rwx bits). False when that fails.
bool applyUnixMode(const std::string& path, unsigned mode);
