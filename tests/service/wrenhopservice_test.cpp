// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopservice.h"

#include "fileutils.h"
#include "servicetestsupport.h"
#include "testsupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>

namespace fs = std::filesystem;
using namespace wrenhop::service;

namespace {

struct InstallPathCase {
    const char* applicationDir;
    const char* installPath;
    bool found;
};

std::ostream& operator<<(std::ostream& out, const InstallPathCase& c)
{
    return out << '"' << c.applicationDir << '"';
}

class InstallPath : public testing::TestWithParam<InstallPathCase> {};

TEST_P(InstallPath, RemovesOnlyALastPackageComponent)
{
    bool found = !GetParam().found;
    EXPECT_EQ(WrenhopService::installPathFromApplicationDir(GetParam().applicationDir, &found), GetParam().installPath);
    EXPECT_EQ(found, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    WrenhopService, InstallPath,
    testing::Values(InstallPathCase{"D:/Apps/Cartaline/package", "D:/Apps/Cartaline", true},
                    InstallPathCase{"D:/packages/Cartaline/package", "D:/packages/Cartaline", true},
                    InstallPathCase{"D:/package/package", "D:/package", true},
                    InstallPathCase{"D:/Apps/Cartaline", "D:/Apps/Cartaline", false},
                    InstallPathCase{"D:/packages/Cartaline", "D:/packages/Cartaline", false},
                    InstallPathCase{"D:/Apps/package/bin", "D:/Apps/package/bin", false},
                    InstallPathCase{"D:/Apps/mypackage", "D:/Apps/mypackage", false},
                    InstallPathCase{"D:/Apps/Package", "D:/Apps/Package", false},
                    InstallPathCase{"", "", false}));

TEST(WrenhopService, DownloadFolderIsCaLInsideTemp)
{
    EXPECT_EQ(DOWNLOAD_DIR_PATH(), FileUtils::tempPath() + "CaL");
    EXPECT_EQ(QDir::cleanPath(QString::fromStdString(DOWNLOAD_DIR_PATH())),
              QDir::cleanPath(QDir::fromNativeSeparators(qEnvironmentVariable("TEMP")) + "/CaL"));
    EXPECT_EQ(WrenhopService::getInstance().getDownloadDirPath(), DOWNLOAD_DIR_PATH());
}

struct IOMessageCase {
    int code;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const IOMessageCase& c)
{
    return out << c.code;
}

class IOMessage : public testing::TestWithParam<IOMessageCase> {};

TEST_P(IOMessage, NamesReadOnlyAndDiskFull)
{
    const FileUtils::IOException e(GetParam().code, "x");
    EXPECT_EQ(WrenhopService::getInstance().getIOExceptionMessage(e), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    WrenhopService, IOMessage,
    testing::Values(IOMessageCase{2, " was started from a read-only location.  Re-install it to a location that can be "
                                     "updated and run it from there."},
                    IOMessageCase{3, "The disk is full.  Please free up some space and try again."},
                    IOMessageCase{5, ""}));

class Selection : public testing::Test {
protected:
    void load(const std::string& xml)
    {
        testsupport::writeFile(service.getDownloadDirPath() + "/packageInfo.xml", xml);
        service.reloadManifest();
    }

    WrenhopService& service = WrenhopService::getInstance();
};

TEST_F(Selection, MatchesPlatformCaseSensitivelyAndTakesTheFirst)
{
    load("<m><release><version>3.1</version></release><packages>"
         "<package><name>A</name><platform>Windows</platform></package>"
         "<package><name>B</name><platform>windows</platform><host>http://h.example</host><source>/s/b.zip</source></package>"
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

TEST_F(Selection, NoWindowsFileAfterAWindowsPackage)
{
    load("<m><packages><package><platform>windows</platform></package></packages>"
         "<install><file><platform>mac</platform></file></install></m>");
    servicetest::LogTail log;
    EXPECT_TRUE(service.findScriptPackageFromXml());
    EXPECT_FALSE(service.findScriptFileFromXml());
    EXPECT_EQ(service.getScriptFile().platform, "");
    EXPECT_NE(log.text().find("not found platform information from packageInfo.xml"), std::string::npos);
}

TEST_F(Selection, FailedSearchClearsAnEarlierSelection)
{
    load("<m><packages><package><name>old</name><platform>windows</platform></package></packages></m>");
    ASSERT_TRUE(service.findScriptPackageFromXml());
    load("<m><packages><package><platform>linux</platform></package></packages></m>");
    EXPECT_FALSE(service.findScriptPackageFromXml());
    EXPECT_EQ(service.getScriptPackage().name, "");
    EXPECT_EQ(service.getDownloadUrl(), "");
}

TEST_F(Selection, MissingManifestSelectsNothing)
{
    fs::remove(service.getDownloadDirPath() + "/packageInfo.xml");
    servicetest::LogTail log;
    service.reloadManifest();
    EXPECT_NE(log.text().find("Unable to load script " + service.getDownloadDirPath() + "/packageInfo.xml"),
              std::string::npos);
    EXPECT_FALSE(service.findScriptPackageFromXml());
    EXPECT_FALSE(service.findScriptFileFromXml());
}

struct UrlCase {
    const char* host;
    const char* source;
    const char* url;
};

std::ostream& operator<<(std::ostream& out, const UrlCase& c)
{
    return out << c.url;
}

class DownloadUrl : public Selection, public testing::WithParamInterface<UrlCase> {};

TEST_P(DownloadUrl, JoinsHostAndSourceUnchanged)
{
    load(std::string("<m><packages><package><platform>windows</platform><host>") + GetParam().host + "</host><source>"
         + GetParam().source + "</source></package></packages></m>");
    ASSERT_TRUE(service.findScriptPackageFromXml());
    EXPECT_EQ(service.getDownloadUrl(), GetParam().url);
}

INSTANTIATE_TEST_SUITE_P(WrenhopService, DownloadUrl,
                         testing::Values(UrlCase{"http://a.example", "/p/x.zip", "http://a.example/p/x.zip"},
                                         UrlCase{"http://a.example", "p/x.zip", "http://a.examplep/x.zip"},
                                         UrlCase{"http://a.example/", "/p/x.zip", "http://a.example//p/x.zip"}));

class CleanUpAndRestart : public testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(service.getDownloadDirPath());
        fs::create_directories(service.getDownloadDirPath());
        service.setInstallPath(install.path());
    }

    void useFile(const std::string& isMainBinary)
    {
        testsupport::writeFile(service.getDownloadDirPath() + "/packageInfo.xml",
                               "<m><install><file><platform>windows</platform><exec>Cartaline.exe</exec>"
                               "<is-main-binary>" + isMainBinary + "</is-main-binary></file></install></m>");
        service.reloadManifest();
        ASSERT_TRUE(service.findScriptFileFromXml());
    }

    WrenhopService& service = WrenhopService::getInstance();
    testsupport::ScratchDir install;
};

TEST_F(CleanUpAndRestart, RemovesBackupsAndTheDownloadFolder)
{
    useFile("true");
    testsupport::writeFile(install.file("package/Cartaline.exe"), "old");
    service.backupFile(install.file("package/./Cartaline.exe"));
    ASSERT_TRUE(fs::exists(install.file("package/Cartaline.exe.bak")));
    testsupport::writeFile(service.getDownloadDirPath() + "/update_win.zip", "zip");

    servicetest::LogTail log;
    EXPECT_TRUE(service.removeTempFiles());
    EXPECT_FALSE(fs::exists(install.file("package/Cartaline.exe.bak")));
    EXPECT_FALSE(fs::exists(service.getDownloadDirPath()));
    EXPECT_NE(log.text().find("remove file: " + install.file("package/./Cartaline.exe.bak")), std::string::npos);
    EXPECT_NE(log.text().find("remove_path " + service.getDownloadDirPath()), std::string::npos);
}

TEST_F(CleanUpAndRestart, DownloadFolderWithSubfolderStaysButCleanUpAnswersTrue)
{
    fs::create_directories(service.getDownloadDirPath() + "/sub/deeper");
    testsupport::writeFile(service.getDownloadDirPath() + "/update_win.zip", "zip");
    EXPECT_TRUE(service.removeTempFiles());
    EXPECT_FALSE(fs::exists(service.getDownloadDirPath() + "/update_win.zip"));
    EXPECT_TRUE(fs::exists(service.getDownloadDirPath() + "/sub"));
}

TEST_F(CleanUpAndRestart, NotMainBinaryStartsNothing)
{
    useFile("false");
    servicetest::LogTail log;
    EXPECT_TRUE(service.restartCartaline());
    EXPECT_NE(log.text().find("[LOG_ERROR] wrenhop::service::WrenhopService::restartCartaline"), std::string::npos);
    EXPECT_NE(log.text().find("not main binary"), std::string::npos);
    EXPECT_EQ(log.text().find("restart Cartaline: "), std::string::npos);
}

} // namespace
