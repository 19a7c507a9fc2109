// SPDX-License-Identifier: LicenseRef-Wrenhop
// The child program of the file and process tests:
//   exit CODE              ends with CODE
//   signal                 ends by SIGTERM
//   record FILE [ARG...]   writes its arguments ("arg:" lines) and what only
//                          the platform tells about its start to FILE
//   wait FOLDER [FILE]     holds FILE open (without delete sharing on
//                          Windows), writes FOLDER/ready, waits for
//                          FOLDER/go, writes FOLDER/done
//   copy|rename SRC DST, remove FILE
//                          runs the file operation (for runs without
//                          privileges); ends with 1 when it answered false
#include "fileutils.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

// childhelper_posix.cpp / childhelper_win.cpp: "fd:" lines and the state of
// two signals on POSIX, the command line as Windows passed it ("cmd:") on
// Windows.
std::string platformDetails();

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "exit" && argc == 3)
        return std::atoi(argv[2]);
    if (mode == "signal")
        return std::raise(SIGTERM);
    if (mode == "record" && argc >= 3) {
        std::string text;
        for (int i = 0; i < argc; ++i)
            text += "arg:" + std::string(argv[i]) + '\n';
        text += platformDetails(); // before the file is open
        return std::ofstream(argv[2], std::ios::binary) << text ? 0 : 1;
    }
    if (mode == "wait" && (argc == 3 || argc == 4)) {
        std::ifstream held = argc == 4 ? std::ifstream(argv[3]) : std::ifstream();
        const std::string folder = argv[2];
        std::ofstream(folder + "/ready") << "ready\n";
        // After a minute a failed test leaves no program behind.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!std::ifstream(folder + "/go")) {
            if (std::chrono::steady_clock::now() > deadline)
                return 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        held.close();
        return std::ofstream(folder + "/done") << "done\n" ? 0 : 1;
    }
    if ((mode == "copy" || mode == "rename") && argc == 4)
        return (mode == "copy" ? FileUtils::copyFile : FileUtils::rename)(argv[2], argv[3]) ? 0 : 1;
    if (mode == "remove" && argc == 3)
        return FileUtils::removeFile(argv[2]) ? 0 : 1;
    return 100;
}
