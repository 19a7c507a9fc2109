// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ini.h"

#include "fileutils.h"
#include "systemservice.h"
#include "writelog.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr const char* kLoadFunction = "INI::load";
constexpr const char* kWriteFunction = "INI::write";

// Byte tests of our own: the C library's follow the locale Qt sets.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Cartaline's own spelling is "SavedPassword"; any variant of it is a
// password all the same.
bool isPasswordKey(std::string_view key)
{
    while (!key.empty() && isBlank(key.front()))
        key.remove_prefix(1);
    while (!key.empty() && isBlank(key.back()))
        key.remove_suffix(1);
    constexpr std::string_view password = "savedpassword";
    return std::equal(key.begin(), key.end(), password.begin(), password.end(),
                      [](char a, char b) { return asciiLower(a) == b; });
}

enum class ReadResult { Complete, Missing, Failed };

ReadResult readWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(fs::u8path(path), std::ios::binary);
    if (!in) {
        std::error_code error;
        return fs::status(fs::u8path(path), error).type() == fs::file_type::not_found ? ReadResult::Missing
                                                                           : ReadResult::Failed;
    }
    char chunk[4096];
    do {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    } while (in);
    return in.eof() && !in.bad() ? ReadResult::Complete : ReadResult::Failed;
}

INI::Sections defaultSections()
{
    const auto key = [](CalKey k) { return INI::keyName(k); };
    const INI::Section brand = {
        {key(CAL_KEY_AUTO_LOGIN), "0"},
        {key(CAL_KEY_SAVE_LOGIN_INFO), "0"},
        {key(CAL_KEY_SAVED_ID), ""},
        {key(CAL_KEY_SAVED_PASSWORD), ""},
        {key(CAL_KEY_IS_ALLOW_TO_GUIDE), ""},
    };
    const INI::Section common = {
        {key(CAL_KEY_FIRST_RUNNING), ""},
        {key(CAL_KEY_LAST_MODE), ""},
        {key(CAL_KEY_GUID), ""},
        {key(CAL_KEY_SAVED_ID), ""},
        {key(CAL_KEY_SAVED_PASSWORD), ""},
        {key(CAL_KEY_REGION), "KR"},
        {key(CAL_KEY_BRAND), "0"},
        {key(CAL_KEY_CURRENT_LANGUAGE), "ko_KR"},
        {key(CAL_KEY_AUTO_LOGIN), "0"},
        {key(CAL_KEY_STORAGE_FOLDER), FileUtils::appDataPath()},
        {key(CAL_KEY_TERMS_AGREE_CHECK), "0"},
        {key(CAL_KEY_NOTIFICATION_SEARCH_VERSION_RETRY_SHOW_JORTEL), ""},
        {key(CAL_KEY_SD_CARD_ALLOW_INFO), ""},
    };
    return {
        {INI::sectionName(CAL_SECTION_COMMON), common},
        {INI::sectionName(CAL_SECTION_GUID), {}},
        {INI::sectionName(CAL_SECTION_JT), brand},
        {INI::sectionName(CAL_SECTION_ZV), brand},
        {INI::sectionName(CAL_SECTION_QR), brand},
    };
}

} // namespace

INI::INI()
    : INI(SETTINGS_FILE_PATH())
{
}

INI::INI(std::string settingsPath)
    : INI(std::move(settingsPath), LoadOptions())
{
}

INI::INI(std::string settingsPath, LoadOptions options)
    : INI(options)
{
    mSettingsPath = std::move(settingsPath);
    load(mSettingsPath);
}

INI::INI(LoadOptions options)
    : mSections(defaultSections())
    , mOptions(options)
{
}

INI INI::fromBytes(std::string_view bytes, LoadOptions options)
{
    INI ini(options);
    ini.loadFromString(bytes);
    return ini;
}

void INI::load(const std::string& path)
{
    std::string bytes;
    const ReadResult result = readWholeFile(path, bytes);
    loadFromString(bytes);
    if (mOptions.logging)
        writeLog(LOG_INFO, kLoadFunction, "openFile open Exception ");
    if (result == ReadResult::Failed) {
        // Defaults written over a file we could not read would wipe Cartaline's settings.
        if (mOptions.logging)
            writeLog(LOG_ERROR, kLoadFunction, "%s cannot be read; it is not rewritten", path.c_str());
        return;
    }
    if (mOptions.writeBack)
        write(mSettingsPath);
}

void INI::loadFromString(std::string_view bytes)
{
    Section* current = nullptr;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        readLine(line, current);
    }
}

void INI::readLine(std::string_view line, Section*& current)
{
    // Only a line that starts with "[" (after blanks) is a header: a value
    // such as a password may hold brackets, and taken for a header it would
    // move every later key out of its section.
    const std::size_t open = line.find_first_not_of(" \t");
    const std::size_t close = line.find(']', open);
    if (open != std::string_view::npos && line[open] == '[' && close != std::string_view::npos) {
        const std::string name(line.substr(open + 1, close - open - 1));
        if (mOptions.logging)
            writeLog(LOG_INFO, kLoadFunction, "section: %s", name.c_str());
        // Sections unknown to us are Cartaline's too: they are kept and written back.
        current = &mSections[name];
        return;
    }

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string key(line.substr(0, equals));
    const std::string value(line.substr(equals + 1));

    if (!current) {
        // Before any header only the keys "common" knows are taken.
        if (value.empty())
            return;
        if (mOptions.logging)
            writeLog(LOG_INFO, kLoadFunction, "key: %s, value: %s", key.c_str(), loggableValue(key, value));
        Section& common = mSections[sectionName(CAL_SECTION_COMMON)];
        const auto known = common.find(key);
        if (known != common.end())
            known->second = value;
        return;
    }

    const auto known = current->find(key);
    // An empty value leaves a key the model has; one it lacks is kept, empty.
    if (value.empty() && known != current->end())
        return;
    if (mOptions.logging)
        writeLog(LOG_INFO, kLoadFunction, "key: %s, value: %s", key.c_str(), loggableValue(key, value));
    if (known == current->end()) {
        current->emplace(key, value);
        return;
    }
    if (mOptions.logging)
        writeLog(LOG_INFO, kLoadFunction, "update key: %s, value: %s", key.c_str(), loggableValue(key, value));
    known->second = value;
}

void INI::write(const std::string& path) const
{
    std::error_code error;
    const fs::file_status old = fs::status(fs::u8path(path), error);
    const bool replacing = fs::exists(old);
    // Opening for appending changes nothing and fails where rewriting in
    // place would: a read-only or locked file stays as it is.
    if (replacing && !std::ofstream(fs::u8path(path), std::ios::app)) {
        if (mOptions.logging)
            writeLog(LOG_ERROR, kWriteFunction, "writeFile open Exception ");
        return;
    }

    // The new text goes beside the file first, and onto the disk before it
    // replaces the file, so that a crash or a full disk never leaves
    // Cartaline a truncated or empty settings file.
    const std::string temporary = path + ".tmp";
    bool written = false;
    if (std::FILE* out = FileUtils::openFile(temporary, "w")) {
        const std::string text = serialize();
        written = std::fwrite(text.data(), 1, text.size(), out) == text.size() && FileUtils::flushToDisk(out);
        written = std::fclose(out) == 0 && written;
    }
    if (!written) {
        if (mOptions.logging)
            writeLog(LOG_ERROR, kWriteFunction, "writeFile open Exception ");
        FileUtils::removeFile(temporary);
        return;
    }
    if (replacing)
        fs::permissions(fs::u8path(temporary), old.permissions(), fs::perm_options::replace, error);

    if (!FileUtils::replaceFile(temporary, path)) {
        if (mOptions.logging)
            writeLog(LOG_ERROR, kWriteFunction, "cannot replace %s; it stays as it was", path.c_str());
        FileUtils::removeFile(temporary);
    }
}

std::string INI::serialize() const
{
    std::string text;
    for (const auto& [name, section] : mSections) {
        text += '[';
        text += name;
        text += "]\n";
        for (const auto& [key, value] : section) {
            text += key;
            text += '=';
            text += value;
            text += '\n';
        }
    }
    return text;
}

std::string INI::getValue(CalKey key, CalSection section) const
{
    // Numbers without a name read nothing, even when the file holds a key "".
    const std::string sectionText = sectionName(section);
    const std::string keyText = keyName(key);
    if (sectionText.empty() || keyText.empty())
        return {};
    const auto foundSection = mSections.find(sectionText);
    if (foundSection == mSections.end())
        return {};
    const auto foundKey = foundSection->second.find(keyText);
    return foundKey == foundSection->second.end() ? std::string() : foundKey->second;
}

std::string INI::sectionName(CalSection section)
{
    switch (section) {
    case CAL_SECTION_COMMON: return "common";
    case CAL_SECTION_GUID: return "GUID";
    case CAL_SECTION_JT: return "JT";
    case CAL_SECTION_ZV: return "ZV";
    case CAL_SECTION_QR: return "QR";
    }
    return {};
}

std::string INI::keyName(CalKey key)
{
    switch (key) {
    case CAL_KEY_FIRST_RUNNING: return "FirstRunning";
    case CAL_KEY_LAST_MODE: return "LastMode";
    case CAL_KEY_GUID: return "GUID";
    case CAL_KEY_SAVED_ID: return "SavedID";
    case CAL_KEY_SAVED_PASSWORD: return "SavedPassword";
    case CAL_KEY_REGION: return "Region";
    case CAL_KEY_BRAND: return "Brand";
    case CAL_KEY_CURRENT_LANGUAGE: return "CurrentLanguage";
    case CAL_KEY_SAVE_LOGIN_INFO: return "SaveLoginInfo";
    case CAL_KEY_AUTO_LOGIN: return "AutoLogin";
    case CAL_KEY_IS_ALLOW_TO_GUIDE: return "isAllowToGuide";
    case CAL_KEY_STORAGE_FOLDER: return "StorageFolder";
    case CAL_KEY_TERMS_AGREE_CHECK: return "TermsAgreeCheck";
    case CAL_KEY_NOTIFICATION_SEARCH_VERSION_RETRY_SHOW_JORTEL: return "NotificationSearchVersionRetryShowJortel";
    case CAL_KEY_SD_CARD_ALLOW_INFO: return "SDCardAllowInfo";
    }
    return {};
}

const char* INI::loggableValue(const std::string& key, const std::string& value)
{
    return isPasswordKey(key) ? "********" : value.c_str();
}
