// SPDX-License-Identifier: LicenseRef-Wrenhop
// One installation as a transaction whose state is on disk at every moment:
// the package is staged in a folder of ours inside the installation folder,
// the plan is journalled, the files are swapped in with renames, and the
// journal is marked committed before the backups go. A run that ends in
// between is finished or undone by recover() at the next start.
#pragma once

#include "journal.h"

#include <string>
#include <vector>

namespace wrenhop::service {

class InstallTransaction
{
public:
    // root: the installation folder; nothing is touched before prepare().
    explicit InstallTransaction(std::string root);

    // Finishes a committed transaction that an earlier run left, rolls back
    // one that was not committed, and removes a staging folder that never got
    // as far as a journal. False when a journal cannot be read or carried
    // out: it stays where it is, and nothing may touch the installation.
    static bool recover(const std::string& root);
    // The first component of an archive name that the transaction keeps for
    // itself; the platform's case rules apply.
    static bool isReservedName(const std::string& firstComponent);

    // Makes the empty staging folder; false (logged) when it cannot.
    bool prepare();
    // Where the package goes before it is swapped in; entries keep their
    // paths relative to the installation folder.
    const std::string& stagingPath() const { return mStaging; }
    // Works out the steps from the staged names. False (logged) when the
    // package cannot be installed without harm: a link in the way, a folder
    // where a file goes, an exec that is a folder or missing. execTarget is
    // relative to the installation folder; permissions as the manifest says.
    bool plan(const std::vector<std::string>& names, const std::string& execTarget, int permissions);
    // Journal, swap, commit and clean-up. False when the installation is as
    // it was before (or, when even the rollback failed, left to recover()).
    bool apply();
    // Removes the staging folder after a refusal.
    void discard();

private:
    void checkpoint();
    bool writeJournal(const Journal& journal);
    bool swap(const JournalStep& step);

    std::string mRoot;
    std::string mFolder;
    std::string mStaging;
    std::vector<JournalStep> mSteps;
    int mStep = 0;
    int mExitAtStep = 0;
    int mPauseAtStep = 0;
};

} // namespace wrenhop::service
