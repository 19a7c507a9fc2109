// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shared parts of the update engine tests: an HTTP server on 127.0.0.1,
// archives, manifests, folder snapshots, the logs, and a child process per
// case in an installation of its own.
#pragma once

#include "wrenhopmanager.h"
#include "wrenhopservice.h"

#include <atomic>
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

namespace enginetest {

// Serves, on a free port of 127.0.0.1 until destroyed, the bytes put() for a
// path (404 for any other path) with an ETag, honouring "Range: bytes=N-"
// and If-Range, and, for such a path P:
//   /redirect/<n>P  n redirects, then P
//   /goto/<url>     a redirect to the URL
//   /drop P         announces the whole length, sends a tenth, hangs up
//   /stall P        announces the whole length, sends a tenth, stalls
//   /nolength P     chunked, without a length
//   /trickle P      in steps of a tenth, one write each
//   /slow P         2 bytes every 50 ms
class PackageServer
{
public:
    PackageServer();
    ~PackageServer();
    PackageServer(const PackageServer&) = delete;
    PackageServer& operator=(const PackageServer&) = delete;

    // The ETag is made from the bytes.
    void put(const std::string& path, std::string bytes, int status = 200);
    // The next answer for the path hangs up after that many body bytes.
    void dropNext(const std::string& path, std::size_t after);
    void ignoreRanges(bool ignore);
    std::string host() const; // "http://127.0.0.1:<port>"
    int requests(const std::string& path) const;
    int requests() const;
    // A header of the last request; empty when it had none.
    std::string lastHeader(const std::string& name) const;

private:
    struct Answer {
        std::string bytes;
        int status = 404;
        std::string etag;
    };
    Answer answer(const std::string& path);

    std::unique_ptr<httplib::Server> mServer;
    std::thread mThread;
    int mPort = 0;
    std::atomic<bool> mStopping{false};
    mutable std::mutex mMutex;
    std::map<std::string, Answer> mAnswers;
    std::map<std::string, int> mRequests;
    std::map<std::string, std::size_t> mDrops;
    bool mIgnoreRanges = false;
    std::map<std::string, std::string> mLastHeaders;
};

// Records every report the service hands to its listener.
class Recorder : public wrenhop::service::IWrenhopService
{
public:
    void onStateChanged(const int& state, double value) override;
    std::vector<std::pair<int, double>> events() const;

private:
    mutable std::mutex mMutex;
    std::vector<std::pair<int, double>> mEvents;
};

// The process's folders, the installation at installPath when given, and
// transfer limits short enough for tests (2 s to connect, a 1 s window).
RunContext testContext(const std::string& installPath = {});

// This process's service and manager, built on the first call for the
// installation at installRoot() and registered for getInstance().
WrenhopManager& ownRun();

// A port on 127.0.0.1 that nobody listens on.
int closedPort();

// The entry at badCrcEntry is stored raw with a wrong CRC in its headers.
std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& entries, int badCrcEntry = -1);
std::string sha1Hex(const std::string& bytes);
std::string sha256Hex(const std::string& bytes);

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

// Paths below root with their bytes and modes; folders end in "/". A log
// folder at the top is left out: a run writes it.
using Snapshot = std::map<std::string, std::pair<std::string, unsigned>>;
Snapshot snapshot(const std::string& root);

// The lines this process logs while the object lives.
class LogTail
{
public:
    LogTail();
    ~LogTail();
    LogTail(const LogTail&) = delete;
    LogTail& operator=(const LogTail&) = delete;
    std::string text() const;
};

// The manager, the service and the logger are process-wide and read their
// folders once, so such a case runs as a child process from a copy of this
// program in <scratch>/install/package, with TEMP, APPDATA and the stand-in's
// record in <scratch> too. The install path is then <scratch>/install and the
// log goes to <scratch>/install/log.
bool insideOwnInstallation();
void runInOwnInstallation();

#define RUN_IN_OWN_INSTALLATION()                  \
    if (!::enginetest::insideOwnInstallation()) { \
        ::enginetest::runInOwnInstallation();     \
        return;                                   \
    }

std::string installRoot();
std::string restartRecordPath();

// Spins the event loop until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 30000);

// The program's log files, and "run N" / "exit N" for each of their state
// machine lines, in order.
std::string logText();
std::vector<std::string> stateTrace();

// The lines of the result log (without their line ends).
std::vector<std::string> resultLogLines();
// True when the line is the expected one with "#" standing for the time.
bool matchesResultLine(const std::string& line, const std::string& expected);

} // namespace enginetest
