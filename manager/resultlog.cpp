// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "resultlog.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <ios>

namespace resultlog {

namespace {

// Drops control characters, which would end the line early or hide text, and
// turns each of the replaced characters into "_".
std::string cleaned(std::string_view text, std::string_view replaced)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            continue;
        result += replaced.find(c) == std::string_view::npos ? c : '_';
    }
    return result;
}

} // namespace

std::string field(std::string_view text)
{
    return cleaned(text, "[],");
}

std::string record(std::string_view code, std::string_view time, std::string_view info)
{
    std::string line = "[";
    line.append(code).append(",T:").append(time).append(",").append(cleaned(info, "[]")).append("]");
    if (code == "D:1")
        line += "[WH-SUCCESS]";
    return line;
}

std::string append(const std::string& path, const std::string& record)
{
    // u8path: on Windows the stream opens the wide path, so a data folder
    // outside the ANSI code page is no obstacle.
    std::ofstream file;
    file.exceptions(std::ios_base::failbit | std::ios_base::badbit);
    try {
        file.open(std::filesystem::u8path(path), std::ios_base::out | std::ios_base::app);
        file << record << std::endl;
        file.close();
        return {};
    } catch (const std::exception& e) {
        return e.what();
    }
}

} // namespace resultlog
