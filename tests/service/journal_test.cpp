// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "journal.h"

#include <gtest/gtest.h>

using namespace wrenhop::service;

namespace {

const Journal kJournal{false,
                       {{JournalStep::NewFolder, "package/fresh", {}},
                        {JournalStep::Replace, "package/a b%\n.txt", "backup/1"},
                        {JournalStep::NewFile, "package/new.txt", {}}}};

TEST(Journal, ReadsBackWhatItWrote)
{
    for (const bool committed : {false, true}) {
        Journal journal = kJournal;
        journal.committed = committed;
        EXPECT_EQ(parseJournal(serializeJournal(journal)), journal);
    }
}

// However a write was cut short or a byte damaged, it never reads as some
// other plan; nor does a path that would leave its folder, even under a
// right checksum.
TEST(Journal, RefusesTornOrDamagedCopyAndPathsOutsideItsFolder)
{
    const std::string whole = serializeJournal(kJournal);
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
