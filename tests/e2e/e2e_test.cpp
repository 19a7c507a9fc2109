// SPDX-License-Identifier: LicenseRef-Wrenhop
// The real program, started as Cartaline starts it in an installation of its
// own, for each outcome of an update run: against a server on 127.0.0.1, it
// ends with exit code 0 or stops at the notice that waits for the user,
// leaves its result line and keeps the installation whole.
#include "e2esupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace e2e;

namespace {

enum class Serve { Archive, PlainFile, Refused, Missing, WrongSize, WrongSha1, CorruptArchive, HostileArchive };
enum class Manifest { Normal, None, NoWindowsPackage, NoWindowsFile };

constexpr int kExits = 0;
constexpr int kTuning = -1;

struct Outcome {
    const char* name;
    Serve serve;
    Manifest manifest;
    int stopsAt; // kExits, a notice's state or kTuning
    const char* resultLine; // "#" stands for the time; empty: no line
    std::vector<const char*> logLines;
    bool newRelease = false;
    bool readOnly = false;
};

void PrintTo(const Outcome& outcome, std::ostream* out)
{
    *out << outcome.name;
}

const char* const kSuccessLine = "[D:1,T:#,LOV:2.1.0,LNV:2.2.0][WH-SUCCESS]";
const char* const kNoNetworkLine = "[E:1,T:#,PS:99,ED:1000]";

const Outcome kOutcomes[] = {
    {"ArchivePackage", Serve::Archive, Manifest::Normal, kExits, kSuccessLine,
     {"startUnZip success", "exit onStateMachine (state:10)"}, true},
    {"PlainFilePackage", Serve::PlainFile, Manifest::Normal, kExits, kSuccessLine,
     {"copyFile: ", "exit onStateMachine (state:10)"}, true},
    {"ConnectionRefused", Serve::Refused, Manifest::Normal, 12, kNoNetworkLine, {"download error("}},
    {"NotFound", Serve::Missing, Manifest::Normal, 12, kNoNetworkLine, {"download error(404)"}},
    {"SizeMismatch", Serve::WrongSize, Manifest::Normal, 13, "", {"size mismatch: "}},
    {"Sha1Mismatch", Serve::WrongSha1, Manifest::Normal, 13, "", {"sha1 mismatch: "}},
    {"CorruptArchive", Serve::CorruptArchive, Manifest::Normal, 13, "", {"testArchive fail: "}},
    {"HostileArchive", Serve::HostileArchive, Manifest::Normal, 13, "", {"testArchive fail: "}},
    {"NoManifest", Serve::Archive, Manifest::None, 11, "[E:2,T:#,LOV:2.1.0,LNV:,ED:404,FP:]",
     {"Unable to load script"}},
    {"NoWindowsPackage", Serve::Archive, Manifest::NoWindowsPackage, 11, "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:]",
     {"not found platform information from packageInfo.xml"}},
    {"NoWindowsFileRecord", Serve::Archive, Manifest::NoWindowsFile, 11,
     "[E:2,T:#,LOV:2.1.0,LNV:2.2.0,ED:404,FP:{host}/files/update]",
     {"download success: ", "not found platform information from packageInfo.xml"}},
    {"ReadOnlyInstallation", Serve::Archive, Manifest::Normal, 13, "", {"backup fail: "}, false, true},
    {"TuningMode", Serve::Archive, Manifest::Normal, kTuning, "", {"Wrenhop UI/UX tuning start"}},
};

class Outcomes : public ::testing::TestWithParam<Outcome>
{
};

// The server's address differs per run; "{host}" in an expected line stands
// for it.
bool matchesWithHost(const std::string& line, std::string expected, const std::string& host)
{
    const auto at = expected.find("{host}");
    if (at != std::string::npos)
        expected.replace(at, 6, host);
    return managertest::matchesResultLine(line, expected);
}

// The runs that get as far as the download ask the server once.
int expectedRequests(const Outcome& outcome)
{
    if (outcome.stopsAt == kTuning || outcome.serve == Serve::Refused)
        return 0;
    return outcome.manifest == Manifest::None || outcome.manifest == Manifest::NoWindowsPackage ? 0 : 1;
}

} // namespace

TEST_P(Outcomes, EndsAsExpected)
{
    const Outcome& outcome = GetParam();
    Sandbox sandbox;
    managertest::PackageServer server;
    const auto entries = newReleaseEntries(sandbox.standIn());
    std::string served = managertest::zipBytes(entries);
    managertest::Manifest manifest;
    manifest.host = server.host();
    manifest.source = "/files/update";
    switch (outcome.serve) {
    case Serve::PlainFile:
        served = entries.front().second;
        manifest.package.clear();
        break;
    case Serve::Refused:
        manifest.host = "http://127.0.0.1:" + std::to_string(managertest::closedPort());
        break;
    case Serve::CorruptArchive:
        served = "PK\x03\x04 but nothing of an archive follows";
        break;
    case Serve::HostileArchive:
        served = managertest::zipBytes({{"package/data/maps.dat", "new maps"}, {"../escaped.txt", "outside"}});
        break;
    default:
        break;
    }
    manifest.hash = managertest::sha1Hex(served);
    manifest.size = std::to_string(served.size());
    if (outcome.serve == Serve::WrongSize)
        manifest.size = std::to_string(served.size() + 1);
    if (outcome.serve == Serve::WrongSha1)
        manifest.hash = managertest::sha1Hex(served + "!");
    if (outcome.serve != Serve::Missing)
        server.put(manifest.source, served);
    if (outcome.manifest == Manifest::NoWindowsPackage)
        manifest.packagePlatform = "linux";
    if (outcome.manifest == Manifest::NoWindowsFile)
        manifest.filePlatform = "linux";
    if (outcome.manifest != Manifest::None)
        testsupport::writeFile(sandbox.temp() + "/CaL/packageInfo.xml", managertest::manifestXml(manifest));
    if (outcome.readOnly)
        sandbox.makeInstallationReadOnlyFor65534();
    const managertest::Snapshot before = managertest::snapshot(sandbox.install());

    Program program(sandbox, outcome.stopsAt == kTuning ? "1" : "0", outcome.readOnly);
    if (outcome.stopsAt == kExits) {
        EXPECT_EQ(program.waitForExit(), 0) << program.errorOutput();
    } else {
        const std::string stop = outcome.stopsAt == kTuning
            ? "Wrenhop UI/UX tuning start"
            : "exit onStateMachine (state:" + std::to_string(outcome.stopsAt) + ")";
        EXPECT_TRUE(program.waitForLog(stop)) << sandbox.logText() << program.errorOutput();
        // A notice waits for the user: the program must still be there.
        EXPECT_TRUE(program.running());
        program.end();
    }

    const std::string log = sandbox.logText();
    for (const char* line : outcome.logLines)
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    const std::vector<std::string> result = sandbox.resultLines();
    if (*outcome.resultLine) {
        ASSERT_EQ(result.size(), 1u);
        EXPECT_TRUE(matchesWithHost(result.front(), outcome.resultLine, server.host())) << result.front();
    } else {
        EXPECT_TRUE(result.empty()) << result.front();
    }
    const managertest::Snapshot after = managertest::snapshot(sandbox.install());
    if (outcome.newRelease) {
        const auto written = outcome.serve == Serve::PlainFile ? std::vector{entries.front()} : entries;
        EXPECT_EQ(after, withEntries(before, written));
        EXPECT_NE(sandbox.restartRecord().find("args: 1\narg: Wrenhop\nend\n"), std::string::npos);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(sandbox.temp() + "/CaL")));
    } else {
        EXPECT_EQ(after, before);
        EXPECT_TRUE(sandbox.restartRecord().empty());
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(sandbox.root() + "/escaped.txt")));
    EXPECT_EQ(server.requests(manifest.source), expectedRequests(outcome));
}

INSTANTIATE_TEST_SUITE_P(Program, Outcomes, ::testing::ValuesIn(kOutcomes),
                         [](const ::testing::TestParamInfo<Outcome>& info) { return info.param.name; });

// While one run waits at its notice, a second start changes nothing and
// leaves at once.
TEST(Program, SecondInstanceQuitsWithoutChanges)
{
    Sandbox sandbox;
    managertest::Manifest manifest;
    manifest.host = "http://127.0.0.1:" + std::to_string(managertest::closedPort());
    testsupport::writeFile(sandbox.temp() + "/CaL/packageInfo.xml", managertest::manifestXml(manifest));
    const managertest::Snapshot before = managertest::snapshot(sandbox.install());

    Program first(sandbox, "0");
    ASSERT_TRUE(first.waitForLog("exit onStateMachine (state:12)")) << sandbox.logText();
    Program second(sandbox, "0");
    EXPECT_EQ(second.waitForExit(), 0);
    EXPECT_TRUE(first.running());
    first.end();

    EXPECT_NE(sandbox.logText().find("another Wrenhop is updating Cartaline; this one quits without changes"),
              std::string::npos);
    EXPECT_EQ(sandbox.resultLines().size(), 1u);
    EXPECT_EQ(managertest::snapshot(sandbox.install()), before);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(sandbox.temp() + "/CaL/packageInfo.xml")));
}
