// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "servicetestsupport.h"

#include "testsupport.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <httplib.h>
#include <zip.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace servicetest {

namespace {

const char* const kHtml = "<html><body>no such package</body></html>";

void sleepBriefly()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

} // namespace

TestServer::TestServer()
    : mServer(std::make_unique<httplib::Server>())
{
    httplib::Server& server = *mServer;
    // One request per connection, so that stop() does not wait for idle
    // keep-alive connections.
    server.set_keep_alive_max_count(1);
    server.set_logger([this](const httplib::Request& request, const httplib::Response&) {
        const std::lock_guard<std::mutex> lock(mMutex);
        mUserAgent = request.get_header_value("User-Agent");
    });

    server.Get(R"(/files/(.+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        response.set_content(bytesOf(request.matches[1]), "application/zip");
    });
    server.Get(R"(/redirect/(\d+)/(.+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        const int left = std::stoi(request.matches[1]);
        const std::string name = request.matches[2];
        response.set_redirect(left > 0 ? "/redirect/" + std::to_string(left - 1) + "/" + name : "/files/" + name);
    });
    server.Get(R"(/status/(\d+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        response.status = std::stoi(request.matches[1]);
        response.set_content(kHtml, "text/html");
    });
    server.Get(R"(/drop/(.+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        auto bytes = std::make_shared<std::string>(bytesOf(request.matches[1]));
        response.set_content_provider(bytes->size(), "application/zip",
                                      [bytes](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                          if (offset > 0)
                                              return false; // hang up mid-body
                                          sink.write(bytes->data(), bytes->size() / 2);
                                          return true;
                                      });
    });
    server.Get(R"(/stall/(.+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        auto bytes = std::make_shared<std::string>(bytesOf(request.matches[1]));
        response.set_content_provider(bytes->size(), "application/zip",
                                      [this, bytes](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                          if (offset == 0) {
                                              sink.write(bytes->data(), bytes->size() / 10);
                                              return true;
                                          }
                                          while (!mStopping)
                                              sleepBriefly();
                                          return false;
                                      });
    });
    server.Get(R"(/nolength/(.+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        auto bytes = std::make_shared<std::string>(bytesOf(request.matches[1]));
        response.set_chunked_content_provider("application/zip", [bytes](std::size_t offset, httplib::DataSink& sink) {
            if (offset < bytes->size()) {
                const std::size_t step = std::min<std::size_t>(bytes->size() - offset, 4096);
                sink.write(bytes->data() + offset, step);
            } else {
                sink.done();
            }
            return true;
        });
    });
    server.Get(R"(/trickle/(.+))", [this](const httplib::Request& request, httplib::Response& response) {
        ++mRequests;
        auto bytes = std::make_shared<std::string>(bytesOf(request.matches[1]));
        response.set_content_provider(bytes->size(), "application/zip",
                                      [bytes](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                          // Pauses let every step arrive on its own.
                                          sleepBriefly();
                                          sink.write(bytes->data() + offset, std::min(length, std::max<std::size_t>(1, bytes->size() / 10)));
                                          return true;
                                      });
    });

    mPort = server.bind_to_any_port("127.0.0.1");
    EXPECT_GT(mPort, 0);
    mThread = std::thread([this] { mServer->listen_after_bind(); });
    while (!mServer->is_running())
        std::this_thread::yield();
}

TestServer::~TestServer()
{
    mStopping = true;
    mServer->stop();
    if (mThread.joinable())
        mThread.join();
}

void TestServer::put(const std::string& name, std::string bytes)
{
    const std::lock_guard<std::mutex> lock(mMutex);
    mFiles[name] = std::move(bytes);
}

std::string TestServer::bytesOf(const std::string& name) const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    const auto file = mFiles.find(name);
    return file == mFiles.end() ? std::string() : file->second;
}

std::string TestServer::host() const
{
    return "http://127.0.0.1:" + std::to_string(mPort);
}

std::string TestServer::lastUserAgent() const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    return mUserAgent;
}

int closedPort()
{
    // Bound and closed without listening: connecting is refused.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    EXPECT_GE(fd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), length), 0);
    EXPECT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    ::close(fd);
    return ntohs(address.sin_port);
}

std::string zipBytes(const std::vector<ZipEntry>& entries)
{
    QTemporaryDir dir(QDir::fromNativeSeparators(qEnvironmentVariable("TEMP", QDir::tempPath())) + "/zip-XXXXXX");
    const std::string path = dir.path().toStdString() + "/archive.zip";
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    EXPECT_NE(zip, nullptr);
    for (const ZipEntry& entry : entries) {
        zip_fileinfo info{};
        const auto size = static_cast<unsigned>(entry.data.size());
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), size);
        // A damaged entry is stored raw with a wrong CRC in its headers.
        EXPECT_EQ(zipOpenNewFileInZip2(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                       entry.badCrc ? 0 : Z_DEFLATED, Z_DEFAULT_COMPRESSION, entry.badCrc ? 1 : 0),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, entry.data.data(), size), ZIP_OK);
        if (entry.badCrc)
            EXPECT_EQ(zipCloseFileInZipRaw(zip, size, crc ^ 1), ZIP_OK);
        else
            EXPECT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    return testsupport::readFile(path);
}

std::string sha1Hex(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha1).toHex().toStdString();
}

void RecordingListener::onStateChanged(const int& state, double value)
{
    const std::lock_guard<std::mutex> lock(mMutex);
    mEvents.emplace_back(state, value);
}

std::vector<std::pair<int, double>> RecordingListener::events() const
{
    const std::lock_guard<std::mutex> lock(mMutex);
    return mEvents;
}

std::vector<int> RecordingListener::states() const
{
    std::vector<int> result;
    for (const auto& event : events())
        result.push_back(event.first);
    return result;
}

Snapshot snapshot(const std::string& root)
{
    Snapshot result;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        const std::string relative = fs::relative(it->path(), root).generic_string();
        const auto mode = static_cast<unsigned>(fs::symlink_status(it->path()).permissions());
        if (it->is_directory())
            result[relative + "/"] = {std::string(), mode};
        else
            result[relative] = {testsupport::readFile(it->path().string()), mode};
    }
    return result;
}

namespace {

std::mutex logMutex;
std::string* logLines = nullptr;
QtMessageHandler previousHandler = nullptr;

void captureLog(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    {
        const std::lock_guard<std::mutex> lock(logMutex);
        if (logLines)
            *logLines += message.toStdString() + "\n";
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

std::string capturedLines;

// CTest runs the tests of one program side by side with the same TEMP;
// the download folder below it must not be shared. A child started by a
// test keeps its parent's folder.
class SeparateTemp : public testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsSet("WRENHOP_TEST_OWN_TEMP"))
            return;
        const QString base = QDir::fromNativeSeparators(qEnvironmentVariable("TEMP", QDir::tempPath()));
        mPath = base + "/run-" + QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(mPath);
        qputenv("TEMP", QDir::toNativeSeparators(mPath).toLocal8Bit());
        qputenv("WRENHOP_TEST_OWN_TEMP", "1");
    }

    void TearDown() override
    {
        if (!mPath.isEmpty())
            QDir(mPath).removeRecursively();
    }

private:
    QString mPath;
};

const testing::Environment* const separateTemp = testing::AddGlobalTestEnvironment(new SeparateTemp);

} // namespace

LogTail::LogTail()
{
    const std::lock_guard<std::mutex> lock(logMutex);
    capturedLines.clear();
    logLines = &capturedLines;
    previousHandler = qInstallMessageHandler(captureLog);
}

LogTail::~LogTail()
{
    qInstallMessageHandler(previousHandler);
    const std::lock_guard<std::mutex> lock(logMutex);
    logLines = nullptr;
}

std::string LogTail::text() const
{
    const std::lock_guard<std::mutex> lock(logMutex);
    return capturedLines;
}

std::string manifestXml(const Manifest& manifest)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest>\n"
           "  <release><version>" + manifest.version + "</version><date>2026-12-01</date></release>\n"
           "  <packages><package>\n"
           "    <name>update</name><hash>" + manifest.hash + "</hash>\n"
           "    <host>" + manifest.host + "</host><source>" + manifest.source + "</source>\n"
           "    <platform>windows</platform><size>" + manifest.size + "</size>\n"
           "  </package></packages>\n"
           "  <install><file>\n"
           "    <name>Cartaline</name><package>" + manifest.package + "</package><target></target>\n"
           "    <exec>" + manifest.exec + "</exec><platform>windows</platform>\n"
           "    <permissions>" + manifest.permissions + "</permissions>\n"
           "    <is-main-binary>" + manifest.isMainBinary + "</is-main-binary>\n"
           "  </file></install>\n</manifest>\n";
}

void loadManifest(const Manifest& manifest)
{
    auto& service = wrenhop::service::WrenhopService::getInstance();
    testsupport::writeFile(service.getDownloadDirPath() + "/" + service.getManifestFileName(), manifestXml(manifest));
    service.reloadManifest();
}

} // namespace servicetest
