// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice_p.h"

#include <sys/stat.h>

namespace wrenhop::service {

bool applyPermissions(const std::string& path, int permissions)
{
    return ::chmod(path.c_str(), static_cast<mode_t>(permissions)) == 0;
}

} // namespace wrenhop::service
