// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "loghost_plain.h"

#include "log_p.h"

#include <mutex>

namespace {

// The logger calls the host under its own lock; the tests set the folder
// from their own thread.
std::mutex hostMutex;
std::string applicationFolder;

} // namespace

namespace loghost {

void setApplicationDir(const std::string& folder)
{
    const std::lock_guard<std::mutex> lock(hostMutex);
    applicationFolder = folder;
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

void debugOutput(const char*, const char*, const char*, const char*)
{
}

} // namespace logcore
