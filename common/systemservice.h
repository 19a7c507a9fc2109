// SPDX-License-Identifier: LicenseRef-Wrenhop
// Read access to Cartaline's settings file.
#pragma once

#include "ini.h"

#include <string>

// appDataPath() + "/cal.ini", built on first use.
const std::string& SETTINGS_FILE_PATH();
