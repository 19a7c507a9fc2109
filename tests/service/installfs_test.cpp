// SPDX-License-Identifier: LicenseRef-Wrenhop
// The file calls that the installation transaction rests on, on Linux and
// under Wine.
#include "installfs.h"

#include "testplatform.h"

#include <string>

namespace installfs = wrenhop::service::installfs;
using namespace testplatform;

namespace {

TEST(InstallFs, MovesLinksAndFlushesAsTheTransactionNeeds)
{
    const ScratchDir scratch;
    const std::string a = scratch.file("a"), b = scratch.file("b");
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

} // namespace
