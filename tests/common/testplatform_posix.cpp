// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testplatform.h"

#include "fileutils_p.h"

#include <cerrno>
#include <cstdlib>

namespace testplatform {

void setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

void setLastError(unsigned long code)
{
    errno = static_cast<int>(code);
    for (const int error : {ENOENT, ENOTDIR, EACCES, EBUSY, ENOSPC, EEXIST}) {
        if (FileUtils::detail::windowsErrorCode(error) == code)
            errno = error;
    }
}

unsigned long directoryNotEmptyCode()
{
    return ENOTEMPTY;
}

} // namespace testplatform
