// SPDX-License-Identifier: LicenseRef-Wrenhop
#include <string>

#include <windows.h>

std::string platformDetails()
{
    return std::string("cmd:") + ::GetCommandLineA() + "\n";
}
