// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shared parts of the manager tests: each case in an installation of its own,
// an HTTP server on 127.0.0.1, archives, manifests, snapshots and the log.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace httplib {
class Server;
}

namespace managertest {

// The manager, the service and the logger are process-wide and read their
// folders once, so every case runs as a child process from a copy of this
// program in <scratch>/install/package, with TEMP, APPDATA and the stand-in's
// record in <scratch> too. The install path is then <scratch>/install and the
// log goes to <scratch>/install/log.
bool insideOwnInstallation();
void runInOwnInstallation();

#define RUN_IN_OWN_INSTALLATION()                 \
    if (!::managertest::insideOwnInstallation()) { \
        ::managertest::runInOwnInstallation();     \
        return;                                    \
    }

// Inside the child: <scratch>, <scratch>/install and the stand-in's record.
std::string scratchRoot();
std::string installRoot();
std::string restartRecordPath();

// Spins the event loop until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 30000);

// "run N" and "exit N" for each state machine line of the log, in order.
std::vector<std::string> stateTrace();
std::string logText();

// The lines of the result log (without their line ends).
std::vector<std::string> resultLogLines();
// True when the line is the expected one with "#" standing for the time.
bool matchesResultLine(const std::string& line, const std::string& expected);

// Serves bytes per path on a free port of 127.0.0.1 until destroyed; other
// paths answer 404.
class PackageServer
{
public:
    PackageServer();
    ~PackageServer();
    PackageServer(const PackageServer&) = delete;
    PackageServer& operator=(const PackageServer&) = delete;

    void put(const std::string& path, std::string bytes, int status = 200);
    std::string host() const; // "http://127.0.0.1:<port>"
    int requests(const std::string& path) const;

private:
    struct Answer {
        std::string bytes;
        int status = 200;
    };

    std::unique_ptr<httplib::Server> mServer;
    std::thread mThread;
    int mPort = 0;
    mutable std::mutex mMutex;
    std::map<std::string, Answer> mAnswers;
    std::map<std::string, int> mRequests;
};

// A port on 127.0.0.1 that nobody listens on.
int closedPort();

std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& entries);
std::string sha1Hex(const std::string& bytes);

struct Manifest {
    std::string version = "2.2.0";
    std::string packagePlatform = "windows";
    std::string host;
    std::string source = "/files/update_win.zip";
    std::string hash;
    std::string size;
    std::string filePlatform = "windows";
    std::string package = "update_win";
    std::string exec = "Cartaline.exe";
    std::string permissions = "0755";
};
std::string manifestXml(const Manifest& manifest);
// Where the program reads it: <TEMP>/CaL/packageInfo.xml.
void writeManifest(const Manifest& manifest);

// Paths below root with their bytes and modes; folders end in "/". The log
// folder is left out: the run writes it.
using Snapshot = std::map<std::string, std::pair<std::string, unsigned>>;
Snapshot snapshot(const std::string& root);

} // namespace managertest
