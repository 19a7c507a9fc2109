// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "processutils.h"

#include "fileutils.h"
#include "writelog.h"

#include <string>
#include <vector>

#include <windows.h>

namespace ProcessUtils {

namespace {

class ProcessHandles
{
public:
    ProcessHandles() = default;
    ~ProcessHandles()
    {
        if (mInfo.hThread)
            ::CloseHandle(mInfo.hThread);
        if (mInfo.hProcess)
            ::CloseHandle(mInfo.hProcess);
    }
    ProcessHandles(const ProcessHandles&) = delete;
    ProcessHandles& operator=(const ProcessHandles&) = delete;

    PROCESS_INFORMATION* get() { return &mInfo; }
    HANDLE process() const { return mInfo.hProcess; }

private:
    PROCESS_INFORMATION mInfo = {};
};

// CreateProcessA may write into the command line, so it gets its own copy.
bool createProcess(const char* application, const std::string& commandLine, DWORD flags, ProcessHandles& handles)
{
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return ::CreateProcessA(application, writable.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                            handles.get())
        != 0;
}

} // namespace

int runWindows(const std::string& program, const std::vector<std::string>& args, bool noWait)
{
    std::vector<std::string> argv;
    argv.reserve(args.size() + 1);
    argv.push_back(FileUtils::toForwardSlashes(program));
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string& path = argv.front();

    ProcessHandles handles;
    if (!createProcess(path.c_str(), buildCommandLine(argv), 0, handles)) {
        const std::string code = std::to_string(::GetLastError());
        writeLog(LOG_ERROR, "ProcessUtils::runWindows", "Failed to start child process. %s, Last error: %s",
                 path.c_str(), code.c_str());
        return -8;
    }
    if (noWait)
        return 0;

    if (::WaitForSingleObject(handles.process(), INFINITE) != WAIT_OBJECT_0) {
        writeLog(LOG_ERROR, "ProcessUtils::runWindows", "Failed to wait for process to finish");
        return -1;
    }
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(handles.process(), &exitCode))
        writeLog(LOG_ERROR, "ProcessUtils::runWindows", "Failed to get exit code for process");
    return static_cast<int>(exitCode);
}

void openURL(const std::string& url)
{
    if (url.empty()) {
        writeLog(LOG_INFO, "ProcessUtils::openURL", "url is empty");
        return;
    }
    // start takes its first quoted argument for a window title, hence "link";
    // the address is protected from the shell only by its own quotes.
    const std::string commandLine = "cmd /c start \"link\" \"" + url + "\"";
    ProcessHandles handles;
    if (!createProcess(nullptr, commandLine, CREATE_NO_WINDOW, handles)) {
        writeLog(LOG_ERROR, "ProcessUtils::openURL", "open url failed");
        return;
    }
    writeLog(LOG_INFO, "ProcessUtils::openURL", "open url");
}

} // namespace ProcessUtils
