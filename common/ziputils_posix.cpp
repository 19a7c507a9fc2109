// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ziputils_p.h"

#include <sys/stat.h>

bool applyUnixMode(const std::string& path, unsigned mode)
{
    return ::chmod(path.c_str(), static_cast<mode_t>(mode)) == 0;
}
