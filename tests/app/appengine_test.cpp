// SPDX-License-Identifier: LicenseRef-Wrenhop
// The application engine: code tables, and the whole initialisation against
// real settings files, each in a child process of its own because the
// engine exists once per process.
#include "appengine.h"
#include "deflanguages.h"
#include "scenecontroller.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <sstream>
#include <string>

// Outside any namespace: the macro declares the bundle's global function.
static void unregisterScenes()
{
    Q_CLEANUP_RESOURCE(wrenhop);
}

namespace {

const char* const kJortelFont = "qrc:/Resource/fonts/JortelSansTextGlobal-Regular.otf";
const char* const kZevanFont = "qrc:/Resource/fonts/ZevanSignatureRegular.ttf";
const char* const kNotoFont = "qrc:/Resource/fonts/NotoSans-Regular.ttf";
const char* const kQuorraFont = "qrc:/Resource/fonts/QuorraSansHead-Regular.otf";
const char* const kQuorraKoreanFont = "qrc:/Resource/fonts/QuorraSansHeadKROTFRegular.otf";

std::string selfPath;

using Report = std::map<std::string, std::string>;

Report parseReport(const std::string& out)
{
    Report report;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            report[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return report;
}

// Runs the engine in a child with its own TEMP and APPDATA; settings is the
// content of cal.ini, or null for a missing file.
struct EngineRun {
    testsupport::RunResult result;
    Report report;
};

EngineRun runEngine(const char* settings, const std::string& action = "profile")
{
    testsupport::ScratchDir scratch;
    const std::string appData = scratch.file("appdata");
    QDir().mkpath(QString::fromStdString(appData + "/Cartaline"));
    QDir().mkpath(QString::fromStdString(scratch.file("temp")));
    if (settings)
        testsupport::writeFile(appData + "/Cartaline/cal.ini", settings);
    EngineRun run;
    run.result = testsupport::run(selfPath, {"--engine-child", action},
                                  {"APPDATA=" + appData, "TEMP=" + scratch.file("temp")});
    run.report = parseReport(run.result.out);
    return run;
}

int runEngineChild(int argc, char** argv)
{
    const std::string action = argv[2];
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    AppEngine* engine = AppEngine::getInstance();
    std::cout << "execBeforeInitialize=" << engine->exec() << "\n";
    if (action == "broken")
        unregisterScenes();
    engine->initialize(&app);

    SceneController* scene = SceneController::getInstance();
    if (action.rfind("switch:", 0) == 0)
        emit scene->languageChanged(QString::fromStdString(action.substr(7)));

    std::cout << "region=" << scene->getRegionType() << "\n"
              << "brand=" << scene->getBrandType() << "\n"
              << "language=" << scene->getCurrentLanguage().toStdString() << "\n"
              << "mirroring=" << scene->getLayoutMirroringEnabled() << "\n"
              << "font=" << scene->getFontInfo().toStdString() << "\n"
              << "refFont=" << scene->getRefFontInfo().toStdString() << "\n"
              << "rightToLeft=" << (QGuiApplication::layoutDirection() == Qt::RightToLeft) << "\n"
              << "title=" << DefLanguages::getInstance()->property("LID_PC_60000_01").toString().toStdString() << "\n"
              << "rootObject=" << (engine->rootObject() ? (engine->rootObject()->inherits("QQuickWindow") ? "window" : "other") : "none")
              << "\n";
    engine->shutdown();
    return 0;
}

struct ProfileCase {
    const char* name;
    const char* settings; // null: no settings file
    int region;
    int brand;
    const char* language;
    bool mirroring;
    const char* font;
    bool rightToLeft;
    const char* title;
};

void PrintTo(const ProfileCase& row, std::ostream* out)
{
    *out << row.name;
}

class EngineProfile : public ::testing::TestWithParam<ProfileCase>
{
};

} // namespace

TEST_P(EngineProfile, FollowsCartalinesSettings)
{
    const ProfileCase& row = GetParam();
    const EngineRun run = runEngine(row.settings);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    const Report& report = run.report;
    EXPECT_EQ(report.at("region"), std::to_string(row.region));
    EXPECT_EQ(report.at("brand"), std::to_string(row.brand));
    EXPECT_EQ(report.at("language"), row.language);
    EXPECT_EQ(report.at("mirroring"), row.mirroring ? "1" : "0");
    EXPECT_EQ(report.at("font"), row.font);
    EXPECT_EQ(report.at("refFont"), kZevanFont);
    EXPECT_EQ(report.at("rightToLeft"), row.rightToLeft ? "1" : "0");
    EXPECT_EQ(report.at("title"), row.title);
    EXPECT_EQ(report.at("rootObject"), "window");
    EXPECT_EQ(report.at("execBeforeInitialize"), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, EngineProfile,
    ::testing::Values(
        ProfileCase{"NoSettingsFile", nullptr, 0, 0, "ko_KR", false, kJortelFont, false, "프로그램 업데이트"},
        ProfileCase{"ZevanArabic", "[common]\r\nRegion=ME\r\nBrand=ZV\r\nCurrentLanguage=ar_ME\r\n", 9, 1, "ar_ME",
                    true, kNotoFont, false, "تحديث البرنامج"},
        ProfileCase{"ZevanGerman", "[common]\r\nRegion=EU\r\nBrand=ZV\r\nCurrentLanguage=de_DE\r\n", 3, 1, "de_DE",
                    false, kZevanFont, false, "Programmaktualisierung"},
        ProfileCase{"QuorraKorean", "[common]\r\nRegion=KR\r\nBrand=QR\r\nCurrentLanguage=ko_KR\r\n", 0, 2, "ko_KR",
                    false, kQuorraKoreanFont, false, "프로그램 업데이트"},
        ProfileCase{"QuorraEnglish", "[common]\r\nRegion=US\r\nBrand=QR\r\nCurrentLanguage=en_US\r\n", 1, 2, "en_US",
                    false, kQuorraFont, false, "Program Update"},
        ProfileCase{"LowerCaseBrandIsJortel", "[common]\r\nRegion=GB\r\nBrand=qr\r\nCurrentLanguage=en_US\r\n", -1,
                    0, "en_US", false, kJortelFont, false, "Program Update"},
        // The settings reader skips empty values: the defaults stand.
        ProfileCase{"EmptyValuesKeepDefaults", "[common]\r\nRegion=\r\nBrand=\r\nCurrentLanguage=\r\n", 0, 0, "ko_KR", false,
                    kJortelFont, false, "프로그램 업데이트"},
        ProfileCase{"BareArabicTurnsTheApplicationAround",
                    "[common]\r\nRegion=ME\r\nBrand=JT\r\nCurrentLanguage=ar\r\n", 9, 0, "ar", false, kJortelFont,
                    true, "LID_PC_60000_01"},
        ProfileCase{"UnknownLocaleShowsIds", "[common]\r\nRegion=US\r\nBrand=JT\r\nCurrentLanguage=en_GB\r\n", 1, 0,
                    "en_GB", false, kJortelFont, false, "LID_PC_60000_01"}),
    [](const ::testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.name); });

TEST(EngineLanguage, MissingTranslationIsLoggedAsNotExists)
{
    const EngineRun run = runEngine("[common]\r\nCurrentLanguage=ar\r\n");
    EXPECT_NE(run.result.err.find("Right to Left"), std::string::npos);
    EXPECT_NE(run.result.err.find(":/translations/wrenhop_ar.qm"), std::string::npos);
    EXPECT_NE(run.result.err.find("Not exists"), std::string::npos);
}

// The scenes switch the language through the controller's signal; the font
// stays the one chosen at start-up.
TEST(EngineLanguage, SwitchFromTheScenesTranslatesAndKeepsTheFont)
{
    const EngineRun run = runEngine("[common]\r\nBrand=QR\r\nCurrentLanguage=ko_KR\r\n", "switch:de_DE");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.report.at("language"), "de_DE");
    EXPECT_EQ(run.report.at("title"), "Programmaktualisierung");
    EXPECT_EQ(run.report.at("font"), kQuorraKoreanFont);
    EXPECT_NE(run.result.err.find("AppEngine::changeLanguage() => de_DE"), std::string::npos);
}

TEST(EngineLoader, RootComponentThatFailsOnlyWarnsAndOpensNoWindow)
{
    const EngineRun run = runEngine(nullptr, "broken");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.report.at("rootObject"), "none");
    EXPECT_NE(run.result.err.find("qrc:/qml/QmlLoader.qml"), std::string::npos) << run.result.err;
    EXPECT_EQ(run.report.at("title"), "프로그램 업데이트");
}

struct CodeCase {
    const char* code;
    int index;
};

class RegionCodes : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(RegionCodes, MapExactlyOrToMinusOne)
{
    EXPECT_EQ(AppEngine::convertRegionType(QString::fromUtf8(GetParam().code)), GetParam().index) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Table, RegionCodes,
                         ::testing::Values(CodeCase{"KR", 0}, CodeCase{"US", 1}, CodeCase{"CA", 2}, CodeCase{"EU", 3},
                                           CodeCase{"RU", 4}, CodeCase{"TR", 5}, CodeCase{"AU", 6}, CodeCase{"NZ", 7},
                                           CodeCase{"BR", 8}, CodeCase{"ME", 9}, CodeCase{"IN", 10},
                                           CodeCase{"GB", -1}, CodeCase{"kr", -1}, CodeCase{"", -1},
                                           CodeCase{"KR ", -1}));

class BrandCodes : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(BrandCodes, MapExactlyOrToJortel)
{
    EXPECT_EQ(AppEngine::convertBrandType(QString::fromUtf8(GetParam().code)), GetParam().index) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Table, BrandCodes,
                         ::testing::Values(CodeCase{"JT", 0}, CodeCase{"ZV", 1}, CodeCase{"QR", 2}, CodeCase{"0", 0},
                                           CodeCase{"", 0}, CodeCase{"qr", 0}, CodeCase{"ZV ", 0}));

struct FontCase {
    int brand;
    const char* language;
    const char* font;
};

class BrandFonts : public ::testing::TestWithParam<FontCase>
{
};

TEST_P(BrandFonts, FollowBrandAndLanguage)
{
    EXPECT_EQ(AppEngine::brandFontUrl(GetParam().brand, QString::fromUtf8(GetParam().language)),
              QString::fromUtf8(GetParam().font));
}

INSTANTIATE_TEST_SUITE_P(Table, BrandFonts,
                         ::testing::Values(FontCase{0, "ar_ME", kJortelFont}, FontCase{0, "ko_KR", kJortelFont},
                                           FontCase{1, "ar_ME", kNotoFont}, FontCase{1, "ar", kZevanFont},
                                           FontCase{1, "ko_KR", kZevanFont}, FontCase{2, "ko_KR", kQuorraKoreanFont},
                                           FontCase{2, "en_US", kQuorraFont}, FontCase{2, "ko", kQuorraFont},
                                           FontCase{3, "ko_KR", kJortelFont}, FontCase{-1, "en_US", kJortelFont}));

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--engine-child")
        return runEngineChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath().toStdString();
    return RUN_ALL_TESTS();
}
