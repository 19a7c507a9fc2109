// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopscript.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using wrenhop::service::WrenhopScript;

namespace {

// One element of a file or package record and what the model makes of it:
// permissions scan like "%i", is-main-binary is "true" or a non-zero
// number, a size reads like atoi without overflow.
struct FieldCase {
    const char* xml;
    std::int64_t expected;
};

TEST(WrenhopScript, ReadsNumbersAndBoolsTheOldWay)
{
    for (const FieldCase& c : std::initializer_list<FieldCase>{
             {"<permissions>0755</permissions>", 0755}, {"<permissions>0x1ED</permissions>", 0755},
             {"<permissions> 0644</permissions>", 0644}, {"<permissions>755abc</permissions>", 755},
             {"<permissions>rw</permissions>", 0}, {"<permissions></permissions>", 0},
             {"<permissions>99999999999999999999</permissions>", 2147483647},
             {"<is-main-binary>true</is-main-binary>", 1}, {"<is-main-binary>-1</is-main-binary>", 1},
             {"<is-main-binary>True</is-main-binary>", 0}, {"<is-main-binary> true</is-main-binary>", 0},
             {"<is-main-binary/>", 0}, {"<size>12ab</size>", 12}, {"<size>abc</size>", 0}, {"<size>  +42</size>", 42},
             {"<size>4294967296</size>", 4294967296}, {"<size>99999999999999999999999</size>", INT64_MAX}}) {
        WrenhopScript script;
        const std::string xml = c.xml;
        ASSERT_TRUE(script.parseInfoXmlData("<m><install><file>" + xml + "</file></install><packages><package>" + xml
                                            + "</package></packages></m>"));
        ASSERT_EQ(script.getFiles().size() + script.getPackages().size(), 2u);
        const auto& file = script.getFiles()[0];
        EXPECT_EQ(xml.find("<perm") == 0 ? file.permissions
                      : xml.find("<is") == 0 ? file.isMainBinary
                                             : script.getPackages()[0].size,
                  c.expected)
            << xml;
    }
}

// Only the first container counts, only direct children, never attributes.
struct StructureCase {
    const char* xml;
    const char* platforms; // of the package records, each followed by ";"
    const char* version;
};

TEST(WrenhopScript, ReadsOnlyWhatTheLayoutAllows)
{
    for (const StructureCase& c : std::initializer_list<StructureCase>{
             {"<x><packages><package><platform>a</platform></package><package><platform> b</platform></package>"
              "</packages><packages><package><platform>c</platform></package></packages></x>",
              "a; b;", ""},
             {"<x><packages><group><package><platform>a</platform></package></group>"
              "<package platform=\"b\"/></packages></x>",
              ";", ""},
             {"<x><release><version>1&amp;2</version><version>2</version></release>"
              "<release><version>3</version></release></x>",
              "", "1&2"}}) {
        WrenhopScript script;
        ASSERT_TRUE(script.parseInfoXmlData(c.xml));
        std::string platforms;
        for (const auto& package : script.getPackages())
            platforms += package.platform + ";";
        EXPECT_EQ(platforms + " " + script.getVersion(), std::string(c.platforms) + " " + c.version) << c.xml;
    }
}

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
    ASSERT_EQ(script.getPackages().size() + script.getFiles().size(), 2u);
    const auto& p = script.getPackages()[0];
    const auto& f = script.getFiles()[0];
    EXPECT_EQ(script.getVersion() + " " + script.getDate() + " " + p.name + " " + p.sha1 + " " + p.host + " "
                  + p.source + " " + p.platform + " " + std::to_string(p.size),
              "2.2.0 2026-11-30 update_win " + manifest.hash + " " + manifest.host + " /files/update_win.zip windows 1234");
    EXPECT_EQ(f.name + " " + f.package + " [" + f.linkTarget + "] " + f.exec + " " + f.platform + " "
                  + std::to_string(f.permissions) + " " + std::to_string(f.isMainBinary),
              "Cartaline update_win [] Cartaline.exe windows 493 1");
}

// A missing file, a broken or a foreign document: false, silently, and the
// model stays.
TEST(WrenhopScript, UnloadableAnswersFalseSilentlyAndKeepsTheModel)
{
    for (const char* content : {"", "<x><release></x>", "not xml at all"}) {
        testsupport::ScratchDir scratch;
        WrenhopScript script;
        ASSERT_TRUE(script.parseInfoXmlData("<x><release><version>1.0</version></release></x>"));
        if (*content)
            testsupport::writeFile(scratch.file("packageInfo.xml"), content);
        enginetest::LogTail log;
        EXPECT_FALSE(script.parseInfoXml(scratch.file("packageInfo.xml")));
        EXPECT_EQ(script.getVersion() + log.text(), "1.0") << content;
    }
}

} // namespace
