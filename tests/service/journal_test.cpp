// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "journal.h"

#include <gtest/gtest.h>

using namespace wrenhop::service;

namespace {

const Journal kJournal{false,
                       {{JournalStep::NewFolder, "package/fresh", {}},
                        {JournalStep::Replace, "package/a b%\n.txt", "backup/1"},
                        {JournalStep::NewFile, "package/new.txt", {}}}};

// It reads back what it wrote, committed or not. However a write was cut
// short or a byte damaged, it never reads as some other plan; nor does a path
// that would leave its folder, even under a right checksum.
TEST(Journal, ReadsBackOnlyAWholeCopyInsideItsFolder)
{
    const std::string whole = serializeJournal(kJournal);
    EXPECT_EQ(parseJournal(whole), kJournal);
    EXPECT_EQ(parseJournal(serializeJournal(Journal{true, {}})), (Journal{true, {}}));
    for (std::size_t at = 0; at < whole.size(); ++at) {
        std::string damaged = whole;
        damaged[at] ^= 0x04;
        EXPECT_EQ(parseJournal(damaged), std::nullopt) << at;
        EXPECT_EQ(parseJournal(whole.substr(0, at)), std::nullopt) << at;
    }
    for (const JournalStep& step : {JournalStep{JournalStep::NewFile, "../outside", {}},
                                    JournalStep{JournalStep::Replace, "package/a", "/etc/passwd"},
                                    JournalStep{JournalStep::Replace, "package/a", "staging/a"}})
        EXPECT_EQ(parseJournal(serializeJournal(Journal{false, {step}})), std::nullopt);
}

} // namespace
