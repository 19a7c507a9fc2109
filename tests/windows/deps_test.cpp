// SPDX-License-Identifier: LicenseRef-Wrenhop
// The cross-built libcurl: what whole runs under Wine (engine_test.cpp) cannot
// show, since they fetch over plain HTTP from loopback.
#include <curl/curl.h>

#include <gtest/gtest.h>

#include <string>

TEST(WindowsDepsBuild, TlsGoesThroughSchannel)
{
    const std::string backend = curl_version_info(CURLVERSION_NOW)->ssl_version;
    EXPECT_NE(backend.find("Schannel"), std::string::npos) << backend;
}
