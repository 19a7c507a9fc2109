// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace wrenhop::service;

namespace {

struct InstallPathCase {
    const char* applicationDir;
    const char* installPath;
};

void PrintTo(const InstallPathCase& c, std::ostream* os)
{
    *os << c.applicationDir;
}

class InstallPath : public testing::TestWithParam<InstallPathCase> {};

TEST_P(InstallPath, RemovesOnlyALastPackageComponent)
{
    bool found = false;
    EXPECT_EQ(RunContext::installPathFromProgramFolder(GetParam().applicationDir, &found), GetParam().installPath);
    EXPECT_EQ(found, std::string(GetParam().applicationDir) != GetParam().installPath);
}

INSTANTIATE_TEST_SUITE_P(WrenhopService, InstallPath,
                         testing::Values(InstallPathCase{"D:/packages/Cartaline/package", "D:/packages/Cartaline"},
                                         InstallPathCase{"D:/package/package", "D:/package"},
                                         InstallPathCase{"D:/Apps/package/bin", "D:/Apps/package/bin"},
                                         InstallPathCase{"D:/Apps/mypackage", "D:/Apps/mypackage"},
                                         InstallPathCase{"D:/Apps/Package", "D:/Apps/Package"}));

class Service : public testing::Test {
protected:
    void load(const std::string& xml)
    {
        testsupport::writeFile(service.getDownloadDirPath() + "/packageInfo.xml", xml);
        service.initialize();
    }

    WrenhopService service{enginetest::testContext()};
};

TEST_F(Service, MatchesPlatformCaseSensitivelyTakesTheFirstAndJoinsTheUrlUnchanged)
{
    load("<m><release><version>3.1</version></release><packages>"
         "<package><name>A</name><platform>Windows</platform></package>"
         "<package><name>B</name><platform>windows</platform><host>http://h.example/</host><source>s/b.zip</source></package>"
         "<package><name>C</name><platform>windows</platform></package>"
         "</packages><install>"
         "<file><name>F1</name><platform>windows </platform></file>"
         "<file><name>F2</name><platform>windows</platform></file>"
         "</install></m>");
    ASSERT_TRUE(service.findScriptPackageFromXml());
    EXPECT_EQ(service.getScriptPackage().name, "B");
    EXPECT_EQ(service.getDownloadUrl(), "http://h.example/s/b.zip");
    ASSERT_TRUE(service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptFile().name, "F2");
    EXPECT_EQ(service.getReleaseVersion(), "3.1");
}

TEST_F(Service, FailedSearchClearsAnEarlierSelectionAndIsLogged)
{
    load("<m><packages><package><name>old</name><platform>windows</platform></package></packages>"
         "<install><file><platform>windows</platform></file></install></m>");
    ASSERT_TRUE(service.findScriptPackageFromXml());
    ASSERT_TRUE(service.findScriptFileFromXml());
    load("<m><packages><package><platform>linux</platform></package></packages>"
         "<install><file><platform>mac</platform></file></install></m>");
    enginetest::LogTail log;
    EXPECT_FALSE(service.findScriptPackageFromXml());
    EXPECT_FALSE(service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptPackage().name + service.getDownloadUrl() + service.getScriptFile().platform, "");
    EXPECT_NE(log.text().find("not found platform information from packageInfo.xml"), std::string::npos);
}

TEST_F(Service, MissingManifestSelectsNothing)
{
    fs::remove(service.getDownloadDirPath() + "/packageInfo.xml");
    enginetest::LogTail log;
    service.initialize();
    EXPECT_NE(log.text().find("Unable to load script " + service.getDownloadDirPath() + "/packageInfo.xml"),
              std::string::npos);
    EXPECT_FALSE(service.findScriptPackageFromXml());
    EXPECT_FALSE(service.findScriptFileFromXml());
}

TEST_F(Service, CleanUpThatLeavesASubfolderSaysSo)
{
    fs::create_directories(service.getDownloadDirPath() + "/sub/deeper");
    testsupport::writeFile(service.getDownloadDirPath() + "/update_win.zip", "zip");
    EXPECT_FALSE(service.removeTempFiles());
    EXPECT_FALSE(fs::exists(service.getDownloadDirPath() + "/update_win.zip"));
    EXPECT_TRUE(fs::exists(service.getDownloadDirPath() + "/sub"));
}

TEST_F(Service, RestartOfAFileThatIsNotTheMainBinaryStartsNothing)
{
    load("<m><install><file><platform>windows</platform><exec>Cartaline.exe</exec>"
         "<is-main-binary>false</is-main-binary></file></install></m>");
    ASSERT_TRUE(service.findScriptFileFromXml());
    enginetest::LogTail log;
    EXPECT_FALSE(service.restartCartaline());
    EXPECT_NE(log.text().find("[LOG_ERROR] wrenhop::service::WrenhopService::restartCartaline"), std::string::npos);
    EXPECT_NE(log.text().find("not main binary"), std::string::npos);
    EXPECT_EQ(log.text().find("restart Cartaline: "), std::string::npos);
}

TEST_F(Service, RestartThatCannotStartCartalineIsReportedAsFailed)
{
    load("<m><install><file><platform>windows</platform><exec>Cartaline.exe</exec>"
         "<is-main-binary>true</is-main-binary></file></install></m>");
    ASSERT_TRUE(service.findScriptFileFromXml());
    const testsupport::ScratchDir empty;
    WrenhopService elsewhere{enginetest::testContext(empty.path())};
    elsewhere.initialize();
    ASSERT_TRUE(elsewhere.findScriptFileFromXml());
    enginetest::LogTail log;
    EXPECT_FALSE(elsewhere.restartCartaline());
    EXPECT_NE(log.text().find("restart Cartaline fail: " + empty.path() + "/package/./Cartaline.exe"), std::string::npos);
}

} // namespace
