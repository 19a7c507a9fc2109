// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "managertestsupport.h"

#include "log.h"
#include "testsupport.h"
#include "wrenhopmanager.h"
#include "wrenhopservice.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>
#include <httplib.h>
#include <zip.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>

namespace managertest {

namespace {

constexpr const char* kOwnInstallation = "WRENHOP_OWN_INSTALLATION";

} // namespace

bool insideOwnInstallation()
{
    return !qEnvironmentVariableIsEmpty(kOwnInstallation);
}

void runInOwnInstallation()
{
    const testsupport::ScratchDir scratch;
    const std::string install = scratch.file("install");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(install + "/package")));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(scratch.file("temp"))));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(scratch.file("appdata"))));
    const QString self = QCoreApplication::applicationFilePath();
    const std::string copy = install + "/package/" + QFileInfo(self).fileName().toStdString();
    ASSERT_TRUE(QFile::copy(self, QString::fromStdString(copy)));

    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    const testsupport::RunResult result = testsupport::run(
        copy, {filter},
        {std::string(kOwnInstallation) + "=" + scratch.path(), "TEMP=" + scratch.file("temp"),
         "APPDATA=" + scratch.file("appdata"), "CARTALINE_STANDIN_RECORD=" + scratch.file("restart.record")},
        110000);
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("[  PASSED  ] 1 test."), std::string::npos) << result.out << result.err;
}

std::string scratchRoot()
{
    return qEnvironmentVariable(kOwnInstallation).toStdString();
}

std::string installRoot()
{
    return scratchRoot() + "/install";
}

std::string restartRecordPath()
{
    return scratchRoot() + "/restart.record";
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QTest::qWait(10);
    }
    return true;
}

std::string logText()
{
    const QDir dir(logDirPath());
    std::string text;
    for (const QString& name : dir.entryList({QStringLiteral("Wrenhop *.log")}, QDir::Files, QDir::Name))
        text += testsupport::readFile(dir.filePath(name).toStdString());
    return text;
}

std::vector<std::string> stateTrace()
{
    static const QRegularExpression line(
        QStringLiteral("WrenhopManager::onStateMachine (run|exit) onStateMachine \\(state:(-?\\d+)\\)$"));
    std::vector<std::string> trace;
    std::istringstream in(logText());
    for (std::string text; std::getline(in, text);) {
        const QRegularExpressionMatch match = line.match(QString::fromStdString(text));
        if (match.hasMatch())
            trace.push_back((match.captured(1) + QLatin1Char(' ') + match.captured(2)).toStdString());
    }
    return trace;
}

std::vector<std::string> resultLogLines()
{
    std::vector<std::string> lines;
    std::istringstream in(testsupport::readFile(ERROR_LOG_FILE_PATH()));
    for (std::string text; std::getline(in, text);)
        lines.push_back(text);
    return lines;
}

bool matchesResultLine(const std::string& line, const std::string& expected)
{
    // escape() turns "#" into "\#".
    QString pattern = QRegularExpression::escape(QString::fromStdString(expected));
    pattern.replace(QLatin1String("\\#"), QLatin1String("([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(QString::fromStdString(line)).hasMatch();
}

PackageServer::PackageServer()
    : mServer(std::make_unique<httplib::Server>())
{
    mServer->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard<std::mutex> lock(mMutex);
        ++mRequests[request.path];
        const auto found = mAnswers.find(request.path);
        if (found == mAnswers.end()) {
            response.status = 404;
            response.set_content("<html>not here</html>", "text/html");
            return;
        }
        response.status = found->second.status;
        response.set_content(found->second.bytes, "application/octet-stream");
    });
    mPort = mServer->bind_to_any_port("127.0.0.1");
    mThread = std::thread([this] { mServer->listen_after_bind(); });
    while (!mServer->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

PackageServer::~PackageServer()
{
    mServer->stop();
    mThread.join();
}

void PackageServer::put(const std::string& path, std::string bytes, int status)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mAnswers[path] = Answer{std::move(bytes), status};
}

std::string PackageServer::host() const
{
    return "http://127.0.0.1:" + std::to_string(mPort);
}

int PackageServer::requests(const std::string& path) const
{
    std::lock_guard<std::mutex> lock(mMutex);
    const auto found = mRequests.find(path);
    return found == mRequests.end() ? 0 : found->second;
}

int closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& entries)
{
    const testsupport::ScratchDir dir;
    const std::string path = dir.file("archive.zip");
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    EXPECT_NE(zip, nullptr);
    if (!zip)
        return {};
    for (const auto& [name, data] : entries) {
        zip_fileinfo info{};
        EXPECT_EQ(zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                        Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size())), ZIP_OK);
        EXPECT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    return testsupport::readFile(path);
}

std::string sha1Hex(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha1).toHex().toStdString();
}

std::string manifestXml(const Manifest& m)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<update>\n"
           "  <release><version>" + m.version + "</version><date>2026-11-30</date></release>\n"
           "  <packages>\n"
           "    <package>\n"
           "      <name>" + m.package + "</name>\n"
           "      <hash>" + m.hash + "</hash>\n"
           "      <host>" + m.host + "</host>\n"
           "      <source>" + m.source + "</source>\n"
           "      <platform>" + m.packagePlatform + "</platform>\n"
           "      <size>" + m.size + "</size>\n"
           "    </package>\n"
           "  </packages>\n"
           "  <install>\n"
           "    <file>\n"
           "      <name>Cartaline</name>\n"
           "      <package>" + m.package + "</package>\n"
           "      <target></target>\n"
           "      <exec>" + m.exec + "</exec>\n"
           "      <platform>" + m.filePlatform + "</platform>\n"
           "      <permissions>" + m.permissions + "</permissions>\n"
           "      <is-main-binary>true</is-main-binary>\n"
           "    </file>\n"
           "  </install>\n"
           "</update>\n";
}

void writeManifest(const Manifest& manifest)
{
    testsupport::writeFile(wrenhop::service::DOWNLOAD_DIR_PATH() + "/packageInfo.xml", manifestXml(manifest));
}

Snapshot snapshot(const std::string& root)
{
    namespace fs = std::filesystem;
    Snapshot result;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string relative = fs::relative(it->path(), root).generic_string();
        if (relative == "log") {
            it.disable_recursion_pending();
            continue;
        }
        const auto mode = static_cast<unsigned>(it->symlink_status().permissions());
        if (it->is_directory())
            result[relative + "/"] = {std::string(), mode};
        else
            result[relative] = {testsupport::readFile(it->path().string()), mode};
    }
    return result;
}

} // namespace managertest
