// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ziputils_p.h"

// Windows has no rwx bits; files keep the folder's inherited permissions.
bool applyUnixMode(const std::string&, unsigned)
{
    return true;
}
