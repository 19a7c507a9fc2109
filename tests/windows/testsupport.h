// SPDX-License-Identifier: LicenseRef-Wrenhop
// What the shared tests take from tests/testsupport.h, without Qt (Debian
// has no Qt for mingw-w64): the scratch folders and files of testplatform.h.
// Dropping privileges is POSIX's; the Wine run leaves out the cases that do.
#pragma once

#include "testplatform.h"

#include <string>
#include <vector>

namespace testsupport {

using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::vector<std::string> unprivilegedSelf(const std::vector<std::string>&)
{
    return {{}};
}

inline RunResult run(const std::string&, const std::vector<std::string>&, const std::vector<std::string>& = {})
{
    ADD_FAILURE() << "no unprivileged runs on Windows";
    return {};
}

} // namespace testsupport
