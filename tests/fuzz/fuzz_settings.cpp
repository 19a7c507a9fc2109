// SPDX-License-Identifier: LicenseRef-Wrenhop
// The settings reader on arbitrary bytes, without write-back or logging.
#include "ini.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    INI::LoadOptions quiet;
    quiet.logging = false;
    quiet.writeBack = false;
    INI ini = INI::fromBytes(bytes, quiet);
    // The model's own text read back over the model, as the next start does.
    ini.loadFromString(ini.serialize());
    for (const CalSection section : {CAL_SECTION_COMMON, CAL_SECTION_JT, CAL_SECTION_ZV, CAL_SECTION_QR})
        ini.getValue(CAL_KEY_SAVED_PASSWORD, section);
    return 0;
}
