// SPDX-License-Identifier: LicenseRef-Wrenhop
// The result log's file, Qt-free: built for Linux and for Windows (Wine).
#include "resultlog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

// Cartaline's data folder below a user name outside the ANSI code page: the
// records land there, whole, with the platform's line ends; a missing folder
// is not created and the failure is answered.
TEST(ResultLogFile, AppendsAtAPathOutsideTheAnsiCodePage)
{
    const fs::path folder = fs::temp_directory_path() / fs::u8path(u8"Jos\u00e9 \u6771\u4eac \u0416");
    fs::remove_all(folder);
    ASSERT_TRUE(fs::create_directories(folder));
    const std::string path = (folder / "error_log1.log").u8string();
    const std::string failure = resultlog::record("E:1", "10:00:01", "PS:99,ED:1000");
    EXPECT_EQ(resultlog::append(path, resultlog::record("D:1", "10:00:00", "LOV:2.1.0,LNV:2.2.0")), "");
    EXPECT_EQ(resultlog::append(path, failure), "");

    std::ifstream in(fs::u8path(path), std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    in.close(); // an open file could not be removed on Windows
    const std::string eol = fs::path::preferred_separator == '\\' ? "\r\n" : "\n";
    EXPECT_EQ(text, "[D:1,T:10:00:00,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]" + eol + "[E:1,T:10:00:01,PS:99,ED:1000]" + eol);

    const fs::path missing = folder / fs::u8path(u8"gel\u00f6scht");
    EXPECT_NE(resultlog::append((missing / "error_log1.log").u8string(), failure), "");
    EXPECT_FALSE(fs::exists(missing));
    fs::remove_all(folder);
}

} // namespace
