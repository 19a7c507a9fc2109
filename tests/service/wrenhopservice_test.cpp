// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

using namespace wrenhop::service;

namespace {

TEST(RunContext, InstallPathRemovesOnlyALastPackageComponent)
{
    bool found = false, foundOther = true;
    EXPECT_EQ(RunContext::installPathFromProgramFolder("D:/package/package", &found) + " "
                  + RunContext::installPathFromProgramFolder("D:/Apps/package/bin", &foundOther),
              "D:/package D:/Apps/package/bin");
    EXPECT_TRUE(found && !foundOther);
}

TEST(Service, MatchesPlatformCaseSensitivelyTakesTheFirstAndJoinsTheUrlUnchanged)
{
    const testsupport::ScratchDir work;
    WrenhopService service{enginetest::testContext({}, work.path())};
    const std::string manifest = service.getDownloadDirPath() + "/packageInfo.xml";
    testsupport::writeFile(manifest, "<m><release><version>3.1</version></release><packages>"
         "<package><name>A</name><platform>Windows</platform></package>"
         "<package><name>B</name><platform>windows</platform><host>http://h.example/</host><source>s/b.zip</source></package>"
         "<package><name>C</name><platform>windows</platform></package>"
         "</packages><install>"
         "<file><name>F1</name><platform>windows </platform></file>"
         "<file><name>F2</name><platform>windows</platform></file>"
         "</install></m>");
    service.initialize();
    ASSERT_TRUE(service.findScriptPackageFromXml() && service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptPackage().name + " " + service.getDownloadUrl() + " "
                  + service.getScriptFile().name + " " + service.getReleaseVersion(),
              "B http://h.example/s/b.zip F2 3.1");

    // A failed search clears the selection.
    testsupport::writeFile(manifest, "<m><packages><package><platform>linux</platform></package></packages>"
                                     "<install><file><platform>mac</platform></file></install></m>");
    service.initialize();
    EXPECT_FALSE(service.findScriptPackageFromXml() || service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptPackage().name + service.getDownloadUrl() + service.getScriptFile().platform, "");
}

// It answers whether Cartaline was started, which needs the main binary's
// entry and its program in the installation.
TEST(Service, RestartAnswersWhetherCartalineStarted)
{
    for (const auto& [mainBinary, present, started] : {std::tuple{"true", true, true}, {"true", false, false},
                                                       {"false", true, false}}) {
        const testsupport::ScratchDir install, work;
        if (present) {
            testsupport::writeFile(install.file("package/Cartaline.exe"), "#!/bin/sh\n");
            std::filesystem::permissions(install.file("package/Cartaline.exe"), std::filesystem::perms::owner_all);
        }
        testsupport::writeFile(work.file("packageInfo.xml"),
                               std::string("<m><install><file><platform>windows</platform><exec>Cartaline.exe</exec>"
                                           "<is-main-binary>") + mainBinary + "</is-main-binary></file></install></m>");
        WrenhopService service{enginetest::testContext(install.path(), work.path())};
        service.initialize();
        ASSERT_TRUE(service.findScriptFileFromXml());
        EXPECT_EQ(service.restartCartaline(), started) << mainBinary << present;
    }
}

} // namespace
