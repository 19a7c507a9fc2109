// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "testplatform.h"

#include <algorithm>
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
    const fs::path base = temp ? fs::path(temp) : fs::temp_directory_path();
    const fs::path candidate = base / ("scratch-" + std::to_string(std::random_device()()));
    if (std::error_code error; fs::create_directories(candidate, error))
        mPath = candidate.generic_string();
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
    // A folder reads as empty, as a missing file does; reading it would throw.
    if (std::error_code error; fs::is_directory(fs::u8path(path), error))
        return {};
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

std::vector<std::string> tree(const std::string& root)
{
    std::vector<std::string> paths;
    std::error_code error;
    const fs::path top = fs::u8path(root);
    for (fs::recursive_directory_iterator it(top, error), end; !error && it != end; it.increment(error))
        paths.push_back(fs::relative(it->path(), top).generic_u8string() + (it->is_directory() ? "/" : ""));
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace testplatform
