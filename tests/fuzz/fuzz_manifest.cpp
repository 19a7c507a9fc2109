// SPDX-License-Identifier: LicenseRef-Wrenhop
// The package manifest parser on arbitrary bytes.
#include "wrenhopscript.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    wrenhop::service::WrenhopScript script;
    if (!script.parseInfoXmlData(bytes))
        return 0;
    // A second document appends to the first; the records must stay readable.
    script.parseInfoXmlData(bytes);
    std::size_t total = script.getVersion().size() + script.getDate().size();
    for (const auto& package : script.getPackages())
        total += package.name.size() + package.sha1.size() + package.source.size();
    for (const auto& file : script.getFiles())
        total += file.name.size() + file.linkTarget.size() + (file.isMainBinary ? 1 : 0);
    return total == SIZE_MAX ? -1 : 0;
}
