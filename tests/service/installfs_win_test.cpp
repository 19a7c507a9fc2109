// SPDX-License-Identifier: LicenseRef-Wrenhop
// The Win32 calls that the installation transaction rests on, under Wine.
#include "installfs.h"

#include "testplatform.h"

#include <string>

namespace installfs = wrenhop::service::installfs;
using namespace testplatform;

namespace {

TEST(InstallFs, MovesLinksAndFlushesAsTheTransactionNeeds)
{
    const ScratchDir scratch;
    const std::string a = scratch.file("a");
    const std::string b = scratch.file("b");
    writeFile(a, "new");
    writeFile(b, "old");
    EXPECT_FALSE(installfs::move(a, b));
    ASSERT_TRUE(installfs::link(b, scratch.file("backup")));
    EXPECT_TRUE(installfs::sameFile(b, scratch.file("backup")));
    EXPECT_TRUE(installfs::moveReplacing(a, b));
    EXPECT_FALSE(installfs::sameFile(b, scratch.file("backup")));
    EXPECT_EQ(readFile(b), "new");
    EXPECT_EQ(readFile(scratch.file("backup")), "old");
    EXPECT_TRUE(installfs::move(scratch.file("backup"), a));
    EXPECT_TRUE(installfs::writeDurably(scratch.file("journal"), "steps 0\n"));
    EXPECT_EQ(readFile(scratch.file("journal")), "steps 0\n");
    EXPECT_FALSE(installfs::isLink(scratch.path()));
    EXPECT_TRUE(installfs::flushTree(scratch.path()));
}

// The backup and exec names that decide safety compare as NTFS does.
TEST(InstallFs, NamesDifferingInCaseAreOneName)
{
    EXPECT_EQ(installfs::nameKey("Package/CARTALINE.exe"), installfs::nameKey("package/Cartaline.EXE"));
    EXPECT_EQ(installfs::nameKey("package/\xC3\x84rger"), installfs::nameKey("PACKAGE/\xC3\xA4RGER"));
    EXPECT_NE(installfs::nameKey("package/a"), installfs::nameKey("package/b"));
}

} // namespace
