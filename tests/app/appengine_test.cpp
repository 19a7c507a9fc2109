// SPDX-License-Identifier: LicenseRef-Wrenhop
// The application engine: its code tables, and the whole initialisation
// against real settings files, each in a child process of its own because
// the engine exists once per process.
#include "appengine.h"
#include "deflanguages.h"
#include "scenecontroller.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <tuple>
#include <utility>

// Outside any namespace: the macro declares the bundle's global function.
static void unregisterScenes()
{
    Q_CLEANUP_RESOURCE(wrenhop);
}

namespace {

std::string selfPath;

// Reports on one line what the engine made of the settings (fonts by file
// name) after the action: "profile", "broken" (no scenes) or "switch:<locale>".
int runEngineChild(int argc, char** argv)
{
    const std::string action = argv[2];
    QApplication app(argc, argv);
    AppEngine* engine = AppEngine::getInstance();
    const int execBeforeInitialize = engine->exec();
    if (action == "broken")
        unregisterScenes();
    engine->initialize(&app);
    SceneController* scene = SceneController::getInstance();
    if (action.rfind("switch:", 0) == 0)
        emit scene->languageChanged(QString::fromStdString(action.substr(7)));
    std::cout << execBeforeInitialize << " " << QUrl(scene->getRefFontInfo()).fileName().toStdString()
              << " region=" << scene->getRegionType() << " brand=" << scene->getBrandType() << " "
              << scene->getCurrentLanguage().toStdString() << " mirror=" << scene->getLayoutMirroringEnabled()
              << " rtl=" << (QGuiApplication::layoutDirection() == Qt::RightToLeft) << " "
              << QUrl(scene->getFontInfo()).fileName().toStdString()
              << " window=" << (engine->rootObject() && engine->rootObject()->inherits("QQuickWindow")) << " "
              << DefLanguages::getInstance()->get_LID_PC_60000_01().toStdString();
    engine->shutdown();
    return 0;
}

struct ProfileCase {
    const char* name;
    const char* settings; // cal.ini; null: none
    const char* action;
    const char* report;
    const char* logged;
};

// After the part that no profile changes: exec before initialize answers 0,
// and the reference font is Zevan's.
const ProfileCase kProfiles[] = {
    {"NoSettingsFileIsKoreanJortel", nullptr, "profile",
     "region=0 brand=0 ko_KR mirror=0 rtl=0 JortelSansTextGlobal-Regular.otf window=1 프로그램 업데이트", ""},
    {"ArabicOfTheMiddleEastMirrorsOnlyTheScenes", "[common]\nRegion=ME\nBrand=ZV\nCurrentLanguage=ar_ME\n", "profile",
     "region=9 brand=1 ar_ME mirror=1 rtl=0 NotoSans-Regular.ttf window=1 تحديث البرنامج", ""},
    {"BareArabicTurnsTheApplicationAround", "[common]\nRegion=ME\nBrand=JT\nCurrentLanguage=ar\n", "profile",
     "region=9 brand=0 ar mirror=0 rtl=1 JortelSansTextGlobal-Regular.otf window=1 LID_PC_60000_01",
     "Not exists"},
    {"SwitchFromTheScenesTranslatesAndKeepsTheFont", "[common]\nBrand=QR\nCurrentLanguage=ko_KR\n", "switch:de_DE",
     "region=0 brand=2 de_DE mirror=0 rtl=0 QuorraSansHeadKROTFRegular.otf window=1 Programmaktualisierung",
     "AppEngine::changeLanguage() => de_DE"},
    {"RootComponentThatFailsOnlyWarnsAndOpensNoWindow", nullptr, "broken",
     "region=0 brand=0 ko_KR mirror=0 rtl=0 JortelSansTextGlobal-Regular.otf window=0 프로그램 업데이트",
     "qrc:/qml/QmlLoader.qml"},
};

// The engine's own lines, in their order.
const char* const kStartLines[] = {
    "DefLanguages::getInstance", "New SceneController Start ...", "SceneController::initialize => Start",
    "CalUpdate AppEngine initialize", "AppEngine::loadUserProfileInfo", "AppEngine::loadUserProfileConfig",
    " Region [ ", " CurrentLanguage [ ", "AppEngine::changeLanguage() => ",
    "Start resourcePath => :/translations/wrenhop_", "removeTranslator succeess => ", "exists",
    " getCurrentLanguageValue => [ 0 ] ", "m_Translator.load Succsee => [ "};

class EngineProfile : public ::testing::TestWithParam<ProfileCase>
{
};

} // namespace

TEST_P(EngineProfile, FollowsCartalinesSettings)
{
    const ProfileCase& row = GetParam();
    testsupport::ScratchDir scratch;
    QDir().mkpath(QString::fromStdString(scratch.file("appdata/Cartaline")));
    QDir().mkpath(QString::fromStdString(scratch.file("temp")));
    if (row.settings)
        testsupport::writeFile(scratch.file("appdata/Cartaline/cal.ini"), row.settings);
    const testsupport::RunResult run = testsupport::run(
        selfPath, {"--engine-child", row.action}, {"APPDATA=" + scratch.file("appdata"), "TEMP=" + scratch.file("temp")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, std::string("0 ZevanSignatureRegular.ttf ") + row.report);
    EXPECT_NE(run.err.find(row.logged), std::string::npos) << run.err;
    // The string table and the logger are taken before the scene controller,
    // which logs its start.
    std::size_t at = 0;
    for (const char* line : kStartLines) {
        at = run.err.find(line, at);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, EngineProfile, ::testing::ValuesIn(kProfiles),
                         [](const ::testing::TestParamInfo<ProfileCase>& info) { return std::string(info.param.name); });

// Both ends of the region table, only the exact and whole codes, and the
// brand font by brand and language.
TEST(EngineTables, CodesMatchExactlyAndWholeAndPickTheFont)
{
    const std::pair<const char*, int> regions[] = {{"KR", 0}, {"IN", 10}, {"GB", -1}, {"kr", -1}, {"", -1}, {"KR ", -1}};
    for (const auto& [code, index] : regions)
        EXPECT_EQ(AppEngine::convertRegionType(QLatin1String(code)), index) << code;
    const std::pair<const char*, int> brands[] = {{"JT", 0}, {"ZV", 1}, {"QR", 2}, {"0", 0}, {"qr", 0}, {"ZV ", 0}};
    for (const auto& [code, index] : brands)
        EXPECT_EQ(AppEngine::convertBrandType(QLatin1String(code)), index) << code;
    const std::tuple<int, const char*, const char*> fonts[] = {
        {1, "ar", "ZevanSignatureRegular.ttf"}, {2, "ko", "QuorraSansHead-Regular.otf"},
        {3, "ko_KR", "JortelSansTextGlobal-Regular.otf"}};
    for (const auto& [brand, language, font] : fonts)
        EXPECT_EQ(AppEngine::brandFontUrl(brand, QLatin1String(language)).toStdString(),
                  std::string("qrc:/Resource/fonts/") + font)
            << brand << " " << language;
}

int main(int argc, char** argv)
{
    testsupport::useHeadlessQtByDefault();
    if (argc == 3 && std::string(argv[1]) == "--engine-child")
        return runEngineChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath().toStdString();
    return RUN_ALL_TESTS();
}
