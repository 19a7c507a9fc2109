// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "ziputils.h"

#include "testsupport.h"

#include <gtest/gtest.h>
#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using testsupport::ScratchDir;
using testsupport::readFile;

namespace {

enum class Damage { None, BadCrc, BadDeflate };

struct Entry {
    std::string name;
    std::string data;
    unsigned long unixMode = 0; // 0: made on a host that records no mode
    std::string password = {};
    Damage damage = Damage::None;
};

void writeZip(const std::string& path, const std::vector<Entry>& entries)
{
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const Entry& entry : entries) {
        zip_fileinfo info{};
        info.external_fa = entry.unixMode << 16;
        const auto size = static_cast<unsigned>(entry.data.size());
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()), size);
        const bool raw = entry.damage != Damage::None;
        ASSERT_EQ(zipOpenNewFileInZip4(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                       entry.damage == Damage::BadCrc ? 0 : Z_DEFLATED, Z_DEFAULT_COMPRESSION, raw,
                                       -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                                       entry.password.empty() ? nullptr : entry.password.c_str(), crc,
                                       entry.unixMode ? (3 << 8) | 20 : 20, 0),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, entry.data.data(), size), ZIP_OK);
        if (raw)
            ASSERT_EQ(zipCloseFileInZipRaw(zip, size, entry.damage == Damage::BadCrc ? crc ^ 1 : crc), ZIP_OK);
        else
            ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

// Everything below root, folders ending in "/", sorted.
std::vector<std::string> tree(const std::string& root)
{
    std::vector<std::string> paths;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error))
        paths.push_back(fs::relative(it->path(), root).generic_string() + (it->is_directory() ? "/" : ""));
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool unzip(const std::string& zip, const std::string& destination)
{
    return ZipUtils::getInstance().startUnZip(zip, destination, {});
}

} // namespace

TEST(ziputils, ListsAndExtractsTreeWithImpliedFoldersAndBackslashNames)
{
    ScratchDir scratch;
    const std::string zip = scratch.file("package.zip");
    // The last names only look like parents or devices.
    writeZip(zip, {{"top.txt", "top"}, {"bin/sub/tool", std::string(10000, 'x')}, {"a\\b\\c.txt", "abc"},
                   {"empty/", ""}, {"..a/x", "1"}, {"./c.d", "3"}, {"console.txt", "4"}});
    std::vector<std::string> names;
    ASSERT_TRUE(ZipUtils::testArchive(zip, &names));
    EXPECT_EQ(names, (std::vector<std::string>{"top.txt", "bin/sub/tool", "a/b/c.txt", "empty/", "..a/x", "./c.d",
                                                "console.txt"}));
    EXPECT_EQ(tree(scratch.path()), std::vector<std::string>{"package.zip"});

    const std::vector<std::string> expected{"..a/", "..a/x", "a/", "a/b/", "a/b/c.txt", "bin/", "bin/sub/",
                                            "bin/sub/tool", "c.d", "console.txt", "empty/", "top.txt"};
    // A destination that does not exist yet, without and with a trailing "/".
    for (const std::string folder : {"out", "out2/"}) {
        const std::string destination = scratch.file(folder);
        ASSERT_TRUE(unzip(zip, destination)) << destination;
        EXPECT_EQ(tree(destination), expected);
        EXPECT_EQ(readFile(destination + "/bin/sub/tool"), std::string(10000, 'x'));
        EXPECT_EQ(readFile(destination + "/a/b/c.txt"), "abc");
    }
    // A second extraction replaces what the first wrote.
    writeZip(scratch.file("new.zip"), {{"a/b/c.txt", "c"}});
    ASSERT_TRUE(unzip(scratch.file("new.zip"), scratch.file("out")));
    EXPECT_EQ(readFile(scratch.file("out/a/b/c.txt")), "c");
}

TEST(ziputils, MissingEmptyOrForeignArchiveFailsAndCreatesNothing)
{
    ScratchDir scratch;
    writeZip(scratch.file("empty.zip"), {});
    testsupport::writeFile(scratch.file("text.zip"), "not an archive");
    for (const std::string name : {"missing.zip", "empty.zip", "text.zip"}) {
        EXPECT_FALSE(unzip(scratch.file(name), scratch.file("out"))) << name;
        EXPECT_FALSE(ZipUtils::testArchive(scratch.file(name), nullptr)) << name;
        EXPECT_FALSE(fs::exists(scratch.file("out"))) << name;
    }
}

TEST(ziputils, StopsAtDamagedEntryKeepingEarlierOnesWhole)
{
    for (const Entry& damaged : {Entry{"three.txt", "third entry", 0, {}, Damage::BadCrc},
                                 Entry{"three.txt", std::string(16, '\xff'), 0, {}, Damage::BadDeflate}}) {
        ScratchDir scratch;
        const std::string zip = scratch.file("package.zip");
        writeZip(zip, {{"one.txt", "first"}, {"two.txt", std::string(5000, '2')}, damaged, {"four.txt", "fourth"}});
        std::vector<std::string> names{"untouched"};
        EXPECT_FALSE(ZipUtils::testArchive(zip, &names));
        EXPECT_EQ(names, std::vector<std::string>{"untouched"});
        EXPECT_EQ(tree(scratch.path()), std::vector<std::string>{"package.zip"});

        EXPECT_FALSE(unzip(zip, scratch.file("out")));
        EXPECT_EQ(readFile(scratch.file("out/one.txt")), "first");
        EXPECT_EQ(readFile(scratch.file("out/two.txt")), std::string(5000, '2'));
        EXPECT_FALSE(fs::exists(scratch.file("out/four.txt")));
    }
}

// "{abs}" stands for an absolute path inside the scratch folder.
class HostileName : public testing::TestWithParam<std::string> {};

TEST_P(HostileName, RefusesEntryOutsideDestinationWritingNothing)
{
    ScratchDir scratch;
    std::string name = GetParam();
    if (name.rfind("{abs}", 0) == 0)
        name.replace(0, 5, scratch.path());
    EXPECT_FALSE(isSafeEntryName(name));
    const std::string zip = scratch.file("package.zip");
    writeZip(zip, {{"good.txt", "good"}, {name, "hostile"}, {"after.txt", "after"}});
    fs::create_directories(scratch.file("d1/d2/dest"));
    const std::vector<std::string> before = tree(scratch.path());

    EXPECT_FALSE(ZipUtils::testArchive(zip, nullptr));
    EXPECT_FALSE(unzip(zip, scratch.file("d1/d2/dest")));
    EXPECT_EQ(tree(scratch.path()), before);
}

INSTANTIATE_TEST_SUITE_P(ziputils, HostileName,
                         testing::Values("../outside.txt", "{abs}/outside/x", "C:/x", "c:x", "a/../../x",
                                         "a\\..\\..\\x", "\\x", "..", "", "bin/tool:stream", "bin./x",
                                         "tool.exe ", "NUL", "sub/com1.txt", "Lpt9"));

// The program never passes a password, and Debian's minizip cannot decrypt
// anyway: an encrypted entry must fail rather than leave scrambled bytes.
TEST(ziputils, RefusesEncryptedEntryReadWithoutPassword)
{
    ScratchDir scratch;
    const std::string zip = scratch.file("package.zip");
    writeZip(zip, {{"plain.txt", "plain"}, {"secret.txt", std::string(3000, 's'), 0, "pw"}});
    EXPECT_FALSE(ZipUtils::testArchive(zip, nullptr));
    EXPECT_FALSE(unzip(zip, scratch.file("out")));
    EXPECT_EQ(readFile(scratch.file("out/plain.txt")), "plain");
}

// The extraction runs in a child copy of this test as an unprivileged user; it
// answers through its exit code: 0 true, 1 false, 3 when it cannot even read
// the archive (which would prove nothing).
TEST(ziputils, ReportsFailureWhenFileCannotBeWritten)
{
    if (const char* variable = std::getenv("ZIPUTILS_TEST_UNZIP"); variable && *variable) {
        const std::string job = variable;
        const std::string zip = job.substr(0, job.find('\n'));
        const std::string destination = job.substr(job.find('\n') + 1);
        std::_Exit(!ZipUtils::testArchive(zip, nullptr) ? 3 : unzip(zip, destination) ? 0 : 1);
    }
    ScratchDir scratch;
    fs::permissions(scratch.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    writeZip(scratch.file("files.zip"), {{"a.txt", "a"}, {"sub/b.txt", "b"}});
    writeZip(scratch.file("folder.zip"), {{"empty/", ""}});
    fs::create_directory(scratch.file("locked"));
    fs::permissions(scratch.file("locked"), fs::perms(0505));
    const std::vector<std::string> command
        = testsupport::unprivilegedSelf({"--gtest_filter=ziputils.ReportsFailureWhenFileCannotBeWritten"});
    for (const std::string zip : {"files.zip", "folder.zip"}) {
        fs::permissions(scratch.file(zip), fs::perms(0404));
        const testsupport::RunResult child
            = testsupport::run(command.front(), {command.begin() + 1, command.end()},
                               {"ZIPUTILS_TEST_UNZIP=" + scratch.file(zip) + "\n" + scratch.file("locked")});
        EXPECT_EQ(child.exitCode, 1) << zip;
        EXPECT_TRUE(tree(scratch.file("locked")).empty());
    }
}

TEST(ziputils, ReportsFailureWhenDiskIsFull)
{
    ScratchDir scratch;
    ASSERT_TRUE(fs::is_character_file("/dev/full"));
    // Small enough to sit in the stream's buffer until the file is closed.
    writeZip(scratch.file("package.zip"), {{"full", "fits in the buffer"}});
    EXPECT_FALSE(unzip(scratch.file("package.zip"), "/dev"));
}

TEST(ziputils, KeepsUnixPermissionBitsButNeverSetUid)
{
    ScratchDir scratch;
    writeZip(scratch.file("package.zip"),
             {{"run.sh", "#!/bin/sh\n", 0100755}, {"suid", "x", 0104755}, {"private", "p", 0100600}, {"dos.txt", "d"}});
    ASSERT_TRUE(unzip(scratch.file("package.zip"), scratch.file("out")));
    const auto mode = [&](const char* name) { return fs::status(scratch.file(name)).permissions() & fs::perms::mask; };
    EXPECT_EQ(mode("out/run.sh"), fs::perms(0755));
    EXPECT_EQ(mode("out/suid"), fs::perms(0755));
    EXPECT_EQ(mode("out/private"), fs::perms(0600));
    EXPECT_EQ(mode("out/dos.txt") & fs::perms(0111), fs::perms::none);
}
