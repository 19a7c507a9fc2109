// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "processutils.h"

#include "fileutils.h"
#include "fileutils_p.h"
#include "processutils_p.h"
#include "writelog.h"

#include <cerrno>
#include <csignal>
#include <string>
#include <system_error>
#include <thread>

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

// Returns 0 or the errno value that kept the program from starting.
int spawn(Lookup lookup, std::vector<std::string> argv, pid_t& pid)
{
    std::vector<char*> pointers;
    pointers.reserve(argv.size() + 1);
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    const SpawnActions actions;
    const SpawnAttributes attributes;
    const auto start = lookup == Lookup::ExactPath ? ::posix_spawn : ::posix_spawnp;
    return start(&pid, pointers.front(), actions.get(), attributes.get(), pointers.data(), environ);
}

int waitFor(pid_t pid, int& status)
{
    int result = 0;
    do {
        result = ::waitpid(pid, &status, 0);
    } while (result < 0 && errno == EINTR);
    return result;
}

// A child that is not waited for is reaped when it ends, so that it does not
// linger as a zombie while we keep running.
void reapInBackground(pid_t pid)
{
    try {
        std::thread([pid] {
            int status = 0;
            waitFor(pid, status);
        }).detach();
    } catch (const std::system_error&) {
        // Without a thread the child stays a zombie until we exit; harmless.
    }
}

} // namespace

int runWindows(const std::string& program, const std::vector<std::string>& args, bool noWait)
{
    const std::vector<std::string> argv = detail::programAndArguments(program, args);
    const std::string path = argv.front();
    writeLog(LOG_INFO, "ProcessUtils::runWindows", "%s", buildCommandLine(argv).c_str());

    pid_t pid = 0;
    const int error = spawn(Lookup::ExactPath, std::move(argv), pid);
    if (error != 0) {
        const std::string code = std::to_string(FileUtils::detail::windowsErrorCode(error));
        writeLog(LOG_ERROR, "ProcessUtils::runWindows", "Failed to start child process. %s, Last error: %s",
                 path.c_str(), code.c_str());
        return -8;
    }
    if (noWait) {
        reapInBackground(pid);
        return 0;
    }

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
    pid_t pid = 0;
    if (spawn(Lookup::SearchPath, {"xdg-open", url}, pid) != 0) {
        writeLog(LOG_ERROR, "ProcessUtils::openURL", "open url failed");
        return;
    }
    writeLog(LOG_INFO, "ProcessUtils::openURL", "open url");
    reapInBackground(pid);
}

} // namespace ProcessUtils
