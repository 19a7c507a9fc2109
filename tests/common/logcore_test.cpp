// SPDX-License-Identifier: LicenseRef-Wrenhop
// The logger's lines and files, without Qt: the same cases run under Wine.
#include "fileutils.h"
#include "log_p.h"
#include "loghost_plain.h"
#include "writelog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The program's folder for the whole run: the logger fixes its folder once.
class LogFolder : public testing::Environment
{
public:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("logcore-" + std::to_string(std::random_device()()));
        fs::create_directories(root / "bin");
        loghost::setApplicationDir(fs::path(root / "bin").generic_u8string());
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    static inline fs::path root;
};

const testing::Environment* const logFolder = testing::AddGlobalTestEnvironment(new LogFolder);

std::string readBinary(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string marker()
{
    return "marker-" + std::to_string(std::random_device()());
}

// The lines holding the text in every file, without their line ends.
std::vector<std::string> linesWith(const std::string& text)
{
    std::vector<std::string> lines;
    for (const fs::directory_entry& entry : fs::directory_iterator(LogFolder::root / "log")) {
        std::ifstream in(entry.path(), std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.find(text) != std::string::npos)
                lines.push_back(line);
        }
    }
    return lines;
}

} // namespace

// 4 is discarded, above 4 goes to the debug output only (which no one but a
// developer reads), negative to the file as well.
TEST(Log, LevelDecidesTagAndDestinations)
{
    const struct {
        int level;
        const char* tag; // nullptr: not in the file
    } rows[] = {{0, "[LOG_FATAL]"}, {1, "[LOG_ERROR]"}, {2, "[LOG_WARN]"}, {3, "[LOG_INFO]"},
                {4, nullptr},       {7, nullptr},       {-1, "[LOG_DEBUG]"}};
    for (const auto& row : rows) {
        const std::string text = marker();
        writeLog(row.level, "LogTest::levels", "%s", text.c_str());
        const std::vector<std::string> inFile = linesWith(text);
        ASSERT_EQ(inFile.size(), row.tag ? 1u : 0u) << row.level;
        for (const std::string& line : inFile)
            EXPECT_NE(line.find(row.tag + std::string("LogTest::levels ") + text), std::string::npos) << row.level;
    }
}

// Messages are UTF-8 and reach the file unchanged, cut at 1023 bytes, the
// lines ending as the platform's text files do (CR LF on Windows).
TEST(Log, LineHasDateTimeTagFunctionAndMessageInHourlyFileBesideProgramFolder)
{
    const std::string text = marker() + " \xEC\x97\x85\xEB\x8D\xB0\xEC\x9D\xB4\xED\x8A\xB8 \xC3\x9Cn\xC3\xAF";
    writeLog(LOG_INFO, "main", "arg count: %d %s", 4, text.c_str());
    const std::vector<std::string> lines = linesWith(text);
    ASSERT_EQ(lines.size(), 1u);
    const std::regex layout(R"(^\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\[LOG_INFO\]main arg count: 4 marker-\d+ .*$)");
    EXPECT_TRUE(std::regex_match(lines.front(), layout)) << lines.front();
    const std::string cut = marker();
    writeLog(LOG_INFO, "LogTest::cut", "%s", (cut + std::string(3000, 'x')).c_str());
    const std::vector<std::string> cutLines = linesWith(cut);
    ASSERT_EQ(cutLines.size(), 1u);
    EXPECT_EQ(cutLines.front().substr(cutLines.front().find(cut)).size(), 1023u);

    const std::string probe = (LogFolder::root / "probe.txt").u8string();
    if (std::FILE* file = FileUtils::openFile(probe, "w")) {
        std::fputs("\n", file);
        std::fclose(file);
    }
    std::string all;
    for (const fs::directory_entry& entry : fs::directory_iterator(LogFolder::root / "log")) {
        EXPECT_TRUE(std::regex_match(entry.path().filename().u8string(),
                                     std::regex(R"(^Wrenhop \d{4}_\d{2}_\d{2}-\d{2}\.log$)")));
        all += readBinary(entry.path());
    }
    EXPECT_NE(all.find(text + readBinary(probe)), std::string::npos);
}

// One lock serves the program's and the scenes' lines.
TEST(Log, ConcurrentWritersNeverInterleaveLines)
{
    const std::string text = marker();
    const std::string payload(300, 'p');
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&, t] {
            for (int i = 0; i < 200; ++i) {
                const std::string message = text + " " + std::to_string(t) + " " + payload;
                if (i % 2)
                    writeLog(LOG_INFO, "LogTest::threads", "%s", message.c_str());
                else
                    logcore::writeLine(LOG_INFO, nullptr, message.c_str());
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();

    const std::vector<std::string> lines = linesWith(text);
    ASSERT_EQ(lines.size(), 800u);
    const std::regex whole(R"(^\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2}\[LOG_INFO\](LogTest::threads )?)" + text
                           + R"( \d p{300}$)");
    for (const std::string& line : lines)
        ASSERT_TRUE(std::regex_match(line, whole)) << line;
}
