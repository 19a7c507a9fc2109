// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testplatform.h"

#include "processutils.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace testplatform {

ScratchDir::ScratchDir()
{
    const char* temp = std::getenv("TEMP");
    const fs::path base = temp ? fs::path(temp) : fs::temp_directory_path();
    std::random_device random;
    std::error_code error;
    for (int attempt = 0; attempt < 100 && mPath.empty(); ++attempt) {
        const fs::path candidate = base / ("scratch-" + std::to_string(random()));
        if (fs::create_directories(candidate, error))
            mPath = candidate.generic_string();
    }
    EXPECT_FALSE(mPath.empty()) << "no scratch folder below TEMP";
}

ScratchDir::~ScratchDir()
{
    // A program that a test started may take a moment to end after its last
    // sign of life, and Windows keeps its file until it has.
    std::error_code error;
    eventually([&] { return mPath.empty() || (fs::remove_all(mPath, error), !error); });
}

std::string readFile(const std::string& path)
{
    std::ifstream in(fs::u8path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::error_code error;
    fs::create_directories(fs::u8path(path).parent_path(), error);
    std::ofstream out(fs::u8path(path), std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) << path;
}

EnvironmentOverride::EnvironmentOverride(std::string name, const std::optional<std::string>& value)
    : mName(std::move(name))
{
    if (const char* old = std::getenv(mName.c_str()))
        mOld = old;
    setEnvironment(mName, value);
}

HeldChild::HeldChild(const std::string& program, const std::string& folder, const std::string& file)
    : mFolder(folder)
{
    std::vector<std::string> args = {"wait", folder};
    if (!file.empty())
        args.push_back(file);
    mStarted = ProcessUtils::runWindows(program, args) == 0
        && eventually([&] { return fs::exists(folder + "/ready"); });
}

bool HeldChild::running() const
{
    return mStarted && !fs::exists(mFolder + "/done");
}

bool HeldChild::release()
{
    if (!mStarted)
        return false;
    mStarted = false;
    writeFile(mFolder + "/go", "");
    return eventually([this] { return fs::exists(mFolder + "/done"); });
}

} // namespace testplatform

// Wine sets TEMP and APPDATA from its own profile, so the folders of a Wine
// run come in under other names.
int main(int argc, char** argv)
{
    for (const char* name : {"TEMP", "APPDATA"}) {
        if (const char* value = std::getenv((std::string("WRENHOP_TEST_") + name).c_str()))
            testplatform::setEnvironment(name, std::string(value));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
