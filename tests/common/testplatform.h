// SPDX-License-Identifier: LicenseRef-Wrenhop
// The tests' helpers without Qt, which every test program shares (Debian has
// no Qt for mingw-w64). The plain units log through writelog_plain.cpp to
// standard output, so printedBy() sees their log lines too.
#pragma once

#include "processutils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace testplatform {

// A scratch folder below TEMP, removed with the object; "/" separates.
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

// The fixture of the file tests that work in a scratch folder.
class FileUtilsTest : public testing::Test
{
protected:
    ScratchDir scratch;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes); // creates the parent folders
// Everything below root, folders ending in "/", sorted.
std::vector<std::string> tree(const std::string& root);

// Defined per platform, beside the platform's own cases (setEnvironment for
// Windows in tests/windows/winemain.cpp): setting or clearing (nullopt) an
// environment variable, the last-error code of removing a folder that is not
// empty, and the check that a child started with argv got its arguments, from
// what it recorded and what runWindows printed.
void setEnvironment(const std::string& name, const std::optional<std::string>& value);
unsigned long directoryNotEmptyCode();
void checkChildStart(const std::vector<std::string>& argv, const std::string& recorded, const std::string& printed);

// Sets or clears an environment variable for one scope.
class EnvironmentOverride
{
public:
    EnvironmentOverride(std::string name, const std::optional<std::string>& value) : mName(std::move(name))
    {
        if (const char* old = std::getenv(mName.c_str()))
            mOld = old;
        setEnvironment(mName, value);
    }
    ~EnvironmentOverride() { setEnvironment(mName, mOld); }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    std::string mName;
    std::optional<std::string> mOld;
};

template <typename Operation>
std::string printedBy(Operation&& operation)
{
    testing::internal::CaptureStdout();
    operation();
    return testing::internal::GetCapturedStdout();
}

// The line that a file operation prints when it fails.
inline std::string failure(const std::string& what, unsigned long code)
{
    return what + " GetLastError returned: " + std::to_string(code) + "\n";
}

// What a file operation printed, once its answer is checked to agree: true
// when it printed nothing, false when it printed its failure.
template <typename Operation>
std::string outcome(Operation&& operation)
{
    bool succeeded = false;
    const std::string printed = printedBy([&] { succeeded = operation(); });
    EXPECT_EQ(succeeded, printed.empty()) << printed;
    return printed;
}

// Waits for what a child that is not waited for does; gives up after a
// generous deadline, so that a fault fails the test instead of hanging it.
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

// The child program, started without waiting, running (and holding `file`
// open, if given) until the object lets it end and waits until it has.
class HeldChild
{
public:
    HeldChild(const std::string& program, const std::string& folder, const std::string& file = {}) : mFolder(folder)
    {
        // An empty argument would not reach the child on Windows.
        const std::vector<std::string> args{"wait", folder, file};
        mStarted = ProcessUtils::runWindows(program, {args.begin(), args.end() - (file.empty() ? 1 : 0)}) == 0
            && eventually([&] { return std::filesystem::exists(folder + "/ready"); });
    }
    ~HeldChild()
    {
        if (!mStarted)
            return;
        writeFile(mFolder + "/go", "");
        eventually([this] { return std::filesystem::exists(mFolder + "/done"); });
    }
    HeldChild(const HeldChild&) = delete;
    HeldChild& operator=(const HeldChild&) = delete;
    bool running() const { return mStarted && !std::filesystem::exists(mFolder + "/done"); }

private:
    std::string mFolder;
    bool mStarted = false;
};

} // namespace testplatform
