// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice_p.h"

namespace wrenhop::service {

// Windows decides executability by the file name, not by mode bits.
bool applyPermissions(const std::string&, int)
{
    return true;
}

} // namespace wrenhop::service
