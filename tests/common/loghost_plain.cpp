// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "loghost_plain.h"

#include "log_p.h"

#include <mutex>

namespace {

// The logger calls the host under its own lock; the tests read from other
// threads.
std::mutex hostMutex;
std::string applicationFolder;
std::vector<std::string> debugLines;

} // namespace

namespace loghost {

void setApplicationDir(const std::string& folder)
{
    const std::lock_guard<std::mutex> lock(hostMutex);
    applicationFolder = folder;
}

std::vector<std::string> takeDebugLines()
{
    const std::lock_guard<std::mutex> lock(hostMutex);
    std::vector<std::string> lines;
    lines.swap(debugLines);
    return lines;
}

} // namespace loghost

namespace logcore {

std::string applicationDir()
{
    const std::lock_guard<std::mutex> lock(hostMutex);
    return applicationFolder;
}

std::string applicationName()
{
    return "Wrenhop";
}

void debugOutput(const char* dateTime, const char* tag, const char* function, const char* message)
{
    const std::lock_guard<std::mutex> lock(hostMutex);
    debugLines.push_back(std::string(dateTime) + ' ' + tag + ' ' + (function ? function : "-") + ' ' + message);
}

} // namespace logcore
