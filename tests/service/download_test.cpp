// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "httpclient.h"
#include "servicetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <regex>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace std::chrono_literals;
using servicetest::Manifest;

namespace {

std::string payload(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + 13) % 251);
    return bytes;
}

class Download : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(service.getDownloadDirPath());
        fs::create_directories(service.getDownloadDirPath());
        service.setListener(&listener);
        server.put("update_win.zip", body);
    }

    void TearDown() override
    {
        EXPECT_TRUE(service.waitForWorkers(60s));
        service.setListener(nullptr);
        HttpClient::setTimeoutsForTesting(0ms, 0s);
    }

    Manifest manifestFor(const std::string& source)
    {
        Manifest manifest;
        manifest.host = server.host();
        manifest.source = source;
        return manifest;
    }

    void run(const Manifest& manifest)
    {
        servicetest::loadManifest(manifest);
        ASSERT_TRUE(service.findScriptPackageFromXml());
        service.runDownloadThread();
        ASSERT_TRUE(service.waitForWorkers(60s));
    }

    std::string stored() const { return service.getDownloadDirPath() + "/update_win.zip"; }
    std::string partial() const { return stored() + ".partial"; }

    int lastState() const
    {
        const auto events = listener.events();
        return events.empty() ? 0 : events.back().first;
    }

    WrenhopService& service = WrenhopService::getInstance();
    servicetest::RecordingListener listener;
    servicetest::TestServer server;
    const std::string body = payload(1000);
};

TEST_F(Download, StoresTheBodyAndReportsCompleteWithCurlsUserAgent)
{
    servicetest::LogTail log;
    run(manifestFor("/files/update_win.zip"));
    ASSERT_EQ(lastState(), STATE_DOWNLOAD_COMPLETE);
    EXPECT_EQ(listener.events().back().second, 100.0);
    EXPECT_EQ(testsupport::readFile(stored()), body);
    EXPECT_FALSE(fs::exists(partial()));
    EXPECT_TRUE(std::regex_match(server.lastUserAgent(), std::regex(R"(curl/\d+\.\d+\.\d+.*)"))) << server.lastUserAgent();
    EXPECT_NE(log.text().find("download success: " + stored()), std::string::npos);
}

TEST_F(Download, FollowsRedirects)
{
    run(manifestFor("/redirect/5/update_win.zip"));
    EXPECT_EQ(lastState(), STATE_DOWNLOAD_COMPLETE);
    EXPECT_EQ(testsupport::readFile(stored()), body);
}

TEST_F(Download, GivesUpAfterFiftyRedirects)
{
    run(manifestFor("/redirect/50/update_win.zip"));
    EXPECT_EQ(lastState(), STATE_NO_NETWORK);
    EXPECT_FALSE(fs::exists(stored()));
}

TEST_F(Download, ReplacesTheFileOfAnEarlierAttempt)
{
    testsupport::writeFile(stored(), "left over from a failed installation");
    run(manifestFor("/files/update_win.zip"));
    EXPECT_EQ(lastState(), STATE_DOWNLOAD_COMPLETE);
    EXPECT_EQ(testsupport::readFile(stored()), body);
}

TEST_F(Download, ReportsOnePercentagePointStepsAsComputed)
{
    run(manifestFor("/trickle/update_win.zip"));
    const auto events = listener.events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.back(), std::make_pair(static_cast<int>(STATE_DOWNLOAD_COMPLETE), 100.0));
    double last = 0.0;
    for (std::size_t i = 0; i + 1 < events.size(); ++i) {
        EXPECT_EQ(events[i].first, STATE_DOWNLOAD_PROGRESS);
        EXPECT_GE(events[i].second - last, 1.0);
        // Every step of the server is 100 of 1000 bytes.
        EXPECT_EQ(std::fmod(events[i].second, 10.0), 0.0) << events[i].second;
        last = events[i].second;
    }
}

TEST_F(Download, WithoutLengthReportsNoProgressButCompletes)
{
    run(manifestFor("/nolength/update_win.zip"));
    EXPECT_EQ(listener.states(), std::vector<int>{STATE_DOWNLOAD_COMPLETE});
    EXPECT_EQ(testsupport::readFile(stored()), body);
}

class ErrorStatus : public Download, public testing::WithParamInterface<int> {};

TEST_P(ErrorStatus, FailsTheTransferAndStoresNothing)
{
    servicetest::LogTail log;
    run(manifestFor("/status/" + std::to_string(GetParam())));
    const std::string stored = service.getDownloadDirPath() + "/" + std::to_string(GetParam());
    EXPECT_EQ(listener.events(), (std::vector<std::pair<int, double>>{{STATE_NO_NETWORK, 0.0}}));
    EXPECT_FALSE(fs::exists(stored));
    EXPECT_FALSE(fs::exists(stored + ".partial"));
    EXPECT_NE(log.text().find("download error(" + std::to_string(GetParam()) + "): "), std::string::npos) << log.text();
    if (GetParam() == 404) {
        EXPECT_NE(log.text().find("download error(404): Not Found"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Download, ErrorStatus, testing::Values(403, 404, 500, 503));

TEST_F(Download, DroppedConnectionIsNoNetworkAndLeavesNoFile)
{
    run(manifestFor("/drop/update_win.zip"));
    auto events = listener.events();
    ASSERT_EQ(lastState(), STATE_NO_NETWORK);
    // The failure carries the last percentage reported.
    const double lastReported = events.size() > 1 ? events[events.size() - 2].second : 0.0;
    EXPECT_EQ(events.back().second, lastReported);
    EXPECT_FALSE(fs::exists(stored()));
    EXPECT_FALSE(fs::exists(partial()));
}

TEST_F(Download, StalledTransferIsAborted)
{
    HttpClient::setTimeoutsForTesting(2000ms, 1s);
    run(manifestFor("/stall/update_win.zip"));
    EXPECT_EQ(lastState(), STATE_NO_NETWORK);
    EXPECT_FALSE(fs::exists(stored()));
    EXPECT_FALSE(fs::exists(partial()));
}

TEST_F(Download, RefusedConnectionIsNoNetwork)
{
    Manifest manifest = manifestFor("/files/update_win.zip");
    manifest.host = "http://127.0.0.1:" + std::to_string(servicetest::closedPort());
    run(manifest);
    EXPECT_EQ(listener.events(), (std::vector<std::pair<int, double>>{{STATE_NO_NETWORK, 0.0}}));
}

TEST_F(Download, RetryProgressStartsFromZero)
{
    run(manifestFor("/drop/update_win.zip"));
    ASSERT_EQ(lastState(), STATE_NO_NETWORK);
    const std::size_t firstAttempt = listener.events().size();
    run(manifestFor("/trickle/update_win.zip"));
    const auto events = listener.events();
    ASSERT_GT(events.size(), firstAttempt + 1);
    EXPECT_EQ(events[firstAttempt].first, STATE_DOWNLOAD_PROGRESS);
    EXPECT_LT(events[firstAttempt].second, 50.0);
}

struct CheckCase {
    const char* name;
    std::string hash;
    std::string size;
    int state;
    std::string logged;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c)
{
    return out << c.name;
}

class Check : public Download, public testing::WithParamInterface<CheckCase> {};

TEST_P(Check, SizeAndSha1DecideWhetherTheFileIsKept)
{
    Manifest manifest = manifestFor("/files/update_win.zip");
    const std::string sha1 = servicetest::sha1Hex(body);
    std::string hash = GetParam().hash;
    if (hash.find("{sha1}") != std::string::npos)
        hash.replace(hash.find("{sha1}"), 6, sha1);
    if (hash.find("{SHA1}") != std::string::npos) {
        std::string upper = sha1;
        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
        hash.replace(hash.find("{SHA1}"), 6, upper);
    }
    manifest.hash = hash;
    manifest.size = GetParam().size;
    servicetest::LogTail log;
    run(manifest);
    ASSERT_EQ(lastState(), GetParam().state);
    EXPECT_EQ(fs::exists(stored()), GetParam().state == STATE_DOWNLOAD_COMPLETE);
    EXPECT_FALSE(fs::exists(partial()));
    EXPECT_NE(log.text().find(GetParam().logged), std::string::npos) << log.text();
}

const std::string kWrongSha1 = "0000000000000000000000000000000000000000";

INSTANTIATE_TEST_SUITE_P(
    Download, Check,
    testing::Values(CheckCase{"Matching", "{sha1}", "1000", STATE_DOWNLOAD_COMPLETE, "download success"},
                    CheckCase{"UpperCaseHash", "{SHA1}", "1000", STATE_DOWNLOAD_COMPLETE, "download success"},
                    CheckCase{"BlanksAroundHash", "\n  {sha1}  \n", "", STATE_DOWNLOAD_COMPLETE, "download success"},
                    CheckCase{"HashNotSha1IsNotChecked", "md5:abc", "1000", STATE_DOWNLOAD_COMPLETE,
                              "[LOG_ERROR] wrenhop::service::WrenhopService::runDownloadThread"},
                    CheckCase{"NoSizeNoHash", "", "", STATE_DOWNLOAD_COMPLETE, "download success"},
                    CheckCase{"ZeroSizeIsNotChecked", "", "0", STATE_DOWNLOAD_COMPLETE, "download success"},
                    CheckCase{"WrongSha1", kWrongSha1, "1000", STATE_UPDATE_FAIL_RETRY,
                              "expected " + kWrongSha1 + ", received "},
                    CheckCase{"SizeTooSmall", "{sha1}", "999", STATE_UPDATE_FAIL_RETRY, "size mismatch"},
                    CheckCase{"SizeTooLarge", "{sha1}", "1001", STATE_UPDATE_FAIL_RETRY, "expected 1001, received 1000"},
                    CheckCase{"SizeBeyond32Bits", "", "4294968296", STATE_UPDATE_FAIL_RETRY, "expected 4294968296"},
                    CheckCase{"SizeOverflowing", "", "999999999999999999999999", STATE_UPDATE_FAIL_RETRY,
                              "size mismatch"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

class UnusableFileName : public Download, public testing::WithParamInterface<const char*> {};

TEST_P(UnusableFileName, FailsWithoutATransfer)
{
    run(manifestFor(GetParam()));
    EXPECT_EQ(listener.events(), (std::vector<std::pair<int, double>>{{STATE_UPDATE_FAIL_RETRY, 0.0}}));
    EXPECT_EQ(server.requests(), 0);
    EXPECT_TRUE(fs::exists(service.getDownloadDirPath() + "/packageInfo.xml"));
}

INSTANTIATE_TEST_SUITE_P(Download, UnusableFileName, testing::Values("/files/", "/files/..", "/files/."));

TEST_F(Download, DownloadFolderMissingIsFailRetry)
{
    servicetest::loadManifest(manifestFor("/files/update_win.zip"));
    ASSERT_TRUE(service.findScriptPackageFromXml());
    fs::remove_all(service.getDownloadDirPath());
    service.runDownloadThread();
    ASSERT_TRUE(service.waitForWorkers(60s));
    EXPECT_EQ(listener.events(), (std::vector<std::pair<int, double>>{{STATE_UPDATE_FAIL_RETRY, 0.0}}));
    EXPECT_EQ(server.requests(), 0);
}

} // namespace
