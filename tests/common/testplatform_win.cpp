// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testplatform.h"

#include <cstdlib>

#include <windows.h>

namespace testplatform {

void setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    // An empty value removes the variable.
    ::_putenv_s(name.c_str(), value ? value->c_str() : "");
}

void setLastError(unsigned long code)
{
    ::SetLastError(code);
}

unsigned long directoryNotEmptyCode()
{
    return ERROR_DIR_NOT_EMPTY;
}

} // namespace testplatform
