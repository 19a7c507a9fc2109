// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "processutils.h"

#include "fileutils.h"
#include "processutils_p.h"
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

// Paths and arguments are UTF-8, so the wide call takes them. CreateProcessW
// may write into the command line, so it gets its own copy.
bool createProcess(const std::string* application, const std::string& commandLine, DWORD flags,
                   ProcessHandles& handles)
{
    const std::wstring wideApplication = application ? FileUtils::utf8ToWide(*application) : std::wstring();
    std::wstring writable = FileUtils::utf8ToWide(commandLine);
    // The command line holds the program path too. Unconverted, the child
    // would start with an empty one.
    if (writable.empty() && !commandLine.empty()) {
        ::SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    writable.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return ::CreateProcessW(application ? wideApplication.c_str() : nullptr, writable.data(), nullptr, nullptr, FALSE,
                            flags, nullptr, nullptr, &startup, handles.get())
        != 0;
}

} // namespace

int runWindows(const std::string& program, const std::vector<std::string>& args, bool noWait)
{
    const std::vector<std::string> argv = detail::programAndArguments(program, args);
    const std::string& path = argv.front();

    ProcessHandles handles;
    if (!createProcess(&path, buildCommandLine(argv), 0, handles)) {
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
