// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shared parts of the service tests: an HTTP server on 127.0.0.1, archives,
// a recording listener, folder snapshots and the log tail.
#pragma once

#include "wrenhopservice.h"

#include <atomic>
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

namespace servicetest {

// Serves, on a free port of 127.0.0.1 until destroyed:
//   /files/<name>        the bytes given to put(), with Content-Length
//   /redirect/<n>/<name> n redirects, then /files/<name>
//   /status/<code>       that status with a short HTML body
//   /drop/<name>         announces the whole length, sends half, hangs up
//   /stall/<name>        announces the whole length, sends a tenth, stalls
//   /nolength/<name>     chunked, no length
//   /trickle/<name>      the bytes in steps of a tenth, one write each
class TestServer
{
public:
    TestServer();
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    void put(const std::string& name, std::string bytes);
    std::string host() const; // "http://127.0.0.1:<port>"
    int port() const { return mPort; }
    int requests() const { return mRequests; }
    std::string lastUserAgent() const;

private:
    std::string bytesOf(const std::string& name) const;

    std::unique_ptr<httplib::Server> mServer;
    std::thread mThread;
    int mPort = 0;
    std::atomic<bool> mStopping{false};
    std::atomic<int> mRequests{0};
    mutable std::mutex mMutex;
    std::map<std::string, std::string> mFiles;
    std::string mUserAgent;
};

// A port on 127.0.0.1 that nobody listens on.
int closedPort();

struct ZipEntry
{
    std::string name;
    std::string data;
    bool badCrc = false;
};
std::string zipBytes(const std::vector<ZipEntry>& entries);

std::string sha1Hex(const std::string& bytes);

class RecordingListener : public wrenhop::service::IWrenhopService
{
public:
    void onStateChanged(const int& state, double value) override;
    std::vector<std::pair<int, double>> events() const;
    std::vector<int> states() const;

private:
    mutable std::mutex mMutex;
    std::vector<std::pair<int, double>> mEvents;
};

// Paths below root with their bytes and modes; folders end in "/".
using Snapshot = std::map<std::string, std::pair<std::string, unsigned>>;
Snapshot snapshot(const std::string& root);

// The log lines this process writes while the object lives (the log file
// is shared with the test programs that run beside this one).
class LogTail
{
public:
    LogTail();
    ~LogTail();
    LogTail(const LogTail&) = delete;
    LogTail& operator=(const LogTail&) = delete;
    std::string text() const;
};

struct Manifest
{
    std::string version = "2.0.1";
    std::string host;
    std::string source = "/pkg/update_win.zip";
    std::string hash;
    std::string size;
    std::string package = "update";
    std::string exec = "Cartaline.exe";
    std::string permissions = "0755";
    std::string isMainBinary = "true";
};
std::string manifestXml(const Manifest& manifest);

// Writes the manifest into the download folder and has the service read it.
void loadManifest(const Manifest& manifest);

} // namespace servicetest
