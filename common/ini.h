// SPDX-License-Identifier: LicenseRef-Wrenhop
// The model of Cartaline's settings file: defaults, overlaid by the file,
// written back whole.
#pragma once

#include <map>
#include <string>
#include <string_view>

enum CalSection : int {
    CAL_SECTION_COMMON = 0,
    CAL_SECTION_GUID = 1,
    CAL_SECTION_JT = 2,
    CAL_SECTION_ZV = 3,
    CAL_SECTION_QR = 4,
};

enum CalKey : int {
    CAL_KEY_FIRST_RUNNING = 1,
    CAL_KEY_LAST_MODE = 2,
    CAL_KEY_GUID = 3,
    CAL_KEY_SAVED_ID = 4,
    CAL_KEY_SAVED_PASSWORD = 5,
    CAL_KEY_REGION = 6,
    CAL_KEY_BRAND = 7,
    CAL_KEY_CURRENT_LANGUAGE = 9,
    CAL_KEY_SAVE_LOGIN_INFO = 10,
    CAL_KEY_AUTO_LOGIN = 11,
    CAL_KEY_IS_ALLOW_TO_GUIDE = 12,
    CAL_KEY_STORAGE_FOLDER = 13,
    CAL_KEY_TERMS_AGREE_CHECK = 14,
    CAL_KEY_NOTIFICATION_SEARCH_VERSION_RETRY_SHOW_JORTEL = 17,
    CAL_KEY_SD_CARD_ALLOW_INFO = 20,
};

class INI
{
public:
    using Section = std::map<std::string, std::string>;
    using Sections = std::map<std::string, Section>;

    struct LoadOptions {
        bool logging = true;   // the "section:", "key:" and failure lines
        bool writeBack = true; // rewrite the settings file after the load
    };

    // Defaults, then load(SETTINGS_FILE_PATH()), which writes the file back.
    INI();
    // The same with another settings file.
    explicit INI(std::string settingsPath);
    INI(std::string settingsPath, LoadOptions options);

    // Defaults overlaid with the bytes of a settings file; touches no file.
    static INI fromBytes(std::string_view bytes, LoadOptions options);

    // Overlays the model with the file, then writes the model to the settings
    // file, unless the file exists but could not be read to its end (or
    // write-back is off). Never throws.
    void load(const std::string& path);
    // Overlays the model with the lines of a settings file held in memory.
    void loadFromString(std::string_view bytes);
    // Replaces the file with the model through a temporary file beside it, so
    // a failure leaves the old file whole; a read-only or locked file is not
    // replaced. Failures are logged, never thrown.
    void write(const std::string& path) const;

    // The file's text with "\n" line ends; text-mode streams make them the
    // platform's own.
    std::string serialize() const;
    const Sections& sections() const { return mSections; }

    // Empty when the section, the key or the number's name is absent.
    std::string getValue(CalKey key, CalSection section) const;

    static std::string sectionName(CalSection section);
    static std::string keyName(CalKey key);

protected:
    // The value as it may appear in the log: a password's is masked.
    static const char* loggableValue(const std::string& key, const std::string& value);

private:
    explicit INI(LoadOptions options);

    void readLine(std::string_view line, Section*& current);

    Sections mSections;
    std::string mSettingsPath;
    LoadOptions mOptions;
};
