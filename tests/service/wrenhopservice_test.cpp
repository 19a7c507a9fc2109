// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace wrenhop::service;

namespace {

TEST(RunContext, InstallPathRemovesOnlyALastPackageComponent)
{
    for (const auto& [applicationDir, installPath] : std::vector<std::pair<std::string, std::string>>{
             {"D:/package/package", "D:/package"}, {"D:/Apps/package/bin", "D:/Apps/package/bin"}}) {
        bool found = false;
        EXPECT_EQ(RunContext::installPathFromProgramFolder(applicationDir, &found), installPath);
        EXPECT_EQ(found, applicationDir != installPath) << applicationDir;
    }
}

void load(WrenhopService& service, const std::string& xml)
{
    testsupport::writeFile(service.getDownloadDirPath() + "/packageInfo.xml", xml);
    service.initialize();
}

TEST(Service, MatchesPlatformCaseSensitivelyTakesTheFirstAndJoinsTheUrlUnchanged)
{
    const testsupport::ScratchDir work;
    WrenhopService service{enginetest::testContext({}, work.path())};
    load(service, "<m><release><version>3.1</version></release><packages>"
         "<package><name>A</name><platform>Windows</platform></package>"
         "<package><name>B</name><platform>windows</platform><host>http://h.example/</host><source>s/b.zip</source></package>"
         "<package><name>C</name><platform>windows</platform></package>"
         "</packages><install>"
         "<file><name>F1</name><platform>windows </platform></file>"
         "<file><name>F2</name><platform>windows</platform></file>"
         "</install></m>");
    ASSERT_TRUE(service.findScriptPackageFromXml() && service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptPackage().name + " " + service.getDownloadUrl() + " "
                  + service.getScriptFile().name + " " + service.getReleaseVersion(),
              "B http://h.example/s/b.zip F2 3.1");

    // A failed search clears the selection.
    load(service, "<m><packages><package><platform>linux</platform></package></packages>"
         "<install><file><platform>mac</platform></file></install></m>");
    EXPECT_FALSE(service.findScriptPackageFromXml());
    EXPECT_FALSE(service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptPackage().name + service.getDownloadUrl() + service.getScriptFile().platform, "");
}

// A file that is not the main binary starts nothing; a start that fails is
// logged as such.
TEST(Service, RestartStartsOnlyTheMainBinaryAndLogsAFailedStart)
{
    const testsupport::ScratchDir empty;
    for (const char* main : {"false", "true"}) {
        WrenhopService service{enginetest::testContext(empty.path(), empty.path())};
        load(service, std::string("<m><install><file><platform>windows</platform><exec>Cartaline.exe</exec><is-main-binary>")
                 + main + "</is-main-binary></file></install></m>");
        ASSERT_TRUE(service.findScriptFileFromXml());
        enginetest::LogTail log;
        EXPECT_FALSE(service.restartCartaline());
        const std::string failed = "restart Cartaline fail: " + empty.path() + "/package/./Cartaline.exe";
        EXPECT_EQ(log.text().find(failed) != std::string::npos, *main == 't') << log.text();
    }
}

} // namespace
