// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "wrenhopscript.h"

#include "testsupport.h"

#include <gtest/gtest.h>

using wrenhop::service::WrenhopScript;

namespace {

// One element of a file or package record and what the model makes of it:
// permissions scan like "%i", is-main-binary is "true" or a non-zero
// number, a size reads like atoi without overflow.
TEST(WrenhopScript, ReadsNumbersAndBoolsTheOldWay)
{
    for (const auto& [element, expected] : std::initializer_list<std::pair<const char*, std::int64_t>>{
             {"<permissions>0x1ED</permissions>", 0755}, {"<permissions> 0644</permissions>", 0644},
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
        EXPECT_EQ(xml[1] == 's' ? script.getPackages()[0].size : xml[1] == 'p' ? file.permissions : file.isMainBinary,
                  expected) << xml;
    }
}

// Only the first container counts: the version, and the platforms of the
// package records as written. A missing file or a broken document answers
// false and keeps the model.
TEST(WrenhopScript, ReadsOnlyTheFirstContainerAndKeepsItWhenALoadFails)
{
    const testsupport::ScratchDir scratch;
    testsupport::writeFile(scratch.file("broken.xml"), "<x><release></x>");
    WrenhopScript script;
    ASSERT_TRUE(script.parseInfoXmlData(
        "<x><release><version>1&amp;2</version><version>2</version></release><release><version>3</version></release>"
        "<packages><package><platform>a</platform></package><package><platform> b</platform></package></packages>"
        "<packages><package><platform>c</platform></package></packages></x>"));
    EXPECT_FALSE(script.parseInfoXml(scratch.file("missing.xml")));
    EXPECT_FALSE(script.parseInfoXml(scratch.file("broken.xml")));
    EXPECT_FALSE(script.parseInfoXmlData("not xml at all"));
    ASSERT_EQ(script.getPackages().size(), 2u);
    EXPECT_EQ(script.getPackages()[0].platform + ";" + script.getPackages()[1].platform + ";" + script.getVersion(),
              "a; b;1&2");
}

} // namespace
