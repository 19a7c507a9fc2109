// SPDX-License-Identifier: LicenseRef-Wrenhop
// The zip test and extraction on arbitrary bytes. The destination "out" sits
// alone in "jail", so anything written beside it shows there.
#include "ziputils.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path makeBase()
{
    std::string pattern = (fs::temp_directory_path() / "fuzz_zip.XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path base = makeBase();
    const fs::path archive = base / "input.zip";
    const fs::path jail = base / "jail";
    const fs::path out = jail / "out";
    std::ofstream(archive, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    fs::create_directories(out);

    std::vector<std::string> names;
    ZipUtils::testArchive(archive.string(), &names);
    ZipUtils::getInstance().startUnZip(archive.string(), out.string(), "");

    fs::remove_all(out);
    if (!fs::is_empty(jail) || std::distance(fs::directory_iterator(base), fs::directory_iterator()) != 2)
        std::abort();
    return 0;
}
