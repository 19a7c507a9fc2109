// SPDX-License-Identifier: LicenseRef-Wrenhop
// The application engine and the QML scenes it shows. Each profile starts an
// engine of its own in a child process, for the engine exists once per
// process; the scenes share the one that main starts. Every scene loads
// without a single warning, shows its texts within the window and its
// brand's images, mirrors for ar_ME, and answers the mouse and the tuning
// keys.
#include "appengine.h"
#include "deflanguages.h"
#include "scenecontroller.h"
#include "testsupport.h"

#include <QApplication>
#include <QFile>
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

// The settings (cal.ini), the action, and the report after the part that no
// profile changes (exec before initialize answers 0, the reference font is
// Zevan's).
const std::tuple<const char*, const char*, const char*> kProfiles[] = {
    // ar_ME mirrors only the scenes.
    {"[common]\nRegion=ME\nBrand=ZV\nCurrentLanguage=ar_ME\n", "profile",
     "region=9 brand=1 ar_ME mirror=1 rtl=0 NotoSans-Regular.ttf window=1 تحديث البرنامج"},
    // Bare Arabic, which no translation serves, turns the application around.
    {"[common]\nRegion=ME\nBrand=JT\nCurrentLanguage=ar\n", "profile",
     "region=9 brand=0 ar mirror=0 rtl=1 JortelSansTextGlobal-Regular.otf window=1 LID_PC_60000_01"},
    // A switch from the scenes translates and keeps the font.
    {"[common]\nBrand=QR\nCurrentLanguage=ko_KR\n", "switch:de_DE",
     "region=0 brand=2 de_DE mirror=0 rtl=0 QuorraSansHeadKROTFRegular.otf window=1 Programmaktualisierung"},
    // An empty language and the keys missing take the defaults, Korean and
    // Jortel; a root component that fails only warns and opens no window.
    {"[common]\nCurrentLanguage=\n", "broken",
     "region=0 brand=0 ko_KR mirror=0 rtl=0 JortelSansTextGlobal-Regular.otf window=0 프로그램 업데이트"},
};

QStringList messages;
QStringList warnings;

void collectMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    messages << message;
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

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

QQuickItem* child(QQuickWindow* window, const char* name)
{
    auto* item = window->findChild<QQuickItem*>(QLatin1String(name));
    EXPECT_TRUE(item) << name;
    return item;
}

void expectText(QQuickItem* item, const char* id)
{
    EXPECT_EQ(item->property("text").toString(), DefLanguages::getInstance()->property(id).toString()) << id;
}

QPoint centreOf(const QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

// Each scene's texts: the title's first, then from the top.
const std::pair<const char*, std::vector<const char*>> kSceneTexts[] = {
    {"Proc_Downloading", {"LID_PC_60000_01", "LID_PC_60000_02"}},
    {"Proc_Installing", {"LID_PC_60000_01", "LID_PC_60000_02"}},
    {"Noti_NoNetworkConnection", {"LID_PC_60100_01", "LID_PC_60100_02", "LID_PC_60100_03"}},
    {"Noti_NoUpdateFile", {"LID_PC_60100_01", "LID_PC_60100_06", "LID_PC_60100_07", "LID_PC_60100_17", "LID_PC_60100_08"}},
    {"Noti_UpdateStopped", {"LID_PC_60100_10", "LID_PC_60100_11", "LID_PC_60100_18"}},
    {"Noti_UpdateFailRetry", {"LID_PC_60100_01", "LID_PC_60100_14", "LID_PC_60100_19"}},
    {"Proc_InputAuth", {"LID_PC_60000_01"}},
};

} // namespace

TEST(EngineProfile, FollowsCartalinesSettings)
{
    for (const auto& [settings, action, report] : kProfiles) {
        SCOPED_TRACE(settings);
        testsupport::ScratchDir scratch;
        testsupport::writeFile(scratch.file("appdata/Cartaline/cal.ini"), settings);
        const testsupport::RunResult run = testsupport::run(QCoreApplication::applicationFilePath().toStdString(),
                                                            {"--engine-child", action},
                                                            {"APPDATA=" + scratch.file("appdata")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, std::string("0 ZevanSignatureRegular.ttf ") + report);
    }
}

// Both ends of the region table, only exact and whole codes, and the brand
// fonts that no profile picks.
TEST(EngineTables, CodesMatchExactlyAndWholeAndPickTheFont)
{
    const std::tuple<const char*, int, int> codes[] = {
        {"KR", 0, 0}, {"IN", 10, 0}, {"kr", -1, 0}, {"KR ", -1, 0}, {"ZV", -1, 1}, {"QR", -1, 2}, {"qr", -1, 0}};
    for (const auto& [code, region, brand] : codes) {
        EXPECT_EQ(AppEngine::convertRegionType(QLatin1String(code)), region) << code;
        EXPECT_EQ(AppEngine::convertBrandType(QLatin1String(code)), brand) << code;
    }
    EXPECT_EQ(AppEngine::brandFontUrl(1, QStringLiteral("ar")), QStringLiteral("qrc:/Resource/fonts/ZevanSignatureRegular.ttf"));
    EXPECT_EQ(AppEngine::brandFontUrl(2, QStringLiteral("ko")), QStringLiteral("qrc:/Resource/fonts/QuorraSansHead-Regular.otf"));
}

// Each scene follows a switch of the language in place: the texts stay
// inside the window, off one another and off the buttons. The confirm button
// wears the brand's image (Jortel's for a brand outside the table). ar_ME
// turns the button row and the download bar around, nothing else (that it
// leaves the application as it is the engine's profiles show).
TEST(Scenes, ScenesFollowTheLanguageInPlace)
{
    for (const auto& [brand, letter] : {std::pair{0, "j"}, std::pair{1, "z"}, std::pair{2, "q"}, std::pair{5, "j"}}) {
        for (const auto& [scene, ids] : kSceneTexts) {
            useProfile(brand, "de_DE");
            QQuickWindow* window = show(scene);
            for (const auto& [locale, mirrored] : {std::pair{"ar_ME", true}, std::pair{"de_DE", false}}) {
                useProfile(brand, locale);
                ASSERT_TRUE(window && loadedScene() == window) << scene;
                SCOPED_TRACE(std::string(scene) + " " + locale + " brand " + std::to_string(brand));
                QQuickItem* title = child(window, "title");
                expectText(title, ids.front());
                EXPECT_LE(title->property("contentWidth").toReal(), 460);
                qreal previousBottom = title->y() + title->property("contentHeight").toReal();
                for (std::size_t i = 1; i < ids.size(); ++i) {
                    QQuickItem* body = child(window, ids[i]);
                    ASSERT_TRUE(body);
                    expectText(body, ids[i]);
                    // Vertically centred and bottom-aligned texts start lower in their box;
                    // the spacing that a line height above 1 adds below a line may overlap.
                    const qreal height = body->property("contentHeight").toReal();
                    const qreal top = body->property("verticalAlignment").toInt() == Qt::AlignTop
                                          ? body->y()
                                          : body->y() + body->height() - height;
                    EXPECT_GE(top + 4, previousBottom) << ids[i] << " overlaps the text above";
                    EXPECT_LE(body->property("contentWidth").toReal(), 461) << ids[i];
                    previousBottom = top + height;
                }
                EXPECT_LE(previousBottom, 187) << "runs into the buttons";
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
// with 0, and opens nothing; the link opens the customer-centre page and the
// run goes on. No click changes the scene (a retry would).
TEST(Scenes, NoticeClicksEndTheRunOrOpenThePage)
{
    const std::tuple<const char*, const char*, const char*> clicks[] = { // the address the browser was given
        {"Noti_NoNetworkConnection", "confirmButton", ""}, {"Noti_NoUpdateFile", "confirmButton", ""},
        {"Noti_UpdateStopped", "confirmButton", ""}, {"Noti_UpdateFailRetry", "cancelButton", ""},
        {"Noti_NoUpdateFile", "linkArea", "http://www.zevan.example.com/US/en/csCenter"}};
    useProfile(1, "en_US");
    SceneController::getInstance()->setRegionType(1);
    // A browser stand-in first in PATH records the address it is given.
    const testsupport::ScratchDir bin;
    const std::string record = bin.file("opened");
    testsupport::writeFile(bin.file("xdg-open"), "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.part\" && mv \"$0.part\" '" + record + "'\n");
    QFile::setPermissions(QString::fromStdString(bin.file("xdg-open")), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.path()) + ':' + path);
    for (const auto& [scene, target, opened] : clicks) {
        SCOPED_TRACE(std::string(scene) + " " + target);
        const bool ends = !*opened;
        QQuickWindow* window = show(scene);
        ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
        const QPoint at = centreOf(child(window, target));
        QTimer::singleShot(0, window, [&] { QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at); });
        // Gone with the row, so that it cannot end a later row's loop.
        QObject watchdog;
        QTimer::singleShot(ends ? 10000 : 500, &watchdog, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QCoreApplication::exec(), ends ? 0 : 1);
        // The stand-in renames the whole record into place.
        EXPECT_TRUE(QTest::qWaitFor([&] { return testsupport::readFile(record) == opened; }, 20000))
            << testsupport::readFile(record);
        EXPECT_EQ(loadedScene(), window);
    }
    qputenv("PATH", path);
}

// The frame of every scene. The frameless window follows a drag on its
// background. The tuning keys go to the scene window shown at that moment,
// activated first as a user's click would; which scene each step shows,
// where the steps stop and that outside the tuning mode they do nothing is
// the controller's business.
TEST(Scenes, FrameFollowsADragAndTheTuningKeys)
{
    useProfile(2, "de_DE");
    QQuickWindow* window = show("Noti_NoNetworkConnection");
    ASSERT_TRUE(window && QTest::qWaitForWindowExposed(window));
    const QPoint from(40, 230), start = window->position();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(window, from + QPoint(30, 20));
    // The window followed the mouse, so the release is where the press was.
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_EQ(window->position() - start, QPoint(30, 20));

    const Qt::KeyboardModifiers toggle = Qt::ControlModifier | Qt::ShiftModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> presses[] = {
        {Qt::Key_PageUp, {}, 1}, {Qt::Key_PageDown, {}, 0}, {Qt::Key_F9, toggle, -1}, {Qt::Key_F9, toggle, 0}};
    SceneController::getInstance()->setTuningScene(0);
    messages.clear();
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
    // Leaving the mode ends the run.
    EXPECT_EQ(messages.filter(QStringLiteral("SceneController::sendFinishComplete")).size(), 1);
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
    qInstallMessageHandler(collectMessages);
    AppEngine::getInstance()->initialize(&app);
    const int result = RUN_ALL_TESTS();
    AppEngine::getInstance()->shutdown();
    // A warning anywhere, the engine's start included, fails the run.
    std::cerr << warnings.join(QLatin1Char('\n')).toStdString();
    return warnings.isEmpty() ? result : 1;
}
