// SPDX-License-Identifier: LicenseRef-Wrenhop
// The settings reader on arbitrary bytes, without write-back or logging.
#include "ini.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const INI::LoadOptions quiet{false, false}; // neither logging nor write-back
    INI ini = INI::fromBytes(bytes, quiet);
    // The model's own text, read as the next start reads it, gives the same
    // model: no value can pass for a header. A value that ends in CR cannot
    // survive a CR LF file, so inputs with CR skip that comparison.
    const INI::Sections before = ini.sections();
    ini.loadFromString(ini.serialize());
    if (bytes.find('\r') == std::string_view::npos && INI::fromBytes(ini.serialize(), quiet).sections() != before)
        std::abort();
    for (const CalSection section : {CAL_SECTION_COMMON, CAL_SECTION_JT, CAL_SECTION_ZV, CAL_SECTION_QR})
        ini.getValue(CAL_KEY_SAVED_PASSWORD, section);
    return 0;
}
