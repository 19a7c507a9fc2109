// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "systemservice.h"

#include "runcontext.h"
#include "writelog.h"

const std::string& SETTINGS_FILE_PATH()
{
    return runContext().settingsFile;
}

SystemService::SystemService()
{
    writeLog(LOG_INFO, "SystemService::SystemService", "...");
}

SystemService::SystemService(std::string settingsPath)
    : INI(std::move(settingsPath))
{
    writeLog(LOG_INFO, "SystemService::SystemService", "...");
}

void SystemService::getCalINI(CalKey key, std::string& value, CalSection section) const
{
    writeLog(LOG_INFO, "SystemService::getCalINI", "...");
    value = getValue(key, section);
    writeLog(LOG_INFO, "SystemService::getCalINI", "%s : [%s]", keyName(key).c_str(), loggableValue(keyName(key), value));
}
