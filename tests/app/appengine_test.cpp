// SPDX-License-Identifier: LicenseRef-Wrenhop
// The application engine and the QML scenes it shows. Each profile starts an
// engine of its own in a child process, for the engine exists once per
// process; the scenes share the one that main starts. Every scene loads
// without a single warning, shows its texts and its brand's images, mirrors
// for ar_ME, and answers the buttons and the tuning keys.
#include "appengine.h"
#include "deflanguages.h"
#include "scenecontroller.h"
#include "testsupport.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// Outside any namespace: the macro declares the bundle's global function.
static void unregisterScenes()
{
    Q_CLEANUP_RESOURCE(wrenhop);
}

namespace {

// Reports on one line what the engine made of the settings (fonts by file
// name) after the action: "profile", "broken" (no scenes) or "switch:<locale>".
int runEngineChild(int argc, char** argv)
{
    const std::string action = argv[2];
    QApplication app(argc, argv);
    AppEngine* engine = AppEngine::getInstance();
    if (action == "broken")
        unregisterScenes();
    engine->initialize(&app);
    SceneController* scene = SceneController::getInstance();
    if (action.rfind("switch:", 0) == 0)
        emit scene->languageChanged(QString::fromStdString(action.substr(7)));
    std::cout << QUrl(scene->getRefFontInfo()).fileName().toStdString()
              << " region=" << scene->getRegionType() << " brand=" << scene->getBrandType() << " "
              << scene->getCurrentLanguage().toStdString() << " mirror=" << scene->getLayoutMirroringEnabled()
              << " rtl=" << (QGuiApplication::layoutDirection() == Qt::RightToLeft) << " "
              << QUrl(scene->getFontInfo()).fileName().toStdString()
              << " window=" << (engine->rootObject() && engine->rootObject()->inherits("QQuickWindow")) << " "
              << DefLanguages::getInstance()->get_LID_PC_60000_01().toStdString();
    engine->shutdown();
    return 0;
}

// The settings (cal.ini), the action, and the report after the part that no
// profile changes (the reference font is Zevan's).
const std::tuple<const char*, const char*, const char*> kProfiles[] = {
    // ar_ME mirrors only the scenes.
    {"[common]\nRegion=ME\nBrand=ZV\nCurrentLanguage=ar_ME\n", "profile",
     "region=9 brand=1 ar_ME mirror=1 rtl=0 NotoSans-Regular.ttf window=1 تحديث البرنامج"},
    // A switch from the scenes translates and keeps the font.
    {"[common]\nBrand=QR\nCurrentLanguage=ko_KR\n", "switch:de_DE",
     "region=0 brand=2 de_DE mirror=0 rtl=0 QuorraSansHeadKROTFRegular.otf window=1 Programmaktualisierung"},
    // An empty language and the keys missing take the defaults, Korean and
    // Jortel; a root component that fails only warns and opens no window.
    {"[common]\nCurrentLanguage=\n", "broken",
     "region=0 brand=0 ko_KR mirror=0 rtl=0 JortelSansTextGlobal-Regular.otf window=0 프로그램 업데이트"},
};

QStringList warnings;

// The brand and the language as the engine sets them from Cartaline's settings.
void useProfile(int brand, const char* locale)
{
    SceneController* controller = SceneController::getInstance();
    controller->setBrandType(brand);
    controller->setLayoutMirroringEnabled(qstrcmp(locale, "ar_ME") == 0);
    controller->setFontInfo(AppEngine::brandFontUrl(brand, QLatin1String(locale)));
    AppEngine::getInstance()->setLanguageMode(QLatin1String(locale));
}

QObject* loadedScene()
{
    const QObject* root = AppEngine::getInstance()->rootObject();
    return root->findChild<QObject*>(QStringLiteral("sceneLoader"))->property("item").value<QObject*>();
}

// The scene window that the loader shows once the controller names it.
QQuickWindow* show(const char* scene)
{
    SceneController::getInstance()->setSceneQmlUrl(QStringLiteral("qrc:/qml/%1.qml").arg(QLatin1String(scene)));
    return qobject_cast<QQuickWindow*>(loadedScene());
}

QPoint centreOf(const QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

// Each scene's texts: the title's first, then from the top.
const std::pair<const char*, std::vector<const char*>> kSceneTexts[] = {
    {"Proc_Downloading", {"LID_PC_60000_01", "LID_PC_60000_02"}},
    {"Noti_NoNetworkConnection", {"LID_PC_60100_01", "LID_PC_60100_02", "LID_PC_60100_03"}},
    {"Noti_NoUpdateFile",
     {"LID_PC_60100_01", "LID_PC_60100_06", "LID_PC_60100_07", "LID_PC_60100_17", "LID_PC_60100_08"}},
    {"Noti_UpdateFailRetry", {"LID_PC_60100_01", "LID_PC_60100_14", "LID_PC_60100_19"}},
};

} // namespace

TEST(EngineProfile, FollowsCartalinesSettings)
{
    for (const auto& [settings, action, report] : kProfiles) {
        SCOPED_TRACE(settings);
        testsupport::ScratchDir scratch;
        testsupport::writeFile(scratch.file("appdata/Cartaline/cal.ini"), settings);
        const auto run = testsupport::run(QCoreApplication::applicationFilePath().toStdString(),
                                          {"--engine-child", action}, {"APPDATA=" + scratch.file("appdata")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, std::string("ZevanSignatureRegular.ttf ") + report);
    }
}

// Each scene follows a switch of the language in place. The confirm button
// wears the brand's image (Jortel's for a brand outside the table). ar_ME
// turns the button row and the download bar around, nothing else (that it
// leaves the application as it is the engine's profiles show).
TEST(Scenes, ScenesFollowTheLanguageInPlace)
{
    for (const auto& [brand, letter] : {std::pair{0, "j"}, std::pair{1, "z"}, std::pair{2, "q"}, std::pair{5, "j"}}) {
        for (const auto& [scene, ids] : kSceneTexts) {
            // Shown in the last row's profile, then switched in place.
            QQuickWindow* window = show(scene);
            for (const auto& [locale, mirrored] : {std::pair{"ar_ME", true}, std::pair{"de_DE", false}}) {
                useProfile(brand, locale);
                ASSERT_TRUE(window && loadedScene() == window) << scene;
                SCOPED_TRACE(std::string(scene) + " " + locale + " brand " + std::to_string(brand));
                for (std::size_t i = 0; i < ids.size(); ++i) {
                    const auto* text = window->findChild<QQuickItem*>(QLatin1String(i == 0 ? "title" : ids[i]));
                    EXPECT_TRUE(text && text->property("text") == DefLanguages::getInstance()->property(ids[i]))
                        << ids[i];
                }
                if (auto* confirm = window->findChild<QQuickItem*>(QStringLiteral("confirmButton"))) {
                    EXPECT_EQ(confirm->property("source").toUrl().toString().toStdString(),
                              std::string("qrc:/Resource/image/btn_update02_") + letter + "_n.png");
                    const auto* cancel = window->findChild<QQuickItem*>(QStringLiteral("cancelButton"));
                    EXPECT_TRUE(!cancel || (centreOf(confirm).x() > centreOf(cancel).x()) == mirrored) << "button row";
                }
                const auto* bar = window->findChild<QQuickItem*>(QStringLiteral("progressBar"));
                EXPECT_EQ(bar ? bar->scale() : 1, mirrored && qstrcmp(scene, "Proc_Downloading") == 0 ? -1 : 1);
            }
        }
    }
}

// A button that ends the run ends the event loop that main returns from,
// with 0, and changes no scene (a retry would).
TEST(Scenes, NoticeButtonsEndTheRun)
{
    const std::pair<const char*, const char*> clicks[] = {
        {"Noti_NoNetworkConnection", "confirmButton"}, {"Noti_NoUpdateFile", "confirmButton"},
        {"Noti_UpdateStopped", "confirmButton"}, {"Noti_UpdateFailRetry", "cancelButton"}};
    useProfile(1, "en_US");
    for (const auto& [scene, target] : clicks) {
        SCOPED_TRACE(std::string(scene) + " " + target);
        QQuickWindow* window = show(scene);
        ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
        const auto* button = window->findChild<QQuickItem*>(QLatin1String(target));
        ASSERT_TRUE(button);
        QTimer::singleShot(0, window, [&] { QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(button)); });
        // Gone with the row, so that it cannot end a later row's loop.
        QObject watchdog;
        QTimer::singleShot(10000, &watchdog, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(loadedScene(), window);
    }
}

// The tuning keys go to the scene window shown at that moment, activated
// first as a user's click would; which scene each step shows, where the steps
// stop and that outside the tuning mode they do nothing is the controller's
// business.
TEST(Scenes, TuningKeysReachTheController)
{
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> presses[] = {
        {Qt::Key_PageUp, {}, 1}, {Qt::Key_PageDown, {}, 0}, {Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier, -1}};
    SceneController::getInstance()->setTuningScene(0);
    for (const auto& [key, modifiers, index] : presses) {
        auto* scene = qobject_cast<QQuickWindow*>(loadedScene());
        ASSERT_TRUE(scene);
        // isActive() already holds while the loader window, the scene's
        // transient parent, has the focus; the keys need the scene itself.
        scene->requestActivate();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == scene; }, 2000));
        // Press only: the shortcut replaces the scene, whose window is gone
        // before a release could reach it.
        QTest::keyPress(scene, key, modifiers);
        EXPECT_EQ(SceneController::getInstance()->getTuningSceneIndex(), index);
    }
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--engine-child")
        return runEngineChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Listing the cases needs no engine; its QML thread would only slow the
    // listing and, under ThreadSanitizer, race inside Qt's own teardown.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            warnings << message;
    });
    AppEngine::getInstance()->initialize(&app);
    const int result = RUN_ALL_TESTS();
    AppEngine::getInstance()->shutdown();
    // A warning anywhere, the engine's start included, fails the run.
    std::cerr << warnings.join(QLatin1Char('\n')).toStdString();
    return warnings.isEmpty() ? result : 1;
}
