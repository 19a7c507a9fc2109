// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopscript.h"

#include "servicetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <ostream>

using wrenhop::service::WrenhopScript;

namespace {

std::string fileXml(const std::string& children)
{
    return "<m><install><file>" + children + "</file></install></m>";
}

std::string packageXml(const std::string& children)
{
    return "<m><packages><package>" + children + "</package></packages></m>";
}

struct PermissionsCase {
    const char* text;
    int expected;
    bool logsReadFail;
};

std::ostream& operator<<(std::ostream& out, const PermissionsCase& c)
{
    return out << '"' << c.text << '"';
}

class Permissions : public testing::TestWithParam<PermissionsCase> {};

TEST_P(Permissions, ScansLikePercentI)
{
    const PermissionsCase& c = GetParam();
    servicetest::LogTail log;
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(fileXml(std::string("<permissions>") + c.text + "</permissions>")));
    ASSERT_EQ(script.getFiles().size(), 1u);
    EXPECT_EQ(script.getFiles()[0].permissions, c.expected);
    EXPECT_EQ(log.text().find("read fail: ") != std::string::npos, c.logsReadFail);
}

INSTANTIATE_TEST_SUITE_P(WrenhopScript, Permissions,
                         testing::Values(PermissionsCase{"0755", 493, false}, PermissionsCase{"0x1ED", 493, false},
                                         PermissionsCase{"493", 493, false}, PermissionsCase{" 0644", 420, false},
                                         PermissionsCase{"-1", -1, false}, PermissionsCase{"rw", 0, false},
                                         PermissionsCase{"755abc", 755, false}, PermissionsCase{"", 0, true},
                                         PermissionsCase{"  \n ", 0, true},
                                         PermissionsCase{"99999999999999999999", 2147483647, false}));

struct SizeCase {
    const char* text;
    std::int64_t expected;
};

std::ostream& operator<<(std::ostream& out, const SizeCase& c)
{
    return out << '"' << c.text << '"';
}

class Size : public testing::TestWithParam<SizeCase> {};

TEST_P(Size, ReadsLikeAtoiWithoutOverflow)
{
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(packageXml(std::string("<size>") + GetParam().text + "</size>")));
    ASSERT_EQ(script.getPackages().size(), 1u);
    EXPECT_EQ(script.getPackages()[0].size, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WrenhopScript, Size,
                         testing::Values(SizeCase{"12ab", 12}, SizeCase{"", 0}, SizeCase{"abc", 0},
                                         SizeCase{"  +42", 42}, SizeCase{"-7", -7}, SizeCase{"4294967296", 4294967296},
                                         SizeCase{"99999999999999999999999", INT64_MAX}));

struct BoolCase {
    const char* element;
    bool expected;
};

std::ostream& operator<<(std::ostream& out, const BoolCase& c)
{
    return out << '"' << c.element << '"';
}

class MainBinary : public testing::TestWithParam<BoolCase> {};

TEST_P(MainBinary, ParsesBoolTheOldWay)
{
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(fileXml(GetParam().element)));
    ASSERT_EQ(script.getFiles().size(), 1u);
    EXPECT_EQ(script.getFiles()[0].isMainBinary, GetParam().expected) << GetParam().element;
}

INSTANTIATE_TEST_SUITE_P(
    WrenhopScript, MainBinary,
    testing::Values(BoolCase{"<is-main-binary>true</is-main-binary>", true},
                    BoolCase{"<is-main-binary>1</is-main-binary>", true}, BoolCase{"<is-main-binary>2</is-main-binary>", true},
                    BoolCase{"<is-main-binary>-1</is-main-binary>", true},
                    BoolCase{"<is-main-binary>True</is-main-binary>", false},
                    BoolCase{"<is-main-binary>TRUE</is-main-binary>", false},
                    BoolCase{"<is-main-binary>yes</is-main-binary>", false},
                    BoolCase{"<is-main-binary> true</is-main-binary>", false},
                    BoolCase{"<is-main-binary>0</is-main-binary>", false}, BoolCase{"<is-main-binary/>", false},
                    BoolCase{"", false}));

// Only the first container counts, only direct children, never attributes.
struct StructureCase {
    const char* name;
    const char* xml;
    std::vector<std::string> packagePlatforms;
    std::vector<std::string> fileNames;
    const char* version;
};

std::ostream& operator<<(std::ostream& out, const StructureCase& c)
{
    return out << c.name;
}

class Structure : public testing::TestWithParam<StructureCase> {};

TEST_P(Structure, ReadsOnlyWhatTheLayoutAllows)
{
    const StructureCase& c = GetParam();
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(c.xml));
    std::vector<std::string> platforms;
    for (const auto& package : script.getPackages())
        platforms.push_back(package.platform);
    std::vector<std::string> names;
    for (const auto& file : script.getFiles())
        names.push_back(file.name);
    EXPECT_EQ(platforms, c.packagePlatforms);
    EXPECT_EQ(names, c.fileNames);
    EXPECT_EQ(script.getVersion(), c.version);
}

INSTANTIATE_TEST_SUITE_P(
    WrenhopScript, Structure,
    testing::Values(
        StructureCase{"DocumentOrder",
                      "<x><packages><package><platform>mac</platform></package>"
                      "<package><platform>windows</platform></package></packages></x>",
                      {"mac", "windows"}, {}, ""},
        StructureCase{"SecondContainerIgnored",
                      "<x><packages><package><platform>a</platform></package></packages>"
                      "<packages><package><platform>b</platform></package></packages>"
                      "<install><file><name>f1</name></file></install><install><file><name>f2</name></file></install></x>",
                      {"a"}, {"f1"}, ""},
        StructureCase{"NestedPackageIgnored",
                      "<x><packages><group><package><platform>a</platform></package></group>"
                      "<other/><package><platform>b</platform></package></packages></x>",
                      {"b"}, {}, ""},
        StructureCase{"AttributesNeverRead", "<x><packages><package platform=\"windows\"/></packages></x>", {""}, {}, ""},
        StructureCase{"BlanksKept", "<x><packages><package><platform> windows</platform></package></packages></x>",
                      {" windows"}, {}, ""},
        StructureCase{"FirstReleaseAndFirstVersion",
                      "<x><release><version>1</version><version>2</version></release>"
                      "<release><version>3</version></release></x>",
                      {}, {}, "1"},
        StructureCase{"AnyRootName", "<whatever><release><version>9.1</version></release></whatever>", {}, {}, "9.1"},
        StructureCase{"EntitiesResolved", "<x><release><version>1&amp;2&#x41;</version></release></x>", {}, {},
                      "1&2A"},
        StructureCase{"NoElementAtAll", "<?xml version=\"1.0\"?><!-- nothing -->", {}, {}, ""}),
    [](const testing::TestParamInfo<StructureCase>& info) { return std::string(info.param.name); });

TEST(WrenhopScript, ReadsEveryFieldOfAFullManifestFile)
{
    testsupport::ScratchDir scratch;
    servicetest::Manifest manifest;
    manifest.host = "http://files.example.org";
    manifest.hash = "0123456789abcdef0123456789abcdef01234567";
    manifest.size = "1234";
    testsupport::writeFile(scratch.file("packageInfo.xml"), servicetest::manifestXml(manifest));

    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXml(scratch.file("packageInfo.xml")));
    EXPECT_EQ(script.getVersion(), "2.0.1");
    EXPECT_EQ(script.getDate(), "2026-12-01");
    ASSERT_EQ(script.getPackages().size(), 1u);
    const auto& package = script.getPackages()[0];
    EXPECT_EQ(package.name, "update");
    EXPECT_EQ(package.sha1, manifest.hash);
    EXPECT_EQ(package.host, manifest.host);
    EXPECT_EQ(package.source, "/pkg/update_win.zip");
    EXPECT_EQ(package.platform, "windows");
    EXPECT_EQ(package.size, 1234);
    ASSERT_EQ(script.getFiles().size(), 1u);
    const auto& file = script.getFiles()[0];
    EXPECT_EQ(file.name, "Cartaline");
    EXPECT_EQ(file.package, "update");
    EXPECT_EQ(file.linkTarget, "");
    EXPECT_EQ(file.exec, "Cartaline.exe");
    EXPECT_EQ(file.platform, "windows");
    EXPECT_EQ(file.permissions, 0755);
    EXPECT_TRUE(file.isMainBinary);
}

class Unloadable : public testing::TestWithParam<const char*> {};

TEST_P(Unloadable, AnswersFalseAndKeepsTheModel)
{
    testsupport::ScratchDir scratch;
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData("<x><release><version>1.0</version></release></x>"));
    const std::string path = scratch.file("packageInfo.xml");
    const bool missing = std::string(GetParam()) == "<missing>";
    if (!missing)
        testsupport::writeFile(path, GetParam());
    servicetest::LogTail log;
    EXPECT_FALSE(script.parseInfoXml(path));
    if (!missing) {
        EXPECT_FALSE(script.parseInfoXmlData(GetParam()));
    }
    EXPECT_EQ(script.getVersion(), "1.0");
    EXPECT_EQ(log.text(), "");
}

INSTANTIATE_TEST_SUITE_P(WrenhopScript, Unloadable,
                         testing::Values("<missing>", "", "<x><release></x>", "<x>", "not xml at all"));

TEST(WrenhopScript, AppendsRecordsOfASecondDocument)
{
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(packageXml("<platform>a</platform>")));
    ASSERT_TRUE(script.parseInfoXmlData(packageXml("<platform>b</platform>")));
    EXPECT_EQ(script.getPackages().size(), 2u);
}

} // namespace
