// SPDX-License-Identifier: LicenseRef-Wrenhop
// What the shared tests take from tests/testsupport.h, without Qt (Debian
// has no Qt for mingw-w64): the scratch folders and files of testplatform.h,
// text files with CR LF and the log lines that writelog_plain.cpp prints.
// Dropping privileges is POSIX's; the Wine run leaves out the cases that do.
#pragma once

#include "testplatform.h"

#include <string>
#include <vector>

namespace testsupport {

using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

inline std::string textFile(std::string text)
{
    for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
        text.insert(at, 1, '\r');
    return text;
}

// The plain writeLog prints its lines.
inline constexpr auto loggedBy = [](auto&& operation) { return testplatform::printedBy(operation); };

struct RunResult {
    int exitCode = -1;
    std::string err;
};

inline bool runningAsRoot() { return false; }
inline std::vector<std::string> unprivilegedSelf(const std::vector<std::string>&) { return {{}}; }

inline RunResult run(const std::string&, const std::vector<std::string>&, const std::vector<std::string>& = {})
{
    ADD_FAILURE() << "no unprivileged runs on Windows";
    return {};
}

} // namespace testsupport
