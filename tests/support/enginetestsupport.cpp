// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "enginetestsupport.h"

#include "scenecontroller.h"
#include "wrenhopmanager.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>
#include <httplib.h>
#include <zip.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <sstream>

namespace enginetest {

using wrenhop::service::WrenhopService;

using namespace std::chrono_literals;
namespace fs = std::filesystem;

PackageServer::PackageServer()
    : mServer(std::make_unique<httplib::Server>())
{
    httplib::Server& server = *mServer;
    // One request per connection: stop() does not wait for idle connections.
    server.set_keep_alive_max_count(1);
    server.Get(R"(/redirect/(\d+)(/.*))", [](const httplib::Request& request, httplib::Response& response) {
        const int left = std::stoi(request.matches[1]);
        const std::string path = request.matches[2];
        response.set_redirect(left > 0 ? "/redirect/" + std::to_string(left - 1) + path : path);
    });
    server.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        // No regex compiled here: that writes the C++ library's shared locale cache, as the test thread may at once.
        const std::size_t slash = request.path.find('/', 1);
        const std::string first = request.path.substr(1, slash - 1);
        const std::string mode = slash != std::string::npos && (first == "stall" || first == "slow") ? first : "";
        Answer found;
        {
            // What was put for the path, cut when a drop was asked for.
            const std::lock_guard<std::mutex> lock(mMutex);
            Answer& put = mAnswers[mode.empty() ? request.path : request.path.substr(slash)];
            found = put;
            put.cut = std::string::npos;
        }
        // The library would cut the body by the Range header on its own;
        // this server decides itself, and may ignore it.
        const_cast<httplib::Request&>(request).ranges.clear();
        response.status = found.status;
        if (found.status != 200)
            return response.set_content(found.bytes, "text/html");
        std::size_t from = 0;
        const std::string range = request.get_header_value("Range");
        const std::string ifRange = request.get_header_value("If-Range");
        if (mode.empty())
            response.set_header("ETag", found.etag);
        if (mode.empty() && range.rfind("bytes=", 0) == 0 && (ifRange.empty() || ifRange == found.etag)) {
            from = std::stoul(range.substr(6));
            response.status = 206;
            response.set_header("Content-Range", "bytes " + std::to_string(from) + "-"
                                + std::to_string(found.bytes.size() - 1) + "/" + std::to_string(found.bytes.size()));
        }
        auto body = std::make_shared<std::string>(found.bytes.substr(from));
        // Paced: a tenth at a time (2 bytes when slow), every step on its own.
        const std::size_t step = mode == "slow" ? 2 : std::max<std::size_t>(1, body->size() / 10);
        response.set_content_provider(
            body->size(), "application/zip",
            [this, body, mode, step, cut = found.cut](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                while (offset > 0 && mode == "stall" && !mStopping)
                    std::this_thread::sleep_for(20ms);
                if (offset >= cut || mStopping)
                    return false;
                if (!mode.empty())
                    std::this_thread::sleep_for(mode == "slow" ? 50ms : 20ms);
                sink.write(body->data() + offset, std::min({length, cut - offset, mode.empty() ? length : step}));
                return true;
            });
    });
    // Before the answer goes out: a logger runs after it, when the client
    // may already have gone on and the test read the previous request's.
    server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
        const std::lock_guard<std::mutex> lock(mMutex);
        ++mRequests[request.path];
        mLastHeaders = {request.headers.begin(), request.headers.end()};
        return httplib::Server::HandlerResponse::Unhandled;
    });
    mPort = server.bind_to_any_port("127.0.0.1");
    EXPECT_GT(mPort, 0);
    mThread = std::thread([this] { mServer->listen_after_bind(); });
    while (!mServer->is_running())
        std::this_thread::yield();
}

PackageServer::~PackageServer()
{
    mStopping = true;
    mServer->stop();
    mThread.join();
}

void PackageServer::put(const std::string& path, std::string bytes, int status)
{
    std::string etag = '"' + hashHex(bytes).substr(0, 16) + '"';
    const std::lock_guard<std::mutex> lock(mMutex);
    mAnswers[path] = Answer{std::move(bytes), status, std::move(etag)};
}

void PackageServer::dropNext(const std::string& path, std::size_t after)
{
    const std::lock_guard<std::mutex> lock(mMutex);
    mAnswers[path].cut = after;
}

int PackageServer::requests(const std::string& path) const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    return mRequests.count(path) ? mRequests.at(path) : 0;
}

std::string PackageServer::lastHeader(const std::string& name) const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    return mLastHeaders.count(name) ? mLastHeaders.at(name) : std::string();
}

void Recorder::onStateChanged(const int& state, double value)
{
    const std::lock_guard<std::mutex> lock(mMutex);
    mEvents.emplace_back(state, value);
}

std::vector<std::pair<int, double>> Recorder::events() const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    return mEvents;
}

RunContext testContext(const std::string& installPath, const std::string& workFolder, RunContext context)
{
    if (!workFolder.empty())
        context.workFolder = workFolder;
    if (!installPath.empty()) {
        context.installPath = installPath;
        context.installPathFound = true;
    }
    context.connectTimeout = 2s;
    context.lowSpeedTime = 1s;
    return context;
}

struct OwnRun::Objects {
    explicit Objects(const RunContext& context) : service(context) {}
    WrenhopService service;
    Registration<WrenhopService> serviceRegistration{service};
    WrenhopManager manager{service, SceneController::getInstance()};
    Registration<WrenhopManager> managerRegistration{manager};
};

OwnRun::OwnRun()
    : mContext(testContext(
          {}, {}, RunContext::forFolders(scratch.file("temp/"), scratch.file("appdata"), install + "/package")))
{
    // The run lock in TEMP, and the restarted stand-in's record.
    for (const std::string& folder : {mContext.appDataFolder, scratch.file("temp")})
        fs::create_directories(folder);
    qputenv("TEMP", QFile::encodeName(QString::fromStdString(scratch.file("temp"))));
    qputenv("CARTALINE_STANDIN_RECORD", QFile::encodeName(QString::fromStdString(restartRecord())));
}

OwnRun::~OwnRun() = default;

WrenhopManager& OwnRun::manager()
{
    if (!mObjects)
        mObjects = std::make_unique<Objects>(mContext);
    return mObjects->manager;
}

std::string zipBytes(const Entries& entries, int badCrcEntry, std::size_t size)
{
    const testsupport::ScratchDir dir;
    const std::string path = dir.file("archive.zip");
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    EXPECT_NE(zip, nullptr);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [name, data] = entries[i];
        const bool bad = static_cast<int>(i) == badCrcEntry;
        zip_fileinfo info{};
        const auto length = static_cast<unsigned>(data.size());
        EXPECT_EQ(zipOpenNewFileInZip2(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, bad ? 0 : Z_DEFLATED,
                                       Z_DEFAULT_COMPRESSION, bad ? 1 : 0),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, data.data(), length), ZIP_OK);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(data.data()), length);
        EXPECT_EQ(bad ? zipCloseFileInZipRaw(zip, length, crc ^ 1) : zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    std::string bytes = testsupport::readFile(path);
    // An archive comment, whose length ends the archive, makes up the size.
    const std::size_t comment = size > bytes.size() ? size - bytes.size() : 0;
    bytes.replace(bytes.size() - 2, 2, {char(comment & 0xff), char(comment >> 8)});
    return bytes + std::string(comment, '-');
}

std::string hashHex(const std::string& bytes, QCryptographicHash::Algorithm algorithm)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), algorithm).toHex().toStdString();
}

void writeManifest(const Manifest& m, const std::string& folder)
{
    testsupport::writeFile(folder + "/packageInfo.xml",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<update>\n"
        "  <release><version>2.2.0</version><date>2026-11-30</date></release>\n"
        "  <packages><package>\n"
        "    <name>" + m.package + "</name><hash>" + m.hash + "</hash>\n"
        "    <host>" + m.host + "</host><source>" + m.source + "</source>\n"
        "    <platform>windows</platform><size>" + m.size + "</size>\n"
        "  </package></packages>\n"
        "  <install><file>\n"
        "    <name>Cartaline</name><package>" + m.package + "</package><target></target>\n"
        "    <exec>" + m.exec + "</exec><platform>" + m.filePlatform + "</platform>\n"
        "    <permissions>" + m.permissions + "</permissions><is-main-binary>true</is-main-binary>\n"
        "  </file></install>\n</update>\n");
}

Manifest served(PackageServer& server, const std::string& bytes, Manifest manifest)
{
    server.put(manifest.source, bytes);
    manifest.host = server.host();
    manifest.hash = hashHex(bytes);
    manifest.size = std::to_string(bytes.size());
    return manifest;
}

Entries layOutOldRelease(const std::string& install, const std::string& standIn)
{
    const std::string program = testsupport::readFile(standIn);
    EXPECT_FALSE(program.empty());
    testsupport::writeFile(install + "/package/Cartaline.exe", program + "\n#2.1.0");
    fs::permissions(install + "/package/Cartaline.exe", fs::perms(0755));
    testsupport::writeFile(install + "/package/data/maps.dat", "old maps");
    testsupport::writeFile(install + "/package/readme.txt", "kept as it is");
    return {{"package/Cartaline.exe", program + "\n#2.2.0"},
            {"package/data/maps.dat", "new maps"},
            {"package/data/poi/added.bin", std::string("\0\x01\x02poi\xff", 7)}};
}

Snapshot snapshot(const std::string& root)
{
    Snapshot result;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = fs::relative(it->path(), root).generic_string();
        if (relative == "log") {
            it.disable_recursion_pending();
            continue;
        }
        const auto mode = static_cast<unsigned>(it->symlink_status().permissions());
        const bool folder = it->is_directory();
        result[folder ? relative + "/" : relative] = {folder ? "" : testsupport::readFile(it->path().string()), mode};
    }
    return result;
}

Snapshot withEntries(Snapshot installation, const Entries& entries)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const auto& [name, bytes] : entries) {
        installation[name] = {bytes, name == "package/Cartaline.exe" ? 0755u : 0666u & ~mask};
        for (auto slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1))
            installation.emplace(name.substr(0, slash + 1), std::pair{std::string(), 0777u & ~mask});
    }
    return installation;
}

namespace {

std::mutex tailMutex;
std::string tailLines;
QtMessageHandler previousHandler = nullptr;

} // namespace

LogTail::LogTail()
{
    const std::lock_guard<std::mutex> lock(tailMutex);
    tailLines.clear();
    previousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& text) {
        {
            const std::lock_guard<std::mutex> lock(tailMutex);
            tailLines += text.toStdString() + "\n";
        }
        if (previousHandler)
            previousHandler(type, where, text);
    });
}

LogTail::~LogTail() { qInstallMessageHandler(previousHandler); }

std::string LogTail::text() const
{
    const std::lock_guard<std::mutex> lock(tailMutex);
    return tailLines;
}

Sandbox::Sandbox(const std::string& program)
{
    for (const std::string& folder : {install + "/package", path("temp/CaL"), path("appdata"), logFolder})
        fs::create_directories(folder);
    fs::copy_file(program, install + "/package/Wrenhop");
}

Sandbox::~Sandbox()
{
    std::error_code ignored;
    for (const std::string& folder : readOnly)
        fs::permissions(path(folder), fs::perms::owner_all, fs::perm_options::add, ignored);
}

std::vector<std::string> Sandbox::resultLines() const
{
    return enginetest::resultLines(path("appdata/Cartaline/error_log1.log"));
}

std::string Sandbox::logText() const
{
    std::string text;
    for (const auto& entry : fs::directory_iterator(logFolder))
        text += testsupport::readFile(entry.path().string());
    return text;
}

Program::Program(const Sandbox& sandbox, const std::vector<std::string>& args, const QStringList& env,
                 bool unprivileged)
    : sandbox(sandbox)
{
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    // The unprivileged user may not write the QML cache in root's home.
    process.setEnvironment(QProcess::systemEnvironment() + env
                           + QStringList{"TEMP=" + q(sandbox.path("temp")), "APPDATA=" + q(sandbox.path("appdata")),
                                         "CARTALINE_STANDIN_RECORD=" + q(sandbox.path("restart.record")),
                                         "QT_QPA_PLATFORM=offscreen", "QT_QUICK_BACKEND=software",
                                         "QML_DISABLE_DISK_CACHE=1"});
    process.setWorkingDirectory(q(sandbox.install + "/package"));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(q(sandbox.path("stderr.txt")), QIODevice::Append);
    QStringList command;
    for (const std::string& arg : testsupport::unprivileged(sandbox.install + "/package/Wrenhop", args))
        command << q(arg);
    // The prefix that drops privileges, only when asked for.
    command = command.mid(unprivileged ? 0 : command.size() - 1 - static_cast<int>(args.size()));
    process.start(command.takeFirst(), command);
    EXPECT_TRUE(process.waitForStarted(10000));
}

bool Program::waitForLog(const std::string& text, int times)
{
    const auto logged = [&] {
        const std::string log = sandbox.logText();
        int found = 0;
        for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++found;
        return found >= times;
    };
    return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning || logged(); }, 60000) && logged();
}

int Program::waitForExit()
{
    const bool exited = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return exited ? process.exitCode() : -1;
}

void Program::end()
{
    process.kill();
    process.waitForFinished(10000);
}

std::string stateTrace(const std::string& log)
{
    // A log file's lines, and what the message handler sees, which has one
    // more blank after the function. How often the download reports its
    // progress (state 3) depends on the transfer's pace: left out.
    static const std::regex line(R"(WrenhopManager::onStateMachine +(run|exit) onStateMachine \(state:(-?\d+)\)$)");
    std::string trace;
    std::istringstream in(log);
    std::smatch match;
    for (std::string text; std::getline(in, text);) {
        if (std::regex_search(text, match, line) && match[2] != "3")
            trace += (trace.empty() ? "" : " ") + match[2].str() + (match[1] == "exit" ? "." : "");
    }
    return trace;
}

std::vector<std::string> resultLines(const std::string& path)
{
    static const std::regex time("^([^,]*,T:)([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]");
    std::vector<std::string> result;
    std::istringstream in(testsupport::readFile(path.empty() ? ERROR_LOG_FILE_PATH() : path));
    for (std::string text; std::getline(in, text);)
        result.push_back(std::regex_replace(text, time, "$1#"));
    return result;
}

} // namespace enginetest
