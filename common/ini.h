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
