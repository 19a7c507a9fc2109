// SPDX-License-Identifier: LicenseRef-Wrenhop
// Whole runs of the update service under Wine: manifest, download from the
// package server of the stage (WRENHOP_TEST_HTTP, serving the folder
// WRENHOP_TEST_SERVED), installation with the Win32 file calls, and the
// restart. Each case installs into a scratch folder of its own.
#include "fileutils.h"
#include "hasher.h"
#include "processutils.h"
#include "testplatform.h"
#include "wrenhopservice.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include <windows.h>

namespace fs = std::filesystem;
using namespace wrenhop::service;
using namespace std::chrono_literals;
using testplatform::readFile;
using testplatform::ScratchDir;
using testplatform::writeFile;

namespace {

// The process's folders with the installation given.
RunContext installedAt(const std::string& installPath)
{
    RunContext context = RunContext::ofProcess();
    context.installPath = installPath;
    context.installPathFound = true;
    return context;
}

using Entries = std::vector<std::pair<std::string, std::string>>;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string sha1Hex(const std::string& bytes)
{
    Hasher hasher(HashAlgorithm::Sha1);
    hasher.update(bytes);
    return hasher.hexDigest();
}

// Entries are written as named, "../" included.
std::string zipBytes(const Entries& entries)
{
    const ScratchDir dir;
    const std::string path = dir.file("archive.zip");
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    EXPECT_NE(zip, nullptr);
    for (const auto& [name, data] : entries) {
        const zip_fileinfo info = {};
        EXPECT_EQ(zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                        Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size())), ZIP_OK);
        EXPECT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    return readFile(path);
}

std::string manifestXml(const std::string& package, const std::string& source, const std::string& hash,
                        std::size_t size)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<update>\r\n"
           "  <release><version>2.2.0</version><date>2026-11-30</date></release>\r\n"
           "  <packages><package>\r\n"
           "    <name>" + package + "</name><hash>" + hash + "</hash>\r\n"
           "    <host>" + environment("WRENHOP_TEST_HTTP") + "</host><source>" + source + "</source>\r\n"
           "    <platform>windows</platform><size>" + std::to_string(size) + "</size>\r\n"
           "  </package></packages>\r\n"
           "  <install><file>\r\n"
           "    <name>Cartaline</name><package>" + package + "</package><target></target>\r\n"
           "    <exec>Cartaline.exe</exec><platform>windows</platform>\r\n"
           "    <permissions>0755</permissions><is-main-binary>true</is-main-binary>\r\n"
           "  </file></install>\r\n</update>\r\n";
}

class Recorder : public IWrenhopService
{
public:
    void onStateChanged(const int& state, double) override
    {
        const std::lock_guard<std::mutex> lock(mMutex);
        if (state != STATE_DOWNLOAD_PROGRESS && state != STATE_INSTALL_PROGRESS)
            mStates.push_back(state);
    }
    std::vector<int> states()
    {
        const std::lock_guard<std::mutex> lock(mMutex);
        return mStates;
    }

private:
    std::mutex mMutex;
    std::vector<int> mStates;
};

enum class Served { Archive, PlainFile, Missing, WrongSize, WrongHash, Corrupt, ZipSlip };
enum class Target { Plain, ReadOnly, HeldOpen };

struct Case {
    const char* name;
    Served served;
    Target target;
    std::vector<int> states;
    bool replaced;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<int> kInstalled{STATE_DOWNLOAD_COMPLETE, STATE_INSTALL_COMPLETE};
const std::vector<int> kInstallFailed{STATE_DOWNLOAD_COMPLETE, STATE_UPDATE_FAIL_RETRY};
const std::vector<int> kNoNetwork{STATE_NO_NETWORK};
const std::vector<int> kDownloadFailed{STATE_UPDATE_FAIL_RETRY};

class Engine : public testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        fs::remove_all(fs::u8path(service.getDownloadDirPath()));
        fs::create_directories(fs::u8path(service.getDownloadDirPath()));
        service.setListener(&listener);
        writeFile(install.file("package/Cartaline.exe"), "old exe");
        writeFile(install.file("package/data/old.txt"), "old data");
    }

    void TearDown() override
    {
        EXPECT_TRUE(service.waitForWorkers(60s));
        service.setListener(nullptr);
    }

    // Serves the bytes under name and points the manifest at them.
    void serve(const std::string& name, const std::string& bytes, bool archive, std::size_t size,
               const std::string& hash)
    {
        writeFile(environment("WRENHOP_TEST_SERVED") + "/" + name, bytes);
        writeFile(service.getDownloadDirPath() + "/packageInfo.xml",
                  manifestXml(archive ? "update_win" : "", "/" + name, hash, size));
        service.initialize();
        ASSERT_TRUE(service.findScriptPackageFromXml());
        ASSERT_TRUE(service.findScriptFileFromXml());
    }

    void run()
    {
        service.runDownloadThread();
        ASSERT_TRUE(service.waitForWorkers(60s));
        const std::vector<int> states = listener.states();
        if (!states.empty() && states.back() == STATE_DOWNLOAD_COMPLETE) {
            service.runInstallThread();
            ASSERT_TRUE(service.waitForWorkers(60s));
        }
    }

    ScratchDir install;
    WrenhopService service{installedAt(install.path())};
    Recorder listener;
};

TEST_P(Engine, EndsAsExpectedAndLeavesTheInstallationWhole)
{
    const Case& c = GetParam();
    const std::string update = zipBytes({{"package/Cartaline.exe", "new exe"}, {"package/data/old.txt", "new\r\n"}});
    const std::string name = std::string(c.name) + (c.served == Served::PlainFile ? ".exe" : ".zip");
    switch (c.served) {
    case Served::Archive: serve(name, update, true, update.size(), sha1Hex(update)); break;
    case Served::PlainFile: serve(name, "new exe", false, 7, sha1Hex("new exe")); break;
    case Served::Missing: serve(name, update, true, update.size(), sha1Hex(update)); break;
    case Served::WrongSize: serve(name, update, true, update.size() + 1, sha1Hex(update)); break;
    case Served::WrongHash: serve(name, update, true, update.size(), sha1Hex("other")); break;
    case Served::Corrupt: {
        std::string broken = update;
        broken.replace(broken.size() / 2, 8, "garbage!");
        serve(name, broken, true, broken.size(), sha1Hex(broken));
        break;
    }
    case Served::ZipSlip: {
        const std::string slip = zipBytes({{"package/Cartaline.exe", "new exe"}, {"../escaped.txt", "out"}});
        serve(name, slip, true, slip.size(), sha1Hex(slip));
        break;
    }
    }
    if (c.served == Served::Missing)
        fs::remove(fs::u8path(environment("WRENHOP_TEST_SERVED") + "/" + name));

    const std::string exe = install.file("package/Cartaline.exe");
    if (c.target == Target::ReadOnly) {
        ASSERT_TRUE(::SetFileAttributesW(fs::u8path(exe).c_str(), FILE_ATTRIBUTE_READONLY));
    }
    {
        const ScratchDir holderFolder;
        std::optional<testplatform::HeldChild> holder;
        if (c.target == Target::HeldOpen) {
            holder.emplace(WRENHOP_CHILD_HELPER, holderFolder.path(), exe);
            ASSERT_TRUE(holder->running());
        }
        run();
    }
    // What the held file kept back goes at the next start.
    EXPECT_TRUE(recoverInstallation(install.path()));

    EXPECT_EQ(listener.states(), c.states);
    EXPECT_EQ(readFile(exe), c.replaced ? "new exe" : "old exe");
    if (c.served != Served::PlainFile) {
        EXPECT_EQ(readFile(install.file("package/data/old.txt")), c.replaced ? "new\r\n" : "old data");
    }
    EXPECT_FALSE(fs::exists(fs::u8path(install.path() + "/../escaped.txt")));
    // Nothing of the run's own stays beside the installation's files.
    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(fs::u8path(install.path())))
        left.push_back(fs::relative(entry.path(), fs::u8path(install.path())).generic_u8string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"package", "package/Cartaline.exe", "package/data",
                                               "package/data/old.txt"}));
    ::SetFileAttributesW(fs::u8path(exe).c_str(), FILE_ATTRIBUTE_NORMAL);
}

INSTANTIATE_TEST_SUITE_P(Runs, Engine,
                         testing::Values(Case{"archive", Served::Archive, Target::Plain, kInstalled, true},
                                         Case{"plain", Served::PlainFile, Target::Plain, kInstalled, true},
                                         Case{"missing", Served::Missing, Target::Plain, kNoNetwork, false},
                                         Case{"size", Served::WrongSize, Target::Plain, kDownloadFailed, false},
                                         Case{"sha", Served::WrongHash, Target::Plain, kDownloadFailed, false},
                                         Case{"corrupt", Served::Corrupt, Target::Plain, kInstallFailed, false},
                                         Case{"slip", Served::ZipSlip, Target::Plain, kInstallFailed, false},
                                         Case{"readonly", Served::Archive, Target::ReadOnly, kInstalled, true},
                                         Case{"held", Served::Archive, Target::HeldOpen, kInstallFailed, false}),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

const char* const kChildEnv = "WRENHOP_TEST_INSTALL_INTO";

// The child of KilledSwap: installs the download that the parent left into
// the folder it names, and is ended by the transaction at the step given.
TEST(EngineChild, InstallsIntoTheNamedFolder)
{
    const std::string into = environment(kChildEnv);
    if (into.empty())
        GTEST_SKIP() << "runs only as the child of KilledSwap";
    WrenhopService service{installedAt(into)};
    service.initialize();
    ASSERT_TRUE(service.findScriptPackageFromXml());
    ASSERT_TRUE(service.findScriptFileFromXml());
    service.runInstallThread();
    EXPECT_TRUE(service.waitForWorkers(60s));
}

// Wherever the run ends, the next start leaves the old or the new
// installation, whole, and nothing of its own.
TEST(KilledSwap, RecoveryLeavesOneWholeInstallation)
{
    WrenhopService service{RunContext::ofProcess()};
    const std::string update = zipBytes({{"package/Cartaline.exe", "new exe"}, {"package/data/old.txt", "new\r\n"}});
    fs::create_directories(fs::u8path(service.getDownloadDirPath()));
    writeFile(service.getDownloadDirPath() + "/killed.zip", update);
    writeFile(service.getDownloadDirPath() + "/packageInfo.xml",
              manifestXml("update_win", "/killed.zip", sha1Hex(update), update.size()));
    int newInstallations = 0;
    for (int step = 1; step <= 12; ++step) {
        SCOPED_TRACE(step);
        const ScratchDir install;
        writeFile(install.file("package/Cartaline.exe"), "old exe");
        writeFile(install.file("package/data/old.txt"), "old data");
        {
            const testplatform::EnvironmentOverride into(kChildEnv, install.path());
            const testplatform::EnvironmentOverride exitAt("WRENHOP_TEST_EXIT_AT_STEP", std::to_string(step));
            EXPECT_EQ(ProcessUtils::runWindows(FileUtils::applicationDirectory() + "/engine_test.exe",
                                               {"--gtest_filter=EngineChild.*"}, false),
                      99);
        }
        EXPECT_TRUE(recoverInstallation(install.path()));
        const bool isNew = readFile(install.file("package/Cartaline.exe")) == "new exe";
        newInstallations += isNew;
        EXPECT_EQ(readFile(install.file("package/data/old.txt")), isNew ? "new\r\n" : "old data");
        EXPECT_FALSE(fs::exists(fs::u8path(install.file(".wrenhop-update"))));
    }
    // The cut fell both before and after the commit.
    EXPECT_GT(newInstallations, 0);
    EXPECT_LT(newInstallations, 12);
}

TEST(EngineFolders, ProgramFolderIsFoundWithForwardSlashes)
{
    const std::string folder = FileUtils::applicationDirectory();
    EXPECT_EQ(folder.find('\\'), std::string::npos) << folder;
    EXPECT_TRUE(fs::exists(fs::u8path(folder + "/engine_test.exe"))) << folder;
}

// The stand-in (standin.cpp) under Cartaline's name records how it was
// started; a missing program is reported.
TEST(EngineRestart, StartsTheInstalledProgramAndReportsAMissingOne)
{
    const ScratchDir install;
    WrenhopService service{installedAt(install.path())};
    writeFile(service.getDownloadDirPath() + "/packageInfo.xml", manifestXml("update_win", "/x.zip", "", 1));
    service.initialize();
    ASSERT_TRUE(service.findScriptFileFromXml());
    EXPECT_FALSE(service.restartCartaline());

    fs::create_directories(fs::u8path(install.file("package")));
    fs::copy_file(fs::u8path(WRENHOP_STANDIN), fs::u8path(install.file("package/Cartaline.exe")));
    EXPECT_TRUE(service.restartCartaline());
    const std::string record = install.file("package/started.txt");
    EXPECT_TRUE(testplatform::eventually([&] { return fs::exists(fs::u8path(record)); }));
    EXPECT_EQ(readFile(record), "Wrenhop\n");
}

} // namespace

void testplatform::setEnvironment(const std::string& name, const std::optional<std::string>& value)
{
    ::_wputenv_s(FileUtils::utf8ToWide(name).c_str(), value ? FileUtils::utf8ToWide(*value).c_str() : L"");
}
