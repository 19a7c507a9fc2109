// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ziputils.h"

#include "testsupport.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <tuple>

namespace fs = std::filesystem;
using testsupport::ScratchDir;
using testsupport::readFile;
using testplatform::tree;

namespace {

// How an entry departs from an honest one. The archives are built here byte
// by byte, so they are the same on every run.
enum class Damage {
    None,
    BadCrc,
    BadDeflate,
    Encrypted,    // flagged so, though the data is plain
    SharesData,   // points at the previous entry's header and data
    HugeDeclared, // declares almost 4 GiB
};

struct Entry {
    std::string name;
    std::string data = {};
    unsigned long unixMode = 0; // 0: made on a host that records no mode
    Damage damage = Damage::None;
};

std::string deflated(const std::string& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    EXPECT_EQ(compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                       static_cast<uLong>(data.size())),
              Z_OK);
    // Without zlib's two-byte header and four-byte checksum: raw deflate.
    return out.substr(2, size - 6);
}

// A number as zip stores it: little-endian, in so many bytes.
std::string le(std::uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    return out;
}

void writeZip(const std::string& path, const std::vector<Entry>& entries)
{
    std::string file, directory, payload;
    std::uint32_t offset = 0, crc = 0, size = 0, declared = 0;
    for (const Entry& entry : entries) {
        const Damage damage = entry.damage;
        if (damage != Damage::SharesData) {
            offset = static_cast<std::uint32_t>(file.size());
            payload = damage == Damage::BadDeflate ? entry.data : deflated(entry.data);
            crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                                                   static_cast<uInt>(entry.data.size())))
                ^ (damage == Damage::BadCrc ? 1 : 0);
            size = static_cast<std::uint32_t>(payload.size());
            declared = damage == Damage::HugeDeclared ? 0xfffffffe : static_cast<std::uint32_t>(entry.data.size());
        }
        // Flags, method, time (1980-01-01 00:00), CRC, sizes, name length.
        const std::string common = le(damage == Damage::Encrypted, 2) + le(Z_DEFLATED, 2) + le(0x210000, 4)
            + le(crc, 4) + le(size, 4) + le(declared, 4) + le(entry.name.size(), 2);
        if (damage != Damage::SharesData)
            file += le(0x04034b50, 4) + le(20, 2) + common + le(0, 2) + entry.name + payload;
        // Made by (Unix when a mode is recorded), needed, ..., extra and comment lengths, disk, internal and
        // external attributes, offset.
        directory += le(0x02014b50, 4) + le(entry.unixMode ? (3 << 8) | 20 : 20, 2) + le(20, 2) + common + le(0, 8)
            + le(entry.unixMode << 16, 4) + le(offset, 4) + entry.name;
    }
    // Entries on this disk and in all, the directory's size and offset.
    testsupport::writeFile(path, file + directory + le(0x06054b50, 4) + le(0, 4) + le(entries.size() * 0x10001, 4)
                                     + le(directory.size(), 4) + le(file.size(), 4) + le(0, 2));
}

bool unzip(const std::string& zip, const std::string& destination)
{
    return ZipUtils::getInstance().startUnZip(zip, destination, {});
}

} // namespace

// Damage that only the data shows: the entries before it stay whole.
TEST(ziputils, StopsAtDamagedEntryKeepingEarlierOnesWhole)
{
    for (const Entry& damaged : {Entry{"three.txt", "third entry", 0, Damage::BadCrc},
                                 Entry{"three.txt", std::string(16, '\xff'), 0, Damage::BadDeflate}}) {
        ScratchDir scratch;
        const std::string zip = scratch.file("package.zip");
        writeZip(zip, {{"one.txt", "first"}, {"two.txt", std::string(5000, '2')}, damaged, {"four.txt", "fourth"}});
        EXPECT_FALSE(ZipUtils::testArchive(zip, nullptr));
        EXPECT_FALSE(unzip(zip, scratch.file("out")));
        EXPECT_EQ(readFile(scratch.file("out/one.txt")), "first");
        EXPECT_EQ(readFile(scratch.file("out/two.txt")), std::string(5000, '2'));
        EXPECT_FALSE(fs::exists(scratch.file("out/four.txt")));
    }
}

// One hostile entry between two good ones refuses the whole archive before
// anything is written. "{abs}" stands for an absolute path inside the scratch
// folder; rows with data have safe names, what is wrong lies elsewhere.
class HostileEntry : public testing::TestWithParam<Entry> {};

TEST_P(HostileEntry, RefusesWholeArchiveWritingNothing)
{
    ScratchDir scratch;
    Entry hostile = GetParam();
    if (hostile.name.rfind("{abs}", 0) == 0)
        hostile.name.replace(0, 5, scratch.path());
    EXPECT_EQ(isSafeEntryName(hostile.name), !hostile.data.empty());
    const std::string zip = scratch.file("package.zip");
    writeZip(zip, {{"good.txt", "good"}, hostile, {"after.txt", "after"}});
    fs::create_directories(scratch.file("d1/d2/dest"));
    EXPECT_FALSE(ZipUtils::testArchive(zip, nullptr));
    EXPECT_FALSE(unzip(zip, scratch.file("d1/d2/dest")));
    EXPECT_EQ(tree(scratch.path()), (std::vector<std::string>{"d1/", "d1/d2/", "d1/d2/dest/", "package.zip"}));
}

INSTANTIATE_TEST_SUITE_P(ziputils, HostileEntry,
                         testing::Values(Entry{"../outside.txt"}, Entry{"{abs}/outside/x"}, Entry{"c:x"},
                                         Entry{"a\\..\\..\\x"}, Entry{"\\x"}, Entry{".."}, Entry{""},
                                         Entry{"bin/tool:stream"}, Entry{"tool.exe "}, Entry{"sub/com1.txt"},
                                         Entry{"link", "/etc/passwd", 0120777}, Entry{"pipe", "p", 010644},
                                         Entry{"secret.txt", std::string(3000, 's'), 0, Damage::Encrypted},
                                         Entry{"same.txt", "s", 0, Damage::SharesData}));

// Nothing to extract, entries that all inflate one stretch of data (1.6 GiB
// from 16 kB), and entries that declare 8 TiB, more than any test machine has
// free.
TEST(ziputils, RefusesEmptyForeignOrBombArchiveWithinSecondsCreatingNothing)
{
    ScratchDir scratch;
    std::vector<Entry> shared{{"bomb-000", std::string(std::size_t{16} << 20, '\0')}}, huge;
    for (int i = 1; i < 2048; ++i) {
        if (i < 100)
            shared.push_back({"bomb-" + std::to_string(1000 + i).substr(1), {}, 0, Damage::SharesData});
        huge.push_back({std::to_string(i), "h", 0, Damage::HugeDeclared});
    }
    writeZip(scratch.file("empty.zip"), {});
    writeZip(scratch.file("shared.zip"), shared);
    writeZip(scratch.file("huge.zip"), huge);
    testsupport::writeFile(scratch.file("text.zip"), "not an archive");
    for (const std::string name : {"missing.zip", "empty.zip", "text.zip", "shared.zip", "huge.zip"}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(ZipUtils::testArchive(scratch.file(name), nullptr)) << name;
        EXPECT_FALSE(unzip(scratch.file(name), scratch.file("out"))) << name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << name;
        EXPECT_FALSE(fs::exists(scratch.file("out"))) << name;
    }
}

// The extraction runs in a child copy of this test as an unprivileged user; it
// answers through its exit code: 0 true, 1 false, 3 when it cannot even read
// the archive (which would prove nothing). Each row runs twice: the second
// extraction meets what the first wrote.
TEST(ziputils, WritesAsUnprivilegedOwnerOrReportsFailure)
{
    if (const char* zip = std::getenv("ZIPUTILS_TEST_UNZIP"); zip && *zip)
        std::_Exit(!ZipUtils::testArchive(zip, nullptr) ? 3 : unzip(zip, std::getenv("ZIPUTILS_TEST_INTO")) ? 0 : 1);
    ScratchDir scratch;
    fs::permissions(scratch.path(), fs::perms(0711));
    writeZip(scratch.file("files.zip"), {{"a.txt", "a"}, {"sub/b.txt", "b"}});
    // A backslash separates folders too.
    writeZip(scratch.file("readonly.zip"), {{"sub\\r.txt", "r", 0100444}});
    const std::vector<std::string> command
        = testsupport::unprivilegedSelf({"--gtest_filter=ziputils.WritesAsUnprivilegedOwnerOrReportsFailure"});
    for (const auto& [zip, folder, mode, exitCode] :
         {std::tuple{"files.zip", "locked", 0505, 1}, std::tuple{"readonly.zip", "open", 0777, 0}}) {
        fs::create_directory(scratch.file(folder));
        fs::permissions(scratch.file(folder), fs::perms(mode));
        fs::permissions(scratch.file(zip), fs::perms(0404));
        const std::vector<std::string> job
            = {"ZIPUTILS_TEST_UNZIP=" + scratch.file(zip), "ZIPUTILS_TEST_INTO=" + scratch.file(folder)};
        for (int run = 0; run < 2; ++run)
            EXPECT_EQ(testsupport::run(command.front(), {command.begin() + 1, command.end()}, job).exitCode, exitCode)
                << zip << " run " << run;
    }
    EXPECT_TRUE(tree(scratch.file("locked")).empty());
    EXPECT_EQ(readFile(scratch.file("open/sub/r.txt")), "r");
}

// Group and others never get write permission from a package; the owner
// always does. The first entry records no mode.
TEST(ziputils, KeepsUnixPermissionBitsButNeverSetUidOrOthersWrite)
{
    ScratchDir scratch;
    const std::vector<std::pair<unsigned long, unsigned>> modes = {{0, 0644}, {0104755, 0755}, {0100777, 0755},
                                                                           {0100444, 0644}};
    std::vector<Entry> entries;
    for (const auto& [recorded, given] : modes)
        entries.push_back({std::to_string(recorded), "x", recorded});
    writeZip(scratch.file("package.zip"), entries);
    ASSERT_TRUE(unzip(scratch.file("package.zip"), scratch.file("out")));
    for (const auto& [recorded, given] : modes) {
        // Without a recorded mode only "not executable" is certain; the rest is the umask's.
        const fs::perms bits = recorded ? fs::perms::mask : fs::perms(0111);
        EXPECT_EQ(fs::status(scratch.file("out/" + std::to_string(recorded))).permissions() & bits,
                  fs::perms(given) & bits)
            << std::oct << recorded;
    }
}
