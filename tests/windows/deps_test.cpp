// SPDX-License-Identifier: LicenseRef-Wrenhop
// The cross-built libraries under Wine, used the way the engine uses them: the
// manifest through tinyxml2, the package over loopback through the static
// libcurl with its SHA-1 taken by CNG as the bytes arrive, the archive through
// minizip and zlib. depsserver.py serves both, started by scripts/test.
#include "hasher.h"

#include <curl/curl.h>
#include <tinyxml2.h>
#include <unzip.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>

using wrenhop::service::HashAlgorithm;
using wrenhop::service::Hasher;

namespace {

struct Download {
    std::string bytes;
    Hasher sha1{HashAlgorithm::Sha1};
};

std::size_t receive(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* download = static_cast<Download*>(user);
    download->bytes.append(data, size * count);
    return download->sha1.update({data, size * count}) ? size * count : 0;
}

CURLcode get(const std::string& url, Download& download)
{
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &download);
    return curl_easy_perform(curl.get());
}

std::string host()
{
    const char* url = std::getenv("WRENHOP_TEST_HTTP");
    return url ? url : "";
}

std::string text(const tinyxml2::XMLElement* parent, const char* child)
{
    const tinyxml2::XMLElement* element = parent->FirstChildElement(child);
    return element && element->GetText() ? element->GetText() : "";
}

class WindowsDeps : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    static void TearDownTestSuite() { curl_global_cleanup(); }
    void SetUp() override
    {
        ASSERT_FALSE(host().empty()) << "WRENHOP_TEST_HTTP unset: scripts/test starts tests/windows/depsserver.py";
    }
};

TEST(WindowsDepsBuild, TlsGoesThroughSchannel)
{
    const std::string backend = curl_version_info(CURLVERSION_NOW)->ssl_version;
    EXPECT_NE(backend.find("Schannel"), std::string::npos) << backend;
}

TEST_F(WindowsDeps, ManifestPackageArrivesWholeAndLists)
{
    Download manifest;
    ASSERT_EQ(get(host() + "/packageInfo.xml", manifest), CURLE_OK);
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(manifest.bytes.data(), manifest.bytes.size()), tinyxml2::XML_SUCCESS);
    const tinyxml2::XMLElement* update = document.FirstChildElement("update");
    ASSERT_NE(update, nullptr);
    const tinyxml2::XMLElement* package = update->FirstChildElement("packages")->FirstChildElement("package");
    while (package && text(package, "platform") != "windows")
        package = package->NextSiblingElement("package");
    ASSERT_NE(package, nullptr);
    std::set<std::string> expected;
    for (auto* file = update->FirstChildElement("install")->FirstChildElement("file"); file;
         file = file->NextSiblingElement("file"))
        if (text(file, "package") == text(package, "name"))
            expected.insert(text(file, "name"));
    ASSERT_EQ(expected.size(), 2u);

    Download archive;
    ASSERT_EQ(get(text(package, "host") + text(package, "source"), archive), CURLE_OK);
    EXPECT_EQ(std::to_string(archive.bytes.size()), text(package, "size"));
    EXPECT_EQ(archive.sha1.hexDigest(), text(package, "hash"));

    const std::filesystem::path path = std::filesystem::temp_directory_path() / "wrenhop-deps-test.zip";
    std::ofstream(path, std::ios::binary).write(archive.bytes.data(), std::streamsize(archive.bytes.size()));
    std::unique_ptr<void, decltype(&unzClose)> archiveFile(unzOpen64(path.string().c_str()), unzClose);
    unzFile zip = archiveFile.get();
    ASSERT_NE(zip, nullptr);
    std::set<std::string> listed;
    std::string readme;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        char name[256];
        unz_file_info64 info;
        ASSERT_EQ(unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0), UNZ_OK);
        listed.insert(name);
        if (std::string(name) == "data/readme.txt") {
            readme.resize(info.uncompressed_size);
            ASSERT_EQ(unzOpenCurrentFile(zip), UNZ_OK);
            EXPECT_EQ(unzReadCurrentFile(zip, readme.data(), unsigned(readme.size())), int(readme.size()));
            EXPECT_EQ(unzCloseCurrentFile(zip), UNZ_OK);
        }
    }
    archiveFile.reset();
    std::filesystem::remove(path);
    EXPECT_EQ(listed, expected);
    std::string lines;
    for (int i = 0; i < 100; ++i)
        lines += "Cartaline\r\n";
    EXPECT_EQ(readme, lines);
}

} // namespace
