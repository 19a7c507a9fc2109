// SPDX-License-Identifier: LicenseRef-Wrenhop
// The folders and transfer limits of one update run. main builds one from the
// process's environment and registers it (Registration<const RunContext>);
// the path functions the program names read the registered one.
#pragma once

#include <chrono>
#include <string>

struct RunContext {
    // Where Cartaline leaves the manifest and the package is downloaded:
    // <TEMP>/CaL.
    std::string workFolder;
    // Cartaline's data folder, and its settings and result log in it.
    std::string appDataFolder;
    std::string settingsFile;
    std::string resultLogFile;
    // The installation: the program's folder without its last component
    // "package". When the program runs from a folder of any other name
    // (installPathFound false) it is that folder, and nothing is installed.
    std::string installPath;
    bool installPathFound = false;
    // Limits of every transfer.
    std::chrono::milliseconds connectTimeout = std::chrono::seconds(30);
    std::chrono::seconds lowSpeedTime{60};

    // tempFolder as FileUtils::tempPath() gives it (ending in "/" unless
    // empty), appDataFolder Cartaline's own folder.
    static RunContext forFolders(const std::string& tempFolder, const std::string& appDataFolder,
                                 const std::string& programFolder);
    // From TEMP, APPDATA and the running program's folder; creates
    // Cartaline's data folder.
    static RunContext ofProcess();

    static std::string installPathFromProgramFolder(const std::string& programFolder, bool* found);
};

// The registered context; until one is registered, the process's own, built
// on first use.
const RunContext& runContext();
