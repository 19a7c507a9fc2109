// SPDX-License-Identifier: LicenseRef-Wrenhop
// The child program's Windows mode:
//   hold FILE READY GO    holds FILE open without delete sharing, writes
//                         READY, and closes FILE once GO exists
// "record" adds the command line as the process received it ("cmd:" line).
#include "childhelper_p.h"

#include <fstream>
#include <string>

#include <windows.h>

namespace {

int hold(const std::string& file, const std::string& ready, const std::string& go)
{
    const HANDLE handle = ::CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 1;
    std::ofstream(ready, std::ios::binary) << "ready\n";
    const bool released = waitForFile(go);
    ::CloseHandle(handle);
    return released ? 0 : 1;
}

} // namespace

int runPlatformMode(int argc, char** argv)
{
    const std::string mode = argv[1];
    if (mode == "hold" && argc == 5)
        return hold(argv[2], argv[3], argv[4]);
    return 100;
}

std::string platformDetails()
{
    return std::string("cmd:") + ::GetCommandLineA() + "\n";
}
