// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "journal.h"

#include "ziputils.h"

#include <cstdint>
#include <cstdio>

namespace wrenhop::service {

namespace {

const char* const kMagic = "wrenhop-journal 1";
const char* const kKinds[] = {"newdir", "new", "replace"};
const std::string_view kBackupFolder = "backup/";
constexpr std::size_t kChecksumDigits = 16;

// FNV-1a: enough to tell a damaged journal from a whole one.
std::uint64_t checksum(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char text[kChecksumDigits + 1] = {};
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// Blanks, line ends and other control bytes would break the line format.
std::string encode(std::string_view path)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '%') {
            text += '%';
            text += digits[byte >> 4];
            text += digits[byte & 0x0F];
        } else {
            text += c;
        }
    }
    return text;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decode(std::string_view text)
{
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            path += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = hexValue(text[i + 1]);
        const int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
}

std::optional<JournalStep> parseStep(std::string_view line)
{
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view kind = line.substr(0, blank);
    std::string_view rest = line.substr(blank + 1);
    JournalStep step;
    if (kind == kKinds[JournalStep::NewFolder])
        step.kind = JournalStep::NewFolder;
    else if (kind == kKinds[JournalStep::NewFile])
        step.kind = JournalStep::NewFile;
    else if (kind == kKinds[JournalStep::Replace])
        step.kind = JournalStep::Replace;
    else
        return std::nullopt;
    const std::size_t second = rest.find(' ');
    if ((second != std::string_view::npos) != (step.kind == JournalStep::Replace))
        return std::nullopt;
    const auto target = decode(rest.substr(0, second));
    if (!target || !isSafeEntryName(*target))
        return std::nullopt;
    step.target = *target;
    if (step.kind == JournalStep::Replace) {
        const auto backup = decode(rest.substr(second + 1));
        if (!backup || !isSafeEntryName(*backup) || backup->compare(0, kBackupFolder.size(), kBackupFolder) != 0)
            return std::nullopt;
        step.backup = *backup;
    }
    return step;
}

} // namespace

std::string serializeJournal(const Journal& journal)
{
    std::string text = std::string(kMagic) + "\n" + (journal.committed ? "committed" : "planned") + "\n";
    text += "steps " + std::to_string(journal.steps.size()) + "\n";
    for (const JournalStep& step : journal.steps) {
        text += std::string(kKinds[step.kind]) + " " + encode(step.target);
        if (step.kind == JournalStep::Replace)
            text += " " + encode(step.backup);
        text += "\n";
    }
    return text + "end " + hex(checksum(text)) + "\n";
}

std::optional<Journal> parseJournal(std::string_view bytes)
{
    const std::size_t endLine = bytes.rfind("\nend ");
    if (endLine == std::string_view::npos)
        return std::nullopt;
    const std::string_view body = bytes.substr(0, endLine + 1);
    if (bytes.substr(endLine + 1) != "end " + hex(checksum(body)) + "\n")
        return std::nullopt;

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < body.size();) {
        const std::size_t end = body.find('\n', start);
        lines.push_back(body.substr(start, end - start));
        start = end + 1;
    }
    if (lines.size() < 3 || lines[0] != kMagic || (lines[1] != "committed" && lines[1] != "planned")
        || lines[2] != "steps " + std::to_string(lines.size() - 3))
        return std::nullopt;
    Journal journal;
    journal.committed = lines[1] == "committed";
    for (std::size_t i = 3; i < lines.size(); ++i) {
        auto step = parseStep(lines[i]);
        if (!step)
            return std::nullopt;
        journal.steps.push_back(std::move(*step));
    }
    return journal;
}

} // namespace wrenhop::service
