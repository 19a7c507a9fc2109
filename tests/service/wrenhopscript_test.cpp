// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopscript.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using wrenhop::service::WrenhopScript;

namespace {

// One element of a file or package record and what the model makes of it.
struct FieldCase {
    const char* xml;
    std::int64_t expected;
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.xml;
}

class FileField : public testing::TestWithParam<FieldCase> {};

// permissions scan like "%i"; is-main-binary is "true" or a non-zero number.
TEST_P(FileField, ReadsPermissionsLikePercentIAndBoolTheOldWay)
{
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(std::string("<m><install><file>") + GetParam().xml + "</file></install></m>"));
    ASSERT_EQ(script.getFiles().size(), 1u);
    const auto& file = script.getFiles()[0];
    EXPECT_EQ(std::string(GetParam().xml).find("<perm") == 0 ? file.permissions : file.isMainBinary, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    WrenhopScript, FileField,
    testing::Values(FieldCase{"<permissions>0755</permissions>", 0755}, FieldCase{"<permissions>0x1ED</permissions>", 0755},
                    FieldCase{"<permissions> 0644</permissions>", 0644}, FieldCase{"<permissions>755abc</permissions>", 755},
                    FieldCase{"<permissions>rw</permissions>", 0}, FieldCase{"<permissions></permissions>", 0},
                    FieldCase{"<permissions>99999999999999999999</permissions>", 2147483647},
                    FieldCase{"<is-main-binary>true</is-main-binary>", 1}, FieldCase{"<is-main-binary>-1</is-main-binary>", 1},
                    FieldCase{"<is-main-binary>True</is-main-binary>", 0},
                    FieldCase{"<is-main-binary> true</is-main-binary>", 0}, FieldCase{"<is-main-binary/>", 0}));

class Size : public testing::TestWithParam<FieldCase> {};

TEST_P(Size, ReadsLikeAtoiWithoutOverflow)
{
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(std::string("<m><packages><package><size>") + GetParam().xml
                                        + "</size></package></packages></m>"));
    ASSERT_EQ(script.getPackages().size(), 1u);
    EXPECT_EQ(script.getPackages()[0].size, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WrenhopScript, Size,
                         testing::Values(FieldCase{"12ab", 12}, FieldCase{"abc", 0}, FieldCase{"  +42", 42},
                                         FieldCase{"4294967296", 4294967296},
                                         FieldCase{"99999999999999999999999", INT64_MAX}));

// Only the first container counts, only direct children, never attributes.
struct StructureCase {
    const char* xml;
    const char* platforms; // of the package records, each followed by ";"
    const char* version;
};

void PrintTo(const StructureCase& c, std::ostream* os)
{
    *os << c.xml;
}

class Structure : public testing::TestWithParam<StructureCase> {};

TEST_P(Structure, ReadsOnlyWhatTheLayoutAllows)
{
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(GetParam().xml));
    std::string platforms;
    for (const auto& package : script.getPackages())
        platforms += package.platform + ";";
    EXPECT_EQ(platforms, GetParam().platforms);
    EXPECT_EQ(script.getVersion(), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    WrenhopScript, Structure,
    testing::Values(
        StructureCase{"<x><packages><package><platform>a</platform></package><package><platform> b</platform></package>"
                      "</packages><packages><package><platform>c</platform></package></packages></x>",
                      "a; b;", ""},
        StructureCase{"<x><packages><group><package><platform>a</platform></package></group>"
                      "<package platform=\"b\"/></packages></x>",
                      ";", ""},
        StructureCase{"<x><release><version>1&amp;2</version><version>2</version></release>"
                      "<release><version>3</version></release></x>",
                      "", "1&2"}));

TEST(WrenhopScript, ReadsEveryFieldOfAManifestFile)
{
    testsupport::ScratchDir scratch;
    enginetest::Manifest manifest;
    manifest.host = "http://files.example.org";
    manifest.hash = "0123456789abcdef0123456789abcdef01234567";
    manifest.size = "1234";
    testsupport::writeFile(scratch.file("packageInfo.xml"), enginetest::manifestXml(manifest));

    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXml(scratch.file("packageInfo.xml")));
    EXPECT_EQ(script.getVersion() + " " + script.getDate(), "2.2.0 2026-11-30");
    ASSERT_EQ(script.getPackages().size(), 1u);
    const auto& p = script.getPackages()[0];
    EXPECT_EQ(p.name + " " + p.sha1 + " " + p.host + " " + p.source + " " + p.platform + " " + std::to_string(p.size),
              "update_win " + manifest.hash + " " + manifest.host + " /files/update_win.zip windows 1234");
    ASSERT_EQ(script.getFiles().size(), 1u);
    const auto& f = script.getFiles()[0];
    EXPECT_EQ(f.name + " " + f.package + " [" + f.linkTarget + "] " + f.exec + " " + f.platform,
              "Cartaline update_win [] Cartaline.exe windows");
    EXPECT_EQ(f.permissions, 0755);
    EXPECT_TRUE(f.isMainBinary);
}

class Unloadable : public testing::TestWithParam<const char*> {};

TEST_P(Unloadable, AnswersFalseSilentlyAndKeepsTheModel)
{
    testsupport::ScratchDir scratch;
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData("<x><release><version>1.0</version></release></x>"));
    if (*GetParam())
        testsupport::writeFile(scratch.file("packageInfo.xml"), GetParam());
    enginetest::LogTail log;
    EXPECT_FALSE(script.parseInfoXml(scratch.file("packageInfo.xml")));
    EXPECT_EQ(script.getVersion(), "1.0");
    EXPECT_EQ(log.text(), "");
}

// "" stands for a missing file.
INSTANTIATE_TEST_SUITE_P(WrenhopScript, Unloadable, testing::Values("", "<x><release></x>", "not xml at all"));

} // namespace
