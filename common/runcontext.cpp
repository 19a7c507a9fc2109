// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "runcontext.h"

#include "fileutils.h"
#include "registration.h"

RunContext RunContext::forFolders(const std::string& tempFolder, const std::string& appDataFolder,
                                  const std::string& programFolder)
{
    RunContext context;
    context.workFolder = tempFolder + "CaL";
    context.appDataFolder = appDataFolder;
    context.settingsFile = appDataFolder + "/cal.ini";
    context.resultLogFile = appDataFolder + "/error_log1.log";
    context.installPath = installPathFromProgramFolder(programFolder, &context.installPathFound);
    return context;
}

RunContext RunContext::ofProcess()
{
    return forFolders(FileUtils::tempPath(), FileUtils::appDataPath(), FileUtils::applicationDirectory());
}

std::string RunContext::installPathFromProgramFolder(const std::string& programFolder, bool* found)
{
    // Only the last component counts: a parent folder named "packages" must
    // not lose its "/package".
    const std::string suffix = "/package";
    const bool match = programFolder.size() >= suffix.size()
        && programFolder.compare(programFolder.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (found)
        *found = match;
    return match ? programFolder.substr(0, programFolder.size() - suffix.size()) : programFolder;
}

const RunContext& runContext()
{
    if (const RunContext* registered = Registration<const RunContext>::current())
        return *registered;
    static const RunContext process = RunContext::ofProcess();
    return process;
}
