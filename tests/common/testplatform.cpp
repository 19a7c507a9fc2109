// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testplatform.h"

#include "processutils.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace testplatform {

ScratchDir::ScratchDir()
{
    const char* temp = std::getenv("TEMP");
    const fs::path base = temp && *temp ? fs::path(temp) : fs::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100 && mPath.empty(); ++attempt) {
        const fs::path candidate = base / ("scratch-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directories(candidate, error))
            mPath = candidate.generic_string();
    }
    EXPECT_FALSE(mPath.empty()) << "no scratch folder below " << base.string();
}

ScratchDir::~ScratchDir()
{
    if (mPath.empty())
        return;
    // A program that a test started may take a moment to end after its last
    // sign of life, and Windows keeps its file until it has.
    std::error_code error;
    eventually([&] {
        fs::remove_all(mPath, error);
        return !error;
    });
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    ASSERT_TRUE(out) << path;
}

bool isDirectory(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

EnvironmentOverride::EnvironmentOverride(std::string name, const std::optional<std::string>& value)
    : mName(std::move(name))
{
    if (const char* old = std::getenv(mName.c_str()))
        mOld = old;
    setEnvironment(mName, value);
}

EnvironmentOverride::~EnvironmentOverride()
{
    setEnvironment(mName, mOld);
}

HeldChild::HeldChild(const std::string& program, const std::string& folder)
    : mGo(folder + "/go")
    , mDone(folder + "/done")
{
    mStarted = ProcessUtils::runWindows(program, {"wait", mGo, mDone}) == 0;
}

HeldChild::~HeldChild()
{
    release();
}

bool HeldChild::finished() const
{
    std::error_code error;
    return fs::exists(mDone, error);
}

bool HeldChild::release()
{
    if (!mStarted)
        return false;
    mStarted = false;
    writeFile(mGo, "");
    return eventually([this] { return finished(); });
}

} // namespace testplatform
