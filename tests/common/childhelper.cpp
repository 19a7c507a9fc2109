// SPDX-License-Identifier: LicenseRef-Wrenhop
// The child program of the process and file tests:
//   exit CODE             ends with CODE
//   record FILE [ARG...]  writes its arguments ("arg:" lines) and what the
//                         platform tells about its start to FILE
//   wait GO DONE          waits until the file GO exists, then writes DONE
//   copy|rename SRC DST, remove FILE, mkdirs PATH
//                         runs the file operation (for runs without privileges)
// and the modes of childhelper_posix.cpp / childhelper_win.cpp.
#include "childhelper_p.h"
#include "fileutils.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

int record(int argc, char** argv)
{
    const std::string details = platformDetails();
    std::ofstream out(argv[2], std::ios::binary);
    for (int i = 0; i < argc; ++i)
        out << "arg:" << argv[i] << '\n';
    out << details;
    return out ? 0 : 1;
}

int waitForGo(const std::string& go, const std::string& done)
{
    if (!waitForFile(go))
        return 1;
    std::ofstream out(done, std::ios::binary);
    out << "done\n";
    return out ? 0 : 1;
}

} // namespace

bool waitForFile(const std::string& path)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!std::ifstream(path)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 100;
    const std::string mode = argv[1];
    if (mode == "exit" && argc == 3)
        return std::atoi(argv[2]);
    if (mode == "record" && argc >= 3)
        return record(argc, argv);
    if (mode == "wait" && argc == 4)
        return waitForGo(argv[2], argv[3]);
    if (mode == "copy" && argc == 4)
        FileUtils::copyFile(argv[2], argv[3]);
    else if (mode == "rename" && argc == 4)
        FileUtils::rename(argv[2], argv[3]);
    else if (mode == "remove" && argc == 3)
        FileUtils::removeFile(argv[2]);
    else if (mode == "mkdirs" && argc == 3)
        FileUtils::createDirectories(argv[2]);
    else
        return runPlatformMode(argc, argv);
    return 0;
}
