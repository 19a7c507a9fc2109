// SPDX-License-Identifier: LicenseRef-Wrenhop
// The lock that keeps two update runs apart, on every platform.
#include "filelock.h"
#include "fileutils.h"
#include "testplatform.h"

#include <gtest/gtest.h>

#include <string>

using namespace testplatform;

// A lock file of a run that ended without removing it, whatever it holds,
// once blocked every later update.
TEST_F(FileUtilsTest, LockWithoutLiveHolderIsTakenOverWhateverTheFileHolds)
{
    const std::string path = scratch.file("Wrenhop.lock");
    for (const std::string leftover : {"", "4242\nhost\nWrenhop\n"}) {
        writeFile(path, leftover);
        FileLock first(path), second(path);
        EXPECT_EQ(first.tryLock(), FileLock::Result::Acquired) << leftover;
        EXPECT_EQ(second.tryLock(), FileLock::Result::HeldElsewhere);
        first.release();
        EXPECT_FALSE(FileUtils::exists(path));
        EXPECT_EQ(second.tryLock(), FileLock::Result::Acquired);
    }
    EXPECT_FALSE(FileUtils::exists(path));

    FileLock missingFolder(scratch.file("missing/Wrenhop.lock"));
    EXPECT_EQ(missingFolder.tryLock(), FileLock::Result::Failed);
    EXPECT_NE(missingFolder.errorCode(), 0u);
}
