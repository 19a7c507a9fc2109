// SPDX-License-Identifier: LicenseRef-Wrenhop
// The update engine: a download from a real HTTP server on 127.0.0.1, then
// the installation of what arrived whole into a real folder.
#include "wrenhopservice.h"

#include "enginetestsupport.h"
#include "httpclient.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>
#include <cstring>
#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace std::chrono_literals;
using enginetest::Entries;
using enginetest::Manifest;
using enginetest::snapshot;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const Entries kUpdate{{"package/Cartaline.exe", "new exe"},
                      {"package/data/old.txt", "new data"},
                      {"package/fresh/deeper/new.txt", "brand new"}};

class Engine : public testing::Test {
protected:
    void SetUp() override
    {
        service.setListener(&listener);
        server.put("/files/update_win.zip", body);
        for (const auto& [name, data] : Entries{{"Cartaline.exe", "old exe"}, {"data/old.txt", "old data"},
                                                 {"keep.txt", "untouched"}, {"Cartaline.exe.bak", "the user's own"}})
            writeFile(install.file("package/" + name), data);
        fs::permissions(install.file("package/Cartaline.exe"), fs::perms(0700));
    }

    // False when the manifest names no usable package.
    bool load(const std::string& source, const std::string& hash = {}, const std::string& size = {},
              Manifest manifest = {})
    {
        manifest.host = manifest.host.empty() ? server.host() : manifest.host;
        manifest.source = source;
        manifest.hash = hash;
        manifest.size = size;
        enginetest::writeManifest(manifest, work.path());
        service.initialize();
        return service.findScriptPackageFromXml() && service.findScriptFileFromXml();
    }

    // Downloads and, when asked, installs what arrived whole; the last state.
    int run(bool installToo = true)
    {
        service.runDownloadThread();
        EXPECT_TRUE(service.waitForWorkers(60s));
        if (installToo && listener.events().back().first == STATE_DOWNLOAD_COMPLETE) {
            service.runInstallThread();
            EXPECT_TRUE(service.waitForWorkers(60s));
        }
        return listener.events().back().first;
    }

    std::string stored() const { return work.file("update_win.zip"); }
    std::string partial() const { return stored() + ".partial"; }
    int files() const { return static_cast<int>(testplatform::tree(work.path()).size()); }

    enginetest::Recorder listener;
    enginetest::PackageServer server;
    testsupport::ScratchDir install;
    testsupport::ScratchDir work;
    const std::string body = enginetest::zipBytes(kUpdate, -1, 1000);
    // Last: it joins its workers first.
    WrenhopService service{enginetest::testContext(install.path(), work.path())};
};

struct Case {
    const char* name;
    // Below the test server ("#drop": hung up after 300 bytes), or a URL of
    // another scheme.
    const char* source;
    const char* hash; // "{sha1}" and "{sha256}" stand for the package's
    const char* size;
    int state;        // the last one reported
    Entries entries = {};        // served zipped at the source instead
    const char* raw = nullptr;   // served as it is at the source instead
    const char* exec = "Cartaline.exe";
    const char* package = "update_win";
    // "link": package/data is a link to a copy outside; "full": files stop
    // growing at 500 bytes, as on a full disk.
    std::string tweak = {};
};

// The installation refuses the package and changes nothing.
Case refused(const char* name, const Entries& entries, const char* exec = "Cartaline.exe", const char* tweak = "")
{
    return {name, "/files/update_win.zip", "", "", STATE_UPDATE_FAIL_RETRY, entries, nullptr, exec, "update_win", tweak};
}

class Outcome : public Engine, public testing::WithParamInterface<Case> {};

// Only a whole checked package is installed, and only whole; a failure
// leaves the installation as it was and beside the manifest only what a
// transfer may resume, never an error page.
TEST_P(Outcome, EndsInItsStateLeavingNothingHalfDone)
{
    const Case& c = GetParam();
    const std::string served = c.raw ? c.raw : c.entries.empty() ? body : enginetest::zipBytes(c.entries);
    if (served != body)
        server.put(c.source, served);
    std::string hash = c.hash;
    for (const auto& [mark, algorithm] :
         {std::pair{"{sha1}", QCryptographicHash::Sha1}, {"{sha256}", QCryptographicHash::Sha256}})
        if (const auto at = hash.find(mark); at != std::string::npos)
            hash.replace(at, std::strlen(mark), enginetest::hashHex(served, algorithm));
    Manifest manifest;
    std::string source = c.source;
    if (const auto mark = source.find("#drop"); mark != std::string::npos)
        server.dropNext(source.erase(mark), 300);
    if (const auto scheme = source.find("://"); scheme != std::string::npos && source.front() != '/') {
        manifest.host = source.substr(0, scheme + 3);
        source.erase(0, scheme + 3);
    }
    manifest.exec = c.exec;
    manifest.package = c.package;
    const testsupport::ScratchDir outside;
    if (c.tweak == "link") {
        fs::copy(install.file("package/data"), outside.path(), fs::copy_options::recursive);
        fs::remove_all(install.file("package/data"));
        fs::create_directory_symlink(outside.path(), install.file("package/data"));
    }
    const enginetest::Snapshot before = snapshot(install.path());
    const enginetest::Snapshot outsideBefore = snapshot(outside.path());

    if (c.state == STATE_NO_UPDATE_FILE) {
        // Refused before any transfer.
        EXPECT_FALSE(load(source, hash, c.size, manifest));
        EXPECT_EQ(server.requests(source), 0);
    } else {
        ASSERT_TRUE(load(source, hash, c.size, manifest));
        rlimit unlimited{}, limit{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        limit = {c.tweak == "full" ? 500 : unlimited.rlim_cur, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(run(), c.state);
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        const auto events = listener.events();
        // An installed package is spent; one that failed stays until the clean-up.
        const bool stays = c.state != STATE_INSTALL_COMPLETE
            && std::count(events.begin(), events.end(), std::pair{int(STATE_DOWNLOAD_COMPLETE), 100.0});
        EXPECT_EQ(files(), 1 + stays + 2 * fs::exists(partial()));
        EXPECT_EQ(readFile(work.file(fs::path(source).filename().string())), stays ? served : "");
    }
    // A ".bak" of the installation's own is a file like any other: kept. An
    // exec the archive lacks is not moved aside.
    EXPECT_TRUE(c.state != STATE_INSTALL_COMPLETE || service.removeTempFiles());
    EXPECT_EQ(snapshot(install.path()), c.state == STATE_INSTALL_COMPLETE
                  ? enginetest::withEntries(before, c.entries.empty() ? kUpdate : c.entries)
                  : before);
    EXPECT_EQ(snapshot(outside.path()), outsideBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, Outcome,
    testing::Values(
        Case{"Plain", "/files/update_win.zip", "", "", STATE_INSTALL_COMPLETE},
        Case{"FiveRedirects", "/redirect/5/files/update_win.zip", "", "", STATE_INSTALL_COMPLETE},
        Case{"FiftyRedirects", "/redirect/50/files/update_win.zip", "", "", STATE_NO_NETWORK},
        Case{"NotFound", "/files/update.zip", "", "", STATE_NO_NETWORK},
        Case{"DroppedWithETag", "/files/update_win.zip#drop", "", "", STATE_NO_NETWORK},
        Case{"Stalled", "/stall/files/update_win.zip", "", "", STATE_NO_NETWORK},
        Case{"Trickling", "/slow/files/update_win.zip", "", "", STATE_NO_NETWORK},
        Case{"FileSource", "file:///etc/hostname", "", "", STATE_NO_NETWORK},
        Case{"Sha1InBlanks", "/files/update_win.zip", "\n {sha1} \n", "1000", STATE_INSTALL_COMPLETE},
        Case{"Sha256", "/files/update_win.zip", "{sha256}", "1000", STATE_INSTALL_COMPLETE},
        Case{"WrongSha1", "/files/update_win.zip", "0000000000000000000000000000000000000000", "1000",
             STATE_UPDATE_FAIL_RETRY},
        Case{"PrefixedSha1", "/files/update_win.zip", "sha1:{sha1}", "", STATE_NO_UPDATE_FILE},
        Case{"SizeTooLarge", "/files/update_win.zip", "{sha1}", "1001", STATE_UPDATE_FAIL_RETRY},
        Case{"SizeTooSmall", "/files/update_win.zip", "{sha1}", "999", STATE_UPDATE_FAIL_RETRY},
        Case{"DiskFull", "/files/update_win.zip", "", "", STATE_UPDATE_FAIL_RETRY, {}, nullptr, "Cartaline.exe",
             "update_win", "full"},
        Case{"ParentAsFileName", "/files/..", "", "", STATE_UPDATE_FAIL_RETRY},
        Case{"ExecAbsentFromArchive", "/files/update_win.zip", "", "", STATE_INSTALL_COMPLETE,
             {{"package/data/old.txt", "new data"}}},
        Case{"Truncated", "/files/update_win.zip", "", "", STATE_UPDATE_FAIL_RETRY, {}, "PK\x03\x04\x14"},
        Case{"PlainFile", "/files/Cartaline.exe", "", "", STATE_INSTALL_COMPLETE, {{"package/Cartaline.exe", "new exe"}},
             "new exe", "Cartaline.exe", ""},
        refused("BackslashParentExec", kUpdate, "..\\..\\keep.txt"),
        refused("EntryOutsideThePackage", {{"../outside.txt", "x"}}),
        refused("ArchiveNamesOwnFolder", {{".wrenhop-update/journal", "x"}}),
        refused("ExecMissingAfterUnpack", {{"package/data/old.txt", "new"}, {"package/fresh/new.txt", "new"}},
                "Other.exe"),
        refused("FileAndFolderOfOneName", {{"package/x", "1"}, {"package/x/y", "2"}}),
        refused("LinkedFolder", kUpdate, "Cartaline.exe", "link")),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// A first attempt is cut after 400 of the 1000 bytes; then something
// changes, and the second attempt goes for the same URL.
struct ResumeCase {
    const char* name; // also what changes
    bool hashed;       // the manifest holds the package's SHA-1
    const char* range; // what the second attempt's last request asked for
    int state;
};

class Resume : public Engine, public testing::WithParamInterface<ResumeCase> {};

TEST_P(Resume, AsksForTheRestOnlyWhenItIsTheSameFile)
{
    const ResumeCase& c = GetParam();
    const std::string source = "/files/update_win.zip";
    const std::string sha1 = c.hashed ? enginetest::hashHex(body) : std::string();
    server.dropNext(source, 400);
    ASSERT_TRUE(load(source, sha1, "1000"));
    ASSERT_EQ(run(false), STATE_NO_NETWORK);
    ASSERT_EQ(fs::file_size(partial()), 400u);

    const std::string between = c.name;
    const std::string expected = between == "FileChangedOnServer" ? std::string(1000, 'n') : body;
    server.put(source, expected, between == "RangeNotSatisfiable" ? 416 : between == "ServerError" ? 500 : 200);
    if (between == "RecordCorrupt")
        writeFile(partial() + ".record", "wrenhop-partial 1\n" + server.host() + source + "\nmany\n");
    if (between == "DamagedPartFailsTheHash")
        writeFile(partial(), std::string(400, 'x'));
    const std::string hash =
        between == "ManifestChanged" ? enginetest::hashHex(body, QCryptographicHash::Sha256) : sha1;
    ASSERT_TRUE(load(source, hash, "1000"));
    EXPECT_EQ(run(false), c.state);
    EXPECT_EQ(server.lastHeader("Range"), c.range);
    // The test server's ETag.
    EXPECT_EQ(server.lastHeader("If-Range"), *c.range ? '"' + enginetest::hashHex(body).substr(0, 16) + '"' : "");
    // A whole file, or nothing: a bad part is never resumed twice.
    EXPECT_EQ(readFile(stored()), c.state == STATE_DOWNLOAD_COMPLETE ? expected : "");
    // A part that the server failed to serve this time is kept with its record.
    EXPECT_EQ(files(), c.state == STATE_DOWNLOAD_COMPLETE ? 2 : c.state == STATE_NO_NETWORK && *c.range ? 3 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, Resume,
    testing::Values(ResumeCase{"SameFile", true, "bytes=400-", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"FileChangedOnServer", false, "bytes=400-", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"RangeNotSatisfiable", true, "", STATE_NO_NETWORK},
                    ResumeCase{"ServerError", true, "bytes=400-", STATE_NO_NETWORK},
                    ResumeCase{"ManifestChanged", true, "", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"RecordCorrupt", true, "", STATE_DOWNLOAD_COMPLETE},
                    ResumeCase{"DamagedPartFailsTheHash", true, "bytes=400-", STATE_UPDATE_FAIL_RETRY}),
    [](const testing::TestParamInfo<ResumeCase>& info) { return std::string(info.param.name); });

TEST(Redirect, FromHttpsToPlainHttpIsRefused)
{
    EXPECT_FALSE(isRedirectAllowed("HTTPS://a.example/x.zip", " HTTP://a.example/x.zip"));
    EXPECT_TRUE(isRedirectAllowed("https://a.example/x.zip", "/y.zip"));
}

// The download replaces what an earlier attempt left, larger than the blocks
// the writer may hold back, and smaller. Run from a folder of another name
// than "package", the program would write beside Cartaline rather than into
// its installation: it refuses, and says so.
TEST_F(Engine, ReplacesAnEarlierFileButInstallsNothingWhenNotRunFromThePackageFolder)
{
    const std::string large(3 << 20, 'l');
    server.put("/large/update_win.zip", large);
    writeFile(stored(), "left over from a failed installation");
    ASSERT_TRUE(load("/large/update_win.zip"));
    EXPECT_EQ(run(false), STATE_DOWNLOAD_COMPLETE);
    EXPECT_EQ(readFile(stored()), large);
    ASSERT_TRUE(load("/files/update_win.zip"));
    ASSERT_EQ(run(false), STATE_DOWNLOAD_COMPLETE);
    EXPECT_EQ(readFile(stored()), body);
    RunContext context = enginetest::testContext({}, work.path());
    context.installPath = install.path();
    enginetest::Recorder refused;
    WrenhopService elsewhere{context};
    elsewhere.setListener(&refused);
    elsewhere.initialize();
    ASSERT_TRUE(elsewhere.findScriptPackageFromXml() && elsewhere.findScriptFileFromXml());
    const enginetest::Snapshot before = snapshot(install.path());
    elsewhere.runInstallThread();
    ASSERT_TRUE(elsewhere.waitForWorkers(60s));
    EXPECT_EQ(refused.events(), (std::vector<std::pair<int, double>>{{STATE_UPDATE_FAIL_RETRY, 0.0}}));
    EXPECT_EQ(snapshot(install.path()), before);
}

// Owner read and execute always; without permissions, those of the old exec.
TEST_F(Engine, ExecPermissionsAreMaskedToPermissionBits)
{
    for (const auto& [permissions, mode] :
         {std::pair{"", 0700u}, {"0x1ED", 0755u}, {"06777", 0777u}, {"0444", 0544u}}) {
        Manifest manifest;
        manifest.permissions = permissions;
        ASSERT_TRUE(load("/files/update_win.zip", "", "", manifest));
        ASSERT_EQ(run(), STATE_INSTALL_COMPLETE);
        const auto perms = fs::status(install.file("package/Cartaline.exe")).permissions();
        EXPECT_EQ(static_cast<unsigned>(perms) & 07777, mode) << permissions;
    }
}

} // namespace
