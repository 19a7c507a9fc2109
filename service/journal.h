// SPDX-License-Identifier: LicenseRef-Wrenhop
// The installation's journal: the plan of one transaction, as a few lines of
// text that are either read whole or not at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wrenhop::service {

struct JournalStep {
    enum Kind { NewFolder, NewFile, Replace };
    Kind kind = NewFile;
    std::string target; // relative to the installation folder
    std::string backup; // Replace only: relative to the transaction's folder

    bool operator==(const JournalStep& other) const
    {
        return kind == other.kind && target == other.target && backup == other.backup;
    }
};

struct Journal {
    bool committed = false;
    std::vector<JournalStep> steps;

    bool operator==(const Journal& other) const { return committed == other.committed && steps == other.steps; }
};

std::string serializeJournal(const Journal& journal);
// Nothing unless the bytes are a whole journal: its header, exactly the
// number of steps it announces, each naming a path that stays inside its
// folder, and the closing line with the checksum of everything before it.
std::optional<Journal> parseJournal(std::string_view bytes);

} // namespace wrenhop::service
