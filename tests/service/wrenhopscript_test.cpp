// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopscript.h"

#include "enginetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <tuple>

using wrenhop::service::WrenhopScript;

namespace {

// One element of a file or package record and what the model makes of it:
// permissions scan like "%i", is-main-binary is "true" or a non-zero
// number, a size reads like atoi without overflow.
TEST(WrenhopScript, ReadsNumbersAndBoolsTheOldWay)
{
    for (const auto& [element, expected] : std::initializer_list<std::pair<const char*, std::int64_t>>{
             {"<permissions>0x1ED</permissions>", 0755}, {"<permissions> 0644</permissions>", 0644},
             {"<permissions>755abc</permissions>", 755}, {"<permissions>rw</permissions>", 0},
             {"<permissions>99999999999999999999</permissions>", 2147483647},
             {"<is-main-binary>-1</is-main-binary>", 1}, {"<is-main-binary>True</is-main-binary>", 0},
             {"<size>  +42</size>", 42}, {"<size>4294967296</size>", 4294967296},
             {"<size>99999999999999999999999</size>", INT64_MAX}}) {
        WrenhopScript script;
        const std::string xml = element;
        ASSERT_TRUE(script.parseInfoXmlData("<m><install><file>" + xml + "</file></install><packages><package>" + xml
                                            + "</package></packages></m>"));
        ASSERT_EQ(script.getFiles().size() + script.getPackages().size(), 2u);
        const auto& file = script.getFiles()[0];
        const std::int64_t read = xml[1] == 'p' ? file.permissions : xml[1] == 'i' ? file.isMainBinary : 0;
        EXPECT_EQ(xml[1] == 's' ? script.getPackages()[0].size : read, expected) << xml;
    }
}

// Only the first container counts, only direct children, never attributes:
// the platforms of the package records, each followed by ";", and the version.
TEST(WrenhopScript, ReadsOnlyWhatTheLayoutAllows)
{
    using Layout = std::tuple<const char*, const char*, const char*>;
    for (const auto& [xml, platforms, version] : std::initializer_list<Layout>{
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
        ASSERT_TRUE(script.parseInfoXmlData(xml));
        std::string read;
        for (const auto& package : script.getPackages())
            read += package.platform + ";";
        EXPECT_EQ(read + " " + script.getVersion(), std::string(platforms) + " " + version) << xml;
    }
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
