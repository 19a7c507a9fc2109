// SPDX-License-Identifier: LicenseRef-Wrenhop
// Read access to Cartaline's settings file.
#pragma once

#include "ini.h"

#include <string>

// The run's settings file: Cartaline's data folder + "/cal.ini".
const std::string& SETTINGS_FILE_PATH();

// Loads and rewrites the settings file once, on construction.
class SystemService : public INI
{
public:
    SystemService();
    explicit SystemService(std::string settingsPath);

    // Sets value to the key of that section, empty when absent.
    void getCalINI(CalKey key, std::string& value, CalSection section) const;
};
