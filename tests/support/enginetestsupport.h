// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shared parts of the update engine tests: a package server, archives,
// manifests, installations and their snapshots, the logs, the program.
#pragma once

#include "registration.h"
#include "testsupport.h"
#include "wrenhopservice.h"

#include <QCryptographicHash>
#include <QProcess>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class WrenhopManager;

namespace httplib {
class Server;
}

namespace enginetest {

// Serves, on a free port of 127.0.0.1 until destroyed, the bytes put() for a
// path (404 for any other path) with an ETag, honouring "Range: bytes=N-"
// and If-Range, and, for such a path P:
//   /redirect/<n>P  n redirects, then P
//   /stall P        announces the whole length, sends a tenth, stalls
//   /slow P         2 bytes every 50 ms
class PackageServer
{
public:
    PackageServer();
    ~PackageServer();

    // With an ETag made from the bytes.
    void put(const std::string& path, std::string bytes, int status = 200);
    // The next answer for the path hangs up after that many body bytes.
    void dropNext(const std::string& path, std::size_t after);
    std::string host() const { return "http://127.0.0.1:" + std::to_string(mPort); }
    int requests(const std::string& path) const;
    // A header of the last request; empty when it had none.
    std::string lastHeader(const std::string& name) const;

private:
    struct Answer {
        std::string bytes = "<html>not here</html>";
        int status = 404;
        std::string etag;
        std::size_t cut = std::string::npos;
    };

    std::unique_ptr<httplib::Server> mServer;
    std::thread mThread;
    int mPort = 0;
    std::atomic<bool> mStopping{false};
    mutable std::mutex mMutex;
    std::map<std::string, Answer> mAnswers;
    std::map<std::string, int> mRequests;
    std::map<std::string, std::string> mLastHeaders;
};

class Recorder : public wrenhop::service::IWrenhopService
{
public:
    void onStateChanged(const int& state, double value) override;
    std::vector<std::pair<int, double>> events() const;

private:
    mutable std::mutex mMutex;
    std::vector<std::pair<int, double>> mEvents;
};

// The context, but the installation and the work folder when given, and
// transfer limits short enough for tests (2 s to connect, a 1 s window).
RunContext testContext(const std::string& installPath = {}, const std::string& workFolder = {},
                       RunContext context = RunContext::ofProcess());

// A run of its own below a scratch folder: the installation
// <scratch>/install, TEMP (with the work folder and the run lock), the data
// folder and the restarted stand-in's record beside it; in-process, as CTest
// runs each case in a process of its own. Its context is registered for the
// path functions; the first manager() builds the service and the manager,
// which read the manifest, and registers them for getInstance(). The log
// folder is the process's: read its lines through a LogTail.
class OwnRun
{
public:
    OwnRun();
    ~OwnRun();
    WrenhopManager& manager();
    std::string restartRecord() const { return scratch.file("restart.record"); }

    testsupport::ScratchDir scratch;
    const std::string install = scratch.file("install");

private:
    struct Objects;
    const RunContext mContext;
    Registration<const RunContext> mRegistration{mContext};
    std::unique_ptr<Objects> mObjects;
};

using Entries = std::vector<std::pair<std::string, std::string>>;
// The entry at badCrcEntry is stored raw with a wrong CRC in its headers;
// a comment makes the archive as large as size.
std::string zipBytes(const Entries& entries, int badCrcEntry = -1, std::size_t size = 0);
std::string hashHex(const std::string& bytes, QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha1);

struct Manifest {
    std::string host;
    std::string source = "/files/update_win.zip";
    std::string hash;
    std::string size;
    std::string filePlatform = "windows";
    std::string package = "update_win";
    std::string exec = "Cartaline.exe";
    std::string permissions = "0755";
};
// As packageInfo.xml in the work folder.
void writeManifest(const Manifest& manifest, const std::string& folder = wrenhop::service::DOWNLOAD_DIR_PATH());
// The manifest for these bytes served at its source.
Manifest served(PackageServer& server, const std::string& bytes, Manifest manifest = {});

// Cartaline 2.1.0 (the stand-in), a data file and a file no release touches;
// the entries of 2.2.0, which replace the first two and add one in a new
// folder.
Entries layOutOldRelease(const std::string& install, const std::string& standIn);

// Paths below root with their bytes and modes; folders end in "/". A log
// folder at the top is left out: a run writes it.
using Snapshot = std::map<std::string, std::pair<std::string, unsigned>>;
Snapshot snapshot(const std::string& root);
// The snapshot with the entries written over it in the unpacker's modes,
// Cartaline's executable 0755.
Snapshot withEntries(Snapshot installation, const Entries& entries);

// The lines of a result log (default: this process's) without their line
// ends, each time as "#".
std::vector<std::string> resultLines(const std::string& path = {});
// The line of an update from 2.1.0 to 2.2.0.
inline constexpr const char* kSuccessLine = "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]";

// <scratch>/install/package holds a copy of the program; TEMP (with the work
// folder), APPDATA, the restarted stand-in's record and the program's error
// output lie in <scratch>. The folders in readOnly are made writable again
// at the end, so that a user who is not root can remove them.
class Sandbox
{
public:
    explicit Sandbox(const std::string& program);
    ~Sandbox();

    std::string path(const std::string& relative) const { return scratch.file(relative); }
    std::string logText() const;
    std::vector<std::string> resultLines() const;

    testsupport::ScratchDir scratch;
    const std::string install = scratch.file("install");
    std::string logFolder = install + "/log";
    std::vector<std::string> readOnly;
};

// One start of the sandbox's program, with the extra environment and, when
// asked, as the unprivileged user; ended by its PID at the latest with the
// object.
class Program
{
public:
    Program(const Sandbox& sandbox, const std::vector<std::string>& args, const QStringList& env = {},
            bool unprivileged = false);
    ~Program() { end(); }

    // True once the log holds the text that often; false when the program
    // ended first or a minute passed.
    bool waitForLog(const std::string& text, int times = 1);
    // The exit code, or -1 when it did not exit normally within a minute.
    int waitForExit();
    // Kills the program as a crash would.
    void end();

    QProcess process;
    const Sandbox& sandbox;
};

// The states that a log's state machine lines name, in order, but the
// download's progress (3): "N" where state N runs, "N." where the machine
// stops after it; e.g. "2 11 11.".
std::string stateTrace(const std::string& log);

// The lines this process logs while the object lives (other processes may
// write the same log files meanwhile).
class LogTail
{
public:
    LogTail();
    ~LogTail();
    std::string text() const;
};

} // namespace enginetest
