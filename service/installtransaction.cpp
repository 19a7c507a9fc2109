// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "installtransaction.h"

#include "installfs.h"
#include "stopguard.h"
#include "writelog.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <thread>

namespace wrenhop::service {

namespace fs = std::filesystem;

namespace {

const char* const kFolderName = ".wrenhop-update";
const char* const kRecover = "wrenhop::service::InstallTransaction::recover";
const char* const kPlan = "wrenhop::service::InstallTransaction::plan";
const char* const kApply = "wrenhop::service::InstallTransaction::apply";
// Test-only: end the process (as a crash would) or wait a while at the given
// step, so that tests can stop a transaction at any point.
const char* const kExitAtStepVariable = "WRENHOP_TEST_EXIT_AT_STEP";
const char* const kPauseAtStepVariable = "WRENHOP_TEST_PAUSE_AT_STEP";

using Clock = std::chrono::steady_clock;

fs::path native(const std::string& path)
{
    return fs::u8path(path);
}

bool present(const std::string& path)
{
    std::error_code error;
    return fs::symlink_status(native(path), error).type() != fs::file_type::not_found && !error;
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(fs::symlink_status(native(path), error));
}

bool removeTree(const std::string& path)
{
    installfs::removeAll(path);
    return !present(path);
}

int variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : 0;
}

long long millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::string kindName(JournalStep::Kind kind)
{
    switch (kind) {
    case JournalStep::NewFolder: return "new folder";
    case JournalStep::NewFile: return "new file";
    case JournalStep::Replace: return "replaced file";
    }
    return {};
}

// "package/./a//b/" -> "package/a/b"; folders lose their last "/".
std::string normalRelative(std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    std::string normal = fs::u8path(name).lexically_normal().generic_u8string();
    while (!normal.empty() && normal.back() == '/')
        normal.pop_back();
    return normal == "." ? std::string() : normal;
}

std::vector<std::string> components(const std::string& relative)
{
    std::vector<std::string> parts;
    std::istringstream in(relative);
    for (std::string part; std::getline(in, part, '/');)
        parts.push_back(part);
    return parts;
}

// Takes one step back; each is safe to repeat, so a rollback cut short is
// simply run again.
bool undo(const std::string& root, const std::string& folder, const JournalStep& step)
{
    const std::string target = root + "/" + step.target;
    writeLog(LOG_INFO, kRecover, "undo %s: %s", kindName(step.kind).c_str(), target.c_str());
    if (step.kind == JournalStep::NewFolder)
        return removeTree(target);
    if (step.kind == JournalStep::NewFile)
        return removeTree(target);
    const std::string backup = folder + "/" + step.backup;
    if (!present(backup))
        return true; // never moved aside, or already back
    // The backup may still be a second name of the old file in its place:
    // the step is undone. A name that cannot go yet (Windows keeps a file
    // that a running program holds) stays for the transaction folder's
    // removal, which keeps the journal until it can.
    if (installfs::sameFile(backup, target)) {
        removeTree(backup);
        return true;
    }
    return installfs::moveReplacing(backup, target);
}

// Backups, staging, then the journal: the journal goes last, so that a crash
// in between leaves a journal that says what is still to do.
bool removeTransactionFolder(const std::string& folder, const char* function,
                             const std::function<void()>& afterEach = [] {})
{
    for (const char* part : {"backup", "staging", "journal.tmp", "journal"}) {
        const std::string path = folder + "/" + part;
        if (!present(path))
            continue;
        writeLog(LOG_INFO, function, "remove %s", path.c_str());
        if (!removeTree(path)) {
            writeLog(LOG_ERROR, function, "cannot remove %s", path.c_str());
            return false;
        }
        afterEach();
    }
    std::error_code error;
    fs::remove(native(folder), error);
    return !present(folder);
}

bool rollBack(const std::string& root, const std::string& folder, const Journal& journal)
{
    for (auto step = journal.steps.rbegin(); step != journal.steps.rend(); ++step) {
        if (!undo(root, folder, *step)) {
            writeLog(LOG_ERROR, kRecover, "cannot undo: %s", (root + "/" + step->target).c_str());
            return false;
        }
    }
    // The restored names must be on disk before the journal goes.
    installfs::flushFileSystem(root);
    return removeTransactionFolder(folder, kRecover);
}

std::string readAll(const std::string& path, bool* ok)
{
    std::ifstream in(native(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    *ok = static_cast<bool>(in) || in.eof();
    return bytes.str();
}

} // namespace

InstallTransaction::InstallTransaction(std::string root)
    : mRoot(std::move(root))
    , mFolder(mRoot + "/" + kFolderName)
    , mStaging(mFolder + "/staging")
    , mExitAtStep(variable(kExitAtStepVariable))
    , mPauseAtStep(variable(kPauseAtStepVariable))
{
}

bool InstallTransaction::recover(const std::string& root)
{
    const std::string folder = root + "/" + kFolderName;
    if (!present(folder))
        return true;
    const StopGuard guard;
    const std::string journalPath = folder + "/journal";
    if (installfs::isLink(folder) || !isFolder(folder)) {
        writeLog(LOG_ERROR, kRecover, "not a folder of ours: %s", folder.c_str());
        return false;
    }
    if (!present(journalPath)) {
        // Staged only: the installation itself was never touched.
        writeLog(LOG_INFO, kRecover, "remove an unfinished staging: %s", folder.c_str());
        return removeTransactionFolder(folder, kRecover);
    }
    bool read = false;
    const std::string bytes = readAll(journalPath, &read);
    const std::optional<Journal> journal = read ? parseJournal(bytes) : std::nullopt;
    if (!journal) {
        writeLog(LOG_ERROR, kRecover, "unreadable journal, the installation is left as it is: %s", journalPath.c_str());
        return false;
    }
    if (journal->committed) {
        const bool finished = removeTransactionFolder(folder, kRecover);
        writeLog(finished ? LOG_INFO : LOG_ERROR, kRecover, "%s the committed update of %llu steps",
                 finished ? "finished" : "could not finish", static_cast<unsigned long long>(journal->steps.size()));
        return finished;
    }
    const bool rolledBack = rollBack(root, folder, *journal);
    writeLog(rolledBack ? LOG_INFO : LOG_ERROR, kRecover, "%s the unfinished update of %llu steps",
             rolledBack ? "rolled back" : "could not roll back", static_cast<unsigned long long>(journal->steps.size()));
    return rolledBack;
}

bool InstallTransaction::isReservedName(const std::string& firstComponent)
{
    return installfs::nameKey(firstComponent) == installfs::nameKey(kFolderName);
}

bool InstallTransaction::prepare()
{
    std::error_code error;
    const bool made = fs::create_directory(native(mFolder), error) && fs::create_directory(native(mStaging), error)
        && fs::create_directory(native(mFolder + "/backup"), error);
    if (!made) {
        writeLog(LOG_ERROR, "wrenhop::service::InstallTransaction::prepare", "staging fail: %s %s", mFolder.c_str(),
                 error.message().c_str());
        discard();
    }
    return made;
}

bool InstallTransaction::plan(const std::vector<std::string>& names, const std::string& execTarget, int permissions)
{
    checkpoint();
    const auto refuse = [this](const char* why, const std::string& path) {
        writeLog(LOG_ERROR, kPlan, "%s: %s", why, path.c_str());
        mSteps.clear();
        return false;
    };
    std::set<std::string> files;   // keys of every file the package holds
    std::set<std::string> folders; // keys of every folder it holds
    std::set<std::string> planned; // keys of the targets of the steps
    std::set<std::string> checked; // existing folders already looked at
    mSteps.clear();
    for (const std::string& name : names) {
        const bool folderEntry = !name.empty() && (name.back() == '/' || name.back() == '\\');
        const std::string relative = normalRelative(name);
        if (relative.empty())
            continue;
        const std::vector<std::string> parts = components(relative);
        if (isReservedName(parts.front()))
            return refuse("the package names the installation's own folder", relative);
        std::string prefix;
        bool underNewFolder = false;
        const std::size_t folderCount = folderEntry ? parts.size() : parts.size() - 1;
        for (std::size_t i = 0; i < folderCount; ++i) {
            prefix += (i ? "/" : "") + parts[i];
            const std::string folderKey = installfs::nameKey(prefix);
            folders.insert(folderKey);
            if (underNewFolder || checked.count(folderKey))
                continue;
            const std::string path = mRoot + "/" + prefix;
            if (!present(path)) {
                underNewFolder = true;
                if (planned.insert(folderKey).second)
                    mSteps.push_back({JournalStep::NewFolder, prefix, {}});
            } else if (installfs::isLink(path)) {
                return refuse("link in the installation", path);
            } else if (!isFolder(path)) {
                return refuse("file in the way of a folder", path);
            } else {
                checked.insert(folderKey);
            }
        }
        if (folderEntry)
            continue;
        const std::string key = installfs::nameKey(relative);
        files.insert(key);
        if (underNewFolder || !planned.insert(key).second)
            continue;
        const std::string target = mRoot + "/" + relative;
        if (!present(target))
            mSteps.push_back({JournalStep::NewFile, relative, {}});
        else if (installfs::isLink(target))
            return refuse("link in the installation", target);
        else if (isFolder(target))
            return refuse("folder in the way of a file", target);
        else
            mSteps.push_back({JournalStep::Replace, relative, "backup/" + std::to_string(mSteps.size())});
    }

    const std::string exec = normalRelative(execTarget);
    const std::string execKey = installfs::nameKey(exec);
    if (folders.count(execKey) || isFolder(mRoot + "/" + exec))
        return refuse("exec names a folder", mRoot + "/" + exec);
    if (!files.count(execKey)) {
        // Not in the package: the installed one stays as it is.
        if (!present(mRoot + "/" + exec))
            return refuse("exec is in neither the package nor the installation", mRoot + "/" + exec);
        return true;
    }
    // The exec always stays startable for its owner; without permissions of
    // its own it keeps those of the file it replaces.
    const std::string staged = mStaging + "/" + exec;
    int bits = permissions > 0 ? permissions & 0777 : 0;
    if (bits == 0)
        bits = installfs::permissionBits(present(mRoot + "/" + exec) ? mRoot + "/" + exec : staged);
    if (bits >= 0 && !installfs::setPermissionBits(staged, (bits & 0777) | 0500))
        return refuse("chmod fail", staged);
    // The exec goes last, so that its folder is whole when it changes.
    const auto holdsExec = [&](const JournalStep& step) {
        const std::string key = installfs::nameKey(step.target);
        return key == execKey || execKey.compare(0, key.size() + 1, key + "/") == 0;
    };
    std::stable_partition(mSteps.begin(), mSteps.end(), [&](const JournalStep& step) { return !holdsExec(step); });
    return true;
}

bool InstallTransaction::apply()
{
    if (StopGuard::stopRequested()) {
        writeLog(LOG_INFO, kApply, "stopped before the installation changed");
        discard();
        return false;
    }
    if (!installfs::flushTree(mStaging)) {
        writeLog(LOG_ERROR, kApply, "cannot flush %s", mStaging.c_str());
        discard();
        return false;
    }
    Journal journal{false, mSteps};
    if (!writeJournal(journal)) {
        discard();
        return false;
    }

    const Clock::time_point swapStart = Clock::now();
    for (const JournalStep& step : journal.steps) {
        if (!swap(step)) {
            writeLog(LOG_ERROR, kApply, "swap fail: %s", (mRoot + "/" + step.target).c_str());
            const bool rolledBack = rollBack(mRoot, mFolder, journal);
            writeLog(rolledBack ? LOG_INFO : LOG_ERROR, kApply, "%s", rolledBack ? "rolled back" : "rollback fail");
            return false;
        }
    }
    const long long swapMs = millisecondsSince(swapStart);
    installfs::flushFileSystem(mRoot);
    checkpoint();
    journal.committed = true;
    if (!writeJournal(journal)) {
        writeLog(LOG_ERROR, kApply, "commit fail, rolling back");
        rollBack(mRoot, mFolder, journal);
        return false;
    }
    removeTransactionFolder(mFolder, kApply, [this] { checkpoint(); });
    // How long the installation was a mix of old and new files.
    writeLog(LOG_INFO, kApply, "swapped %llu steps in %lld ms", static_cast<unsigned long long>(journal.steps.size()),
             swapMs);
    return true;
}

void InstallTransaction::discard()
{
    if (!removeTree(mFolder))
        writeLog(LOG_ERROR, "wrenhop::service::InstallTransaction::discard", "cannot remove %s", mFolder.c_str());
}

void InstallTransaction::checkpoint()
{
    ++mStep;
    if (mStep == mExitAtStep)
        std::_Exit(99);
    if (mStep == mPauseAtStep) {
        writeLog(LOG_INFO, kApply, "pause at step %d", mStep);
        std::this_thread::sleep_for(std::chrono::seconds(2));
    }
}

bool InstallTransaction::writeJournal(const Journal& journal)
{
    const std::string temporary = mFolder + "/journal.tmp";
    const bool written = installfs::writeDurably(temporary, serializeJournal(journal));
    checkpoint();
    if (!written || !installfs::moveReplacing(temporary, mFolder + "/journal") || !installfs::flushDirectory(mFolder)) {
        writeLog(LOG_ERROR, kApply, "journal fail: %s", temporary.c_str());
        return false;
    }
    checkpoint();
    return true;
}

bool InstallTransaction::swap(const JournalStep& step)
{
    const std::string staged = mStaging + "/" + step.target;
    const std::string target = mRoot + "/" + step.target;
    if (step.kind == JournalStep::Replace) {
        // A second name keeps the old file without a moment in which the
        // target is missing; where the file system has no links, it moves.
        const std::string backup = mFolder + "/" + step.backup;
        if (!installfs::link(target, backup) && !installfs::move(target, backup))
            return false;
        checkpoint();
        const bool moved = installfs::moveReplacing(staged, target);
        checkpoint();
        return moved;
    }
    const bool moved = installfs::move(staged, target);
    checkpoint();
    return moved;
}

} // namespace wrenhop::service
