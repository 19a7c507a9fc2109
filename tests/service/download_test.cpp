// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "enginetestsupport.h"
#include "httpclient.h"
#include "testsupport.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <regex>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace std::chrono_literals;
using enginetest::Manifest;

namespace {

class Download : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(service.getDownloadDirPath());
        fs::create_directories(service.getDownloadDirPath());
        service.setListener(&listener);
        server.put("/files/update_win.zip", body);
        server.put("/files/broken.zip", "<html>down</html>", 500);
    }

    void TearDown() override
    {
        EXPECT_TRUE(service.waitForWorkers(60s));
        service.setListener(nullptr);
    }

    bool load(const std::string& source, const std::string& hash = {}, const std::string& size = {},
              const std::string& host = {})
    {
        Manifest manifest;
        manifest.host = host.empty() ? server.host() : host;
        manifest.source = source;
        manifest.hash = hash;
        manifest.size = size;
        enginetest::writeManifest(manifest);
        service.initialize();
        return service.findScriptPackageFromXml();
    }

    void run(const std::string& source, const std::string& hash = {}, const std::string& size = {},
             const std::string& host = {})
    {
        ASSERT_TRUE(load(source, hash, size, host));
        service.runDownloadThread();
        ASSERT_TRUE(service.waitForWorkers(60s));
    }

    std::string stored() const { return service.getDownloadDirPath() + "/update_win.zip"; }
    std::string partial() const { return stored() + ".partial"; }
    std::string record() const { return partial() + ".record"; }
    long files() const
    {
        const fs::directory_iterator folder(service.getDownloadDirPath());
        return static_cast<long>(std::distance(fs::begin(folder), fs::end(folder)));
    }

    WrenhopService service{enginetest::testContext()};
    enginetest::Recorder listener;
    enginetest::PackageServer server;
    const std::string body = QByteArray(1000, 'w').toStdString();
};

struct TransferCase {
    const char* name;
    // Below the test server ("#drop": hung up after 300 bytes), a URL of
    // another scheme, or "refused" for a closed port.
    const char* source;
    const char* hash;   // "{sha1}", "{SHA1}" and "{sha256}" stand for the body's
    const char* size;
    int state;
    const char* logged;
};

void PrintTo(const TransferCase& c, std::ostream* os)
{
    *os << c.name;
}

class Transfer : public Download, public testing::WithParamInterface<TransferCase> {};

TEST_P(Transfer, KeepsOnlyAWholeCheckedFile)
{
    const TransferCase& c = GetParam();
    std::string hash = c.hash;
    const std::string sha1 = enginetest::sha1Hex(body);
    for (const auto& [mark, value] : {std::pair{"{sha1}", sha1},
                                      {"{SHA1}", QByteArray::fromStdString(sha1).toUpper().toStdString()},
                                      {"{sha256}", enginetest::sha256Hex(body)}}) {
        if (const auto at = hash.find(mark); at != std::string::npos)
            hash.replace(at, std::string(mark).size(), value);
    }
    std::string source = c.source;
    std::string host;
    if (const auto mark = source.find("#drop"); mark != std::string::npos) {
        source.erase(mark);
        server.dropNext(source, 300);
    }
    if (source == "refused") {
        source = "/files/update_win.zip";
        host = "http://127.0.0.1:" + std::to_string(enginetest::closedPort());
    } else if (const auto scheme = source.find("://"); scheme != std::string::npos && source.front() != '/') {
        host = source.substr(0, scheme + 3);
        source.erase(0, scheme + 3);
    }
    enginetest::LogTail log;
    if (c.state == STATE_NO_UPDATE_FILE) {
        // Refused before any transfer.
        EXPECT_FALSE(load(source, hash, c.size, host));
        EXPECT_EQ(server.requests(), 0);
        EXPECT_NE(log.text().find(c.logged), std::string::npos) << log.text();
        return;
    }
    run(source, hash, c.size, host);

    const auto events = listener.events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().first, c.state);
    // A failed transfer carries the last percentage reported.
    const double before = events.size() > 1 ? events[events.size() - 2].second : 0.0;
    EXPECT_EQ(events.back().second,
              c.state == STATE_DOWNLOAD_COMPLETE ? 100.0 : c.state == STATE_NO_NETWORK ? before : 0.0);
    EXPECT_EQ(fs::exists(stored()), c.state == STATE_DOWNLOAD_COMPLETE);
    if (c.state == STATE_DOWNLOAD_COMPLETE) {
        EXPECT_EQ(testsupport::readFile(stored()), body);
    }
    // Beside the manifest only a whole file, or what a failed transfer got
    // of the package with its record; never an error page.
    const bool kept = fs::exists(partial());
    EXPECT_EQ(kept, fs::exists(record()));
    if (kept) {
        EXPECT_EQ(c.state, STATE_NO_NETWORK);
        EXPECT_EQ(body.rfind(testsupport::readFile(partial()), 0), 0u);
    }
    EXPECT_EQ(files(), 1 + (c.state == STATE_DOWNLOAD_COMPLETE ? 1 : 0) + (kept ? 2 : 0));
    EXPECT_NE(log.text().find(c.logged), std::string::npos) << log.text();
}

INSTANTIATE_TEST_SUITE_P(
    Download, Transfer,
    testing::Values(
        TransferCase{"Plain", "/files/update_win.zip", "", "", STATE_DOWNLOAD_COMPLETE,
                     "no hash in packageInfo.xml: the package is not checked"},
        TransferCase{"FiveRedirects", "/redirect/5/files/update_win.zip", "", "", STATE_DOWNLOAD_COMPLETE, "success"},
        TransferCase{"FiftyRedirects", "/redirect/50/files/update_win.zip", "", "", STATE_NO_NETWORK, "download error("},
        TransferCase{"NoLength", "/nolength/files/update_win.zip", "", "", STATE_DOWNLOAD_COMPLETE, "success"},
        TransferCase{"NotFound", "/files/update.zip", "", "", STATE_NO_NETWORK, "download error(404): Not Found"},
        TransferCase{"ServerError", "/files/broken.zip", "", "", STATE_NO_NETWORK, "download error(500): "},
        TransferCase{"Dropped", "/drop/files/update_win.zip", "", "", STATE_NO_NETWORK, "download error("},
        TransferCase{"DroppedWithETag", "/files/update_win.zip#drop", "", "", STATE_NO_NETWORK, "kept 300 bytes"},
        TransferCase{"Stalled", "/stall/files/update_win.zip", "", "", STATE_NO_NETWORK, "download error("},
        TransferCase{"Trickling", "/slow/files/update_win.zip", "", "", STATE_NO_NETWORK, "slower than 1024 bytes/s"},
        TransferCase{"Refused", "refused", "", "", STATE_NO_NETWORK, "download error("},
        TransferCase{"FileSource", "file:///etc/hostname", "", "", STATE_NO_NETWORK, "download error(3)"},
        TransferCase{"RedirectToFile", "/goto/file:///etc/hostname", "", "", STATE_NO_NETWORK, "download error(3)"},
        TransferCase{"UpperCaseSha1InBlanks", "/files/update_win.zip", "\n {SHA1} \n", "1000", STATE_DOWNLOAD_COMPLETE,
                     "success"},
        TransferCase{"Sha256", "/files/update_win.zip", "{sha256}", "1000", STATE_DOWNLOAD_COMPLETE, "success"},
        TransferCase{"WrongSha256", "/files/update_win.zip", "0000000000000000000000000000000000000000000000000000000000000000",
                     "", STATE_UPDATE_FAIL_RETRY, "sha256 mismatch: "},
        TransferCase{"WrongSha1", "/files/update_win.zip", "0000000000000000000000000000000000000000", "1000",
                     STATE_UPDATE_FAIL_RETRY, "expected 0000000000000000000000000000000000000000, received "},
        TransferCase{"PrefixedSha1", "/files/update_win.zip", "sha1:{sha1}", "", STATE_NO_UPDATE_FILE,
                     "hash is neither a SHA-1 nor a SHA-256: sha1:"},
        TransferCase{"FortyOneDigits", "/files/update_win.zip", "00000000000000000000000000000000000000000", "",
                     STATE_NO_UPDATE_FILE, "SHA-256: 00000000000000000000000000000000000000000"},
        TransferCase{"NotHex", "/files/update_win.zip", "000000000000000000000000000000000000000g", "",
                     STATE_NO_UPDATE_FILE, "SHA-256: 000000000000000000000000000000000000000g"},
        TransferCase{"SizeTooLarge", "/files/update_win.zip", "{sha1}", "1001", STATE_UPDATE_FAIL_RETRY,
                     "expected 1001, received 1000"},
        TransferCase{"SizeBeyond32Bits", "/files/update_win.zip", "", "4294968296", STATE_UPDATE_FAIL_RETRY,
                     "expected 4294968296"},
        TransferCase{"SizeOverflowing", "/files/update_win.zip", "", "999999999999999999999999",
                     STATE_UPDATE_FAIL_RETRY, "size mismatch"},
        TransferCase{"ParentAsFileName", "/files/..", "", "", STATE_UPDATE_FAIL_RETRY, ""}),
    [](const testing::TestParamInfo<TransferCase>& info) { return std::string(info.param.name); });

// A first attempt is cut after 400 of the 1000 bytes; then something
// changes, and the second attempt goes for the same URL.
enum class Between { Nothing, RangesIgnored, FileChanged, Refused, OtherHash, PartialTooLong, RecordCorrupt,
                     RecordMissing, PartialDamaged };

struct ResumeCase {
    const char* name;
    Between between;
    bool hashed;       // the manifest holds the body's SHA-1
    const char* range; // what the second attempt's last request asked for
    int state;
};

void PrintTo(const ResumeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Resume : public Download, public testing::WithParamInterface<ResumeCase> {};

TEST_P(Resume, AsksForTheRestOnlyWhenItIsTheSameFile)
{
    const ResumeCase& c = GetParam();
    const std::string source = "/files/update_win.zip";
    const std::string sha1 = c.hashed ? enginetest::sha1Hex(body) : std::string();
    server.dropNext(source, 400);
    run(source, sha1, "1000");
    ASSERT_EQ(listener.events().back().first, STATE_NO_NETWORK);
    ASSERT_EQ(fs::file_size(partial()), 400u);
    const std::string etag = '"' + enginetest::sha1Hex(body).substr(0, 16) + '"'; // the test server's

    std::string expected = body;
    std::string hash = sha1;
    switch (c.between) {
    case Between::Nothing:
        break;
    case Between::RangesIgnored:
        server.ignoreRanges(true);
        break;
    case Between::FileChanged:
        expected = QByteArray(1000, 'n').toStdString();
        server.put(source, expected);
        break;
    case Between::Refused:
        server.put(source, body, 416);
        break;
    case Between::OtherHash:
        hash = enginetest::sha256Hex(body);
        break;
    case Between::PartialTooLong:
        testsupport::writeFile(partial(), body + "!");
        break;
    case Between::RecordCorrupt:
        testsupport::writeFile(record(), "wrenhop-partial 1\n" + server.host() + source + "\nmany\n");
        break;
    case Between::RecordMissing:
        fs::remove(record());
        break;
    case Between::PartialDamaged:
        testsupport::writeFile(partial(), std::string(400, 'x'));
        break;
    }
    const std::size_t firstAttempt = listener.events().size();
    enginetest::LogTail log;
    run(source, hash, "1000");

    const auto events = listener.events();
    EXPECT_EQ(events.back().first, c.state);
    EXPECT_EQ(server.lastHeader("Range"), c.range);
    EXPECT_EQ(server.lastHeader("If-Range"), *c.range ? etag : "");
    if (c.state == STATE_DOWNLOAD_COMPLETE) {
        EXPECT_EQ(testsupport::readFile(stored()), expected);
    }
    // A whole file, or nothing: a bad part is never resumed twice.
    EXPECT_EQ(files(), c.state == STATE_DOWNLOAD_COMPLETE ? 2 : 1);
    if (c.between == Between::Nothing) {
        // The bar starts where the first attempt stopped.
        EXPECT_EQ(events[firstAttempt], std::make_pair(static_cast<int>(STATE_DOWNLOAD_PROGRESS), 40.0));
        EXPECT_NE(log.text().find("resumed 400 bytes"), std::string::npos) << log.text();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Download, Resume,
    testing::Values(ResumeCase{"SameFile", Between::Nothing, true, "bytes=400-", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"ServerIgnoresRange", Between::RangesIgnored, true, "bytes=400-", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"FileChangedOnServer", Between::FileChanged, false, "bytes=400-", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"RangeNotSatisfiable", Between::Refused, true, "", STATE_NO_NETWORK},
                    ResumeCase{"ManifestChanged", Between::OtherHash, true, "", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"PartialLongerThanSize", Between::PartialTooLong, true, "", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"RecordCorrupt", Between::RecordCorrupt, true, "", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"RecordMissing", Between::RecordMissing, true, "", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"DamagedPartFailsTheHash", Between::PartialDamaged, true, "bytes=400-",
                               STATE_UPDATE_FAIL_RETRY}),
    [](const testing::TestParamInfo<ResumeCase>& info) { return std::string(info.param.name); });

TEST(Redirect, FromHttpsToPlainHttpIsRefused)
{
    EXPECT_FALSE(isRedirectAllowed("https://a.example/x.zip", "http://b.example/x.zip"));
    EXPECT_FALSE(isRedirectAllowed("HTTPS://a.example/x.zip", " HTTP://a.example/x.zip"));
    EXPECT_TRUE(isRedirectAllowed("https://a.example/x.zip", "/y.zip"));
    EXPECT_TRUE(isRedirectAllowed("https://a.example/x.zip", "//b.example/y.zip"));
    EXPECT_TRUE(isRedirectAllowed("https://a.example/x.zip", "https://b.example/y.zip"));
    EXPECT_TRUE(isRedirectAllowed("http://a.example/x.zip", "http://b.example/y.zip"));
}

TEST_F(Download, UnusableFileNameOrMissingFolderFailsWithoutATransfer)
{
    run("/files/");
    load("/files/update_win.zip");
    fs::remove_all(service.getDownloadDirPath());
    service.runDownloadThread();
    ASSERT_TRUE(service.waitForWorkers(60s));
    EXPECT_EQ(listener.events(), (std::vector<std::pair<int, double>>{{STATE_UPDATE_FAIL_RETRY, 0.0},
                                                                       {STATE_UPDATE_FAIL_RETRY, 0.0}}));
    EXPECT_EQ(server.requests(), 0);
}

// Larger than the blocks the writer may hold back.
TEST_F(Download, ReplacesTheFileOfAnEarlierAttemptWithCurlsUserAgent)
{
    const std::string large(3 << 20, 'l');
    server.put("/large/update_win.zip", large);
    testsupport::writeFile(stored(), "left over from a failed installation");
    run("/large/update_win.zip");
    EXPECT_EQ(testsupport::readFile(stored()), large);
    const std::string agent = server.lastHeader("User-Agent");
    EXPECT_TRUE(std::regex_match(agent, std::regex(R"(curl/\d+\.\d+\.\d+.*)"))) << agent;
}

TEST_F(Download, ReportsOnePercentagePointStepsAndARetryStartsFromZero)
{
    run("/drop/files/update_win.zip");
    const std::size_t firstAttempt = listener.events().size();
    ASSERT_GT(firstAttempt, 1u) << "the dropped transfer reported no progress";
    run("/trickle/files/update_win.zip");
    const auto events = listener.events();
    EXPECT_EQ(events.back(), std::make_pair(static_cast<int>(STATE_DOWNLOAD_COMPLETE), 100.0));
    ASSERT_GT(events.size(), firstAttempt + 2);
    // Without the reset, the retry's first 10 % would not be reported.
    EXPECT_LT(events[firstAttempt].second, 20.0);
    for (std::size_t i = firstAttempt; i + 1 < events.size(); ++i) {
        EXPECT_EQ(events[i].first, STATE_DOWNLOAD_PROGRESS);
        EXPECT_GE(events[i].second - (i > firstAttempt ? events[i - 1].second : 0.0), 1.0);
        // Every step of the server is 100 of 1000 bytes.
        EXPECT_EQ(std::fmod(events[i].second, 10.0), 0.0) << events[i].second;
    }
}

} // namespace
