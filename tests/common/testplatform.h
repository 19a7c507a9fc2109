// SPDX-License-Identifier: LicenseRef-Wrenhop
// Qt-free helpers of the file and process tests, so that the same test
// sources build for every platform; what differs lives in testplatform_*.cpp.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

namespace testplatform {

// A scratch folder below TEMP (else the system's temporary folder), removed
// with the object. Its path uses "/" as separator.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return mPath; }
    std::string file(const std::string& relative) const { return mPath + "/" + relative; }

private:
    std::string mPath;
};

std::string readFile(const std::string& path);
// Creates the missing parent folders.
void writeFile(const std::string& path, const std::string& bytes);
bool isDirectory(const std::string& path);

// Sets (or, without a value, clears) an environment variable.
void setEnvironment(const std::string& name, const std::optional<std::string>& value);

// Sets or clears an environment variable for one scope and restores it after.
class EnvironmentOverride
{
public:
    EnvironmentOverride(std::string name, const std::optional<std::string>& value);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    std::string mName;
    std::optional<std::string> mOld;
};

// Makes the platform's last-error code read `code` (on POSIX through the
// errno that maps to it).
void setLastError(unsigned long code);

// The last-error code of removing a folder that is not empty.
unsigned long directoryNotEmptyCode();

// The child program started without waiting and kept running until
// release(), which lets it end and waits until it has.
class HeldChild
{
public:
    HeldChild(const std::string& program, const std::string& folder);
    ~HeldChild();
    HeldChild(const HeldChild&) = delete;
    HeldChild& operator=(const HeldChild&) = delete;

    bool started() const { return mStarted; }
    bool finished() const;
    bool release();

private:
    std::string mGo;
    std::string mDone;
    bool mStarted = false;
};

// Collects the lines that the program's logger writes while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // A line with the level's tag, the function's name and the text.
    bool contains(const std::string& tag, const std::string& function, const std::string& text) const;
};

// Runs an operation and returns what it printed to standard output.
template <typename Operation>
std::string printedBy(Operation&& operation)
{
    testing::internal::CaptureStdout();
    operation();
    return testing::internal::GetCapturedStdout();
}

// Waits for something a child that is not waited for does; gives up after a
// generous deadline so that a fault fails the test instead of hanging it.
template <typename Condition>
bool eventually(Condition&& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

} // namespace testplatform
