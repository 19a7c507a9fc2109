// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "processutils.h"

#include "fileutils.h"
#include "fileutils_p.h"
#include "processutils_p.h"
#include "writelog.h"

#include <cerrno>
#include <csignal>
#include <string>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ProcessUtils {

namespace {

class SpawnActions
{
public:
    SpawnActions()
    {
        posix_spawn_file_actions_init(&mActions);
        // Nothing of ours beyond the standard streams reaches the child: a
        // restarted Cartaline must not hold our log or archive files open.
        posix_spawn_file_actions_addclosefrom_np(&mActions, 3);
    }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&mActions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    const posix_spawn_file_actions_t* get() const { return &mActions; }

private:
    posix_spawn_file_actions_t mActions;
};

class SpawnAttributes
{
public:
    SpawnAttributes()
    {
        posix_spawnattr_init(&mAttributes);
        // The calling thread's blocked signals and an ignored SIGPIPE would
        // otherwise be inherited across exec.
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&mAttributes, &none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        posix_spawnattr_setsigdefault(&mAttributes, &defaults);
        posix_spawnattr_setflags(&mAttributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&mAttributes); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    const posix_spawnattr_t* get() const { return &mAttributes; }

private:
    posix_spawnattr_t mAttributes;
};

enum class Lookup { ExactPath, SearchPath };

// Everything a start needs, allocated before any fork.
class Spawn
{
public:
    Spawn(Lookup lookup, std::vector<std::string> argv)
        : mArgv(std::move(argv))
        , mStart(lookup == Lookup::ExactPath ? ::posix_spawn : ::posix_spawnp)
    {
        for (std::string& arg : mArgv)
            mPointers.push_back(arg.data());
        mPointers.push_back(nullptr);
    }

    // Returns 0 or the errno value that kept the program from starting.
    int operator()(pid_t& pid) const
    {
        return mStart(&pid, mPointers.front(), mActions.get(), mAttributes.get(), mPointers.data(), environ);
    }

private:
    std::vector<std::string> mArgv;
    std::vector<char*> mPointers;
    decltype(&::posix_spawn) mStart;
    SpawnActions mActions;
    SpawnAttributes mAttributes;
};

int waitFor(pid_t pid, int& status)
{
    int result = 0;
    do {
        result = ::waitpid(pid, &status, 0);
    } while (result < 0 && errno == EINTR);
    return result;
}

// A program that we do not wait for is started by a short-lived child that
// ends at once, so that the program belongs to init, which reaps it, and we
// keep no zombie and no thread for it. The child answers with its exit code
// what the start returned; glibc's posix_spawn allocates nothing and takes
// no lock that another of our threads might have held at the fork.
int spawnDetached(const Spawn& spawn)
{
    const pid_t child = ::fork();
    if (child < 0)
        return errno;
    if (child == 0) {
        pid_t pid = 0;
        ::_exit(spawn(pid));
    }
    int status = 0;
    if (waitFor(child, status) < 0 || !WIFEXITED(status))
        return ECHILD;
    return WEXITSTATUS(status);
}

} // namespace

int runWindows(const std::string& program, const std::vector<std::string>& args, bool noWait)
{
    const std::vector<std::string> argv = detail::programAndArguments(program, args);
    const std::string path = argv.front();
    writeLog(LOG_INFO, "ProcessUtils::runWindows", "%s", buildCommandLine(argv).c_str());

    const Spawn spawn(Lookup::ExactPath, argv);
    pid_t pid = 0;
    const int error = noWait ? spawnDetached(spawn) : spawn(pid);
    if (error != 0) {
        const std::string code = std::to_string(FileUtils::detail::windowsErrorCode(error));
        writeLog(LOG_ERROR, "ProcessUtils::runWindows", "Failed to start child process. %s, Last error: %s",
                 path.c_str(), code.c_str());
        return -8;
    }
    if (noWait)
        return 0;

    int status = 0;
    if (waitFor(pid, status) < 0) {
        writeLog(LOG_ERROR, "ProcessUtils::runWindows", "Failed to wait for process to finish");
        return -1;
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

void openURL(const std::string& url)
{
    if (url.empty()) {
        writeLog(LOG_INFO, "ProcessUtils::openURL", "url is empty");
        return;
    }
    // The address is one argument of its own: no shell ever parses it.
    if (spawnDetached(Spawn(Lookup::SearchPath, {"xdg-open", url})) != 0) {
        writeLog(LOG_ERROR, "ProcessUtils::openURL", "open url failed");
        return;
    }
    writeLog(LOG_INFO, "ProcessUtils::openURL", "open url");
}

} // namespace ProcessUtils
