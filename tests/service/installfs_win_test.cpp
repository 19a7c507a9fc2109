// SPDX-License-Identifier: LicenseRef-Wrenhop
// The Win32 case rule of the installation transaction's names, under Wine.
#include "installfs.h"

#include "testplatform.h"

#include <string>

namespace installfs = wrenhop::service::installfs;
using namespace testplatform;

namespace {

// The backup and exec names that decide safety compare as NTFS does.
TEST(InstallFs, NamesDifferingInCaseAreOneName)
{
    EXPECT_EQ(installfs::nameKey("Package/CARTALINE.exe"), installfs::nameKey("package/Cartaline.EXE"));
    EXPECT_EQ(installfs::nameKey("package/\xC3\x84rger"), installfs::nameKey("PACKAGE/\xC3\xA4RGER"));
    EXPECT_NE(installfs::nameKey("package/a"), installfs::nameKey("package/b"));
}

} // namespace
