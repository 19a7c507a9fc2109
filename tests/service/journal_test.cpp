// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "journal.h"

#include "installtransaction.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

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

// What an earlier run left is finished when committed and undone step by step
// when not, from any point of the swap; an unreadable journal leaves all as
// it is. The journal: a new folder, a new file, package/a.txt replaced.
TEST(Recovery, FinishesOrUndoesWhatAnEarlierRunLeft)
{
    const std::vector<std::string> untouched{"package/", "package/a.txt"};
    const std::vector<std::string> updated{"package/", "package/a.txt", "package/fresh/", "package/n.txt"};
    // The journal ("open", "committed", "damaged" or none) and package/a.txt
    // ("old", "new", "linked" to its backup, or absent).
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"StagedOnly", "", "old"},    {"BeforeTheSwap", "open", "old"}, {"MovedAside", "open", ""},
        {"Linked", "open", "linked"}, {"Swapped", "open", "new"},       {"Committed", "committed", "new"},
        {"DamagedJournal", "damaged", "new"}};
    for (const auto& [name, journal, a] : rows) {
        const testsupport::ScratchDir root;
        const std::string folder = root.file(".wrenhop-update");
        testsupport::writeFile(folder + "/staging/package/a.txt", "new");
        std::filesystem::create_directories(root.file("package"));
        if (a != "old")
            testsupport::writeFile(folder + "/backup/1", "old");
        if (a == "linked")
            std::filesystem::create_hard_link(folder + "/backup/1", root.file("package/a.txt"));
        else if (!a.empty())
            testsupport::writeFile(root.file("package/a.txt"), a);
        if (a != "old" || !journal.empty()) {
            std::filesystem::create_directories(root.file("package/fresh"));
            testsupport::writeFile(root.file("package/n.txt"), "n");
        }
        std::string bytes = serializeJournal({journal == "committed",
                                              {{JournalStep::NewFolder, "package/fresh", {}},
                                               {JournalStep::NewFile, "package/n.txt", {}},
                                               {JournalStep::Replace, "package/a.txt", "backup/1"}}});
        if (journal == "damaged")
            bytes.back() = 'x';
        if (!journal.empty())
            testsupport::writeFile(folder + "/journal", bytes);
        const std::vector<std::string> before = testplatform::tree(root.path());

        EXPECT_EQ(InstallTransaction::recover(root.path()), journal != "damaged") << name;
        EXPECT_EQ(testsupport::readFile(root.file("package/a.txt")),
                  journal == "committed" || journal == "damaged" ? "new" : "old") << name;
        EXPECT_EQ(testplatform::tree(root.path()),
                  journal == "damaged" ? before : journal == "committed" ? updated : untouched) << name;
    }
}

} // namespace
