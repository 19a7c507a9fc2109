// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "processutils.h"

#include "fileutils.h"
#include "processutils_p.h"

namespace ProcessUtils {

int runWindows(const std::string& program, const std::vector<std::string>& args)
{
    return runWindows(program, args, true);
}

std::string buildCommandLine(const std::vector<std::string>& args)
{
    // Windows splits the command line at blanks: an element holding one is
    // quoted unless its caller quoted it already. Tabs are left alone, as are
    // quotes inside an element.
    std::string commandLine;
    for (const std::string& arg : args) {
        const bool quoted = !arg.empty() && arg.front() == '"' && arg.back() == '"';
        if (!quoted && arg.find(' ') != std::string::npos)
            commandLine += '"' + arg + '"';
        else
            commandLine += arg;
        commandLine += ' ';
    }
    return commandLine;
}

namespace detail {

std::vector<std::string> programAndArguments(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> argv;
    argv.reserve(args.size() + 1);
    argv.push_back(FileUtils::toForwardSlashes(program));
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

} // namespace detail

} // namespace ProcessUtils
