// SPDX-License-Identifier: LicenseRef-Wrenhop
// The zip test and extraction on arbitrary bytes. The destination "out" sits
// alone in "jail", so anything written beside it shows there; inside it no
// link may appear and nothing may be writable by group or others.
#include "ziputils.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path base = [] {
        // Files that record no mode get what the mask leaves.
        ::umask(022);
        std::string pattern = (fs::temp_directory_path() / "fuzz_zip.XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    const fs::path archive = base / "input.zip", jail = base / "jail", out = jail / "out";
    std::ofstream(archive, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    fs::create_directories(out);

    std::vector<std::string> names;
    ZipUtils::testArchive(archive.string(), &names);
    ZipUtils::getInstance().startUnZip(archive.string(), out.string(), "");
    std::error_code error;
    for (fs::recursive_directory_iterator it(out, error), end; !error && it != end; it.increment(error)) {
        const fs::file_status status = it->symlink_status();
        if (fs::is_symlink(status)
            || (status.permissions() & (fs::perms::group_write | fs::perms::others_write)) != fs::perms::none)
            std::abort();
    }

    fs::remove_all(out);
    if (!fs::is_empty(jail) || std::distance(fs::directory_iterator(base), fs::directory_iterator()) != 2)
        std::abort();
    return 0;
}
