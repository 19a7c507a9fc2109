// SPDX-License-Identifier: LicenseRef-Wrenhop
// The QML scenes as the program embeds them: each loads without a single
// warning, shows its texts and brand images, mirrors for ar_ME, and answers
// the mouse and the tuning keys.
#include "appengine.h"
#include "deflanguages.h"
#include "qmllogger.h"
#include "scenecontroller.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

QStringList messages;
QStringList warnings;

void collectMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    messages << message;
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

// A profile as the engine would set it, with its translation installed.
class Profile
{
public:
    Profile(int brand, const QString& locale)
    {
        SceneController* controller = SceneController::getInstance();
        EXPECT_TRUE(mTranslator.load(QStringLiteral(":/translations/wrenhop_") + locale + QStringLiteral(".qm")));
        QCoreApplication::installTranslator(&mTranslator);
        controller->setBrandType(brand);
        controller->setCurrentLanguage(locale);
        controller->setLayoutMirroringEnabled(locale == QLatin1String("ar_ME"));
        controller->setRefFontInfo(QStringLiteral("qrc:/Resource/fonts/ZevanSignatureRegular.ttf"));
        controller->setFontInfo(AppEngine::brandFontUrl(brand, locale));
        emit DefLanguages::getInstance()->languageChanged();
    }
    ~Profile() { QCoreApplication::removeTranslator(&mTranslator); }

private:
    QTranslator mTranslator;
};

class SceneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        messages.clear();
        warnings.clear();
        mEngine.rootContext()->setContextProperty(QStringLiteral("SceneController"), SceneController::getInstance());
        mEngine.rootContext()->setContextProperty(QStringLiteral("idString"), DefLanguages::getInstance());
        mEngine.rootContext()->setContextProperty(QStringLiteral("QmlLogger"), QmlLogger::getInstance());
        SceneController::getInstance()->setTuningSceneIndex(-1);
    }

    void TearDown() override { EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString(); }

    std::unique_ptr<QQuickWindow> load(const QString& scene)
    {
        QQmlComponent component(&mEngine, QUrl(QStringLiteral("qrc:/qml/") + scene + QStringLiteral(".qml")));
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.create()));
        EXPECT_TRUE(window) << component.errorString().toStdString();
        return window;
    }

    QQmlEngine mEngine;
};

QQuickItem* child(QQuickWindow* window, const char* name)
{
    auto* item = window->findChild<QQuickItem*>(QLatin1String(name));
    EXPECT_TRUE(item) << name;
    return item;
}

QString text(QQuickWindow* window, const char* name)
{
    QQuickItem* item = child(window, name);
    return item ? item->property("text").toString() : QString();
}

QString translated(const char* id)
{
    return DefLanguages::getInstance()->property(id).toString();
}

QPoint centreOf(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

struct SceneTexts {
    const char* scene;
    std::vector<const char*> ids; // the title first
};

const SceneTexts kSceneTexts[] = {
    {"Proc_Downloading", {"LID_PC_60000_01", "LID_PC_60000_02"}},
    {"Proc_Installing", {"LID_PC_60000_01", "LID_PC_60000_02"}},
    {"Noti_NoNetworkConnection", {"LID_PC_60100_01", "LID_PC_60100_02", "LID_PC_60100_03"}},
    {"Noti_NoUpdateFile", {"LID_PC_60100_01", "LID_PC_60100_06", "LID_PC_60100_07", "LID_PC_60100_17", "LID_PC_60100_08"}},
    {"Noti_UpdateStopped", {"LID_PC_60100_10", "LID_PC_60100_11", "LID_PC_60100_18"}},
    {"Noti_UpdateFailRetry", {"LID_PC_60100_01", "LID_PC_60100_14", "LID_PC_60100_19"}},
    {"Proc_InputAuth", {"LID_PC_60000_01"}},
};

struct SceneCase {
    const SceneTexts* scene;
    int brand;
    const char* locale;
};

void PrintTo(const SceneCase& row, std::ostream* out)
{
    *out << row.scene->scene << " brand " << row.brand << " " << row.locale;
}

std::vector<SceneCase> sceneCases()
{
    std::vector<SceneCase> cases;
    const std::pair<int, const char*> profiles[] = {{0, "ko_KR"}, {1, "ar_ME"}, {2, "de_DE"}, {2, "ko_KR"}, {5, "ru_RU"}};
    for (const SceneTexts& scene : kSceneTexts) {
        for (const auto& [brand, locale] : profiles)
            cases.push_back({&scene, brand, locale});
    }
    return cases;
}

class SceneLoad : public SceneTest, public ::testing::WithParamInterface<SceneCase>
{
};

} // namespace

TEST_P(SceneLoad, ShowsItsTextsInTheBrandFontAndImages)
{
    const SceneCase& row = GetParam();
    const Profile profile(row.brand, QLatin1String(row.locale));
    const auto window = load(QLatin1String(row.scene->scene));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->size(), QSize(500, 250));
    EXPECT_TRUE(window->flags().testFlag(Qt::FramelessWindowHint));

    EXPECT_EQ(text(window.get(), "title"), translated(row.scene->ids.front()));
    for (std::size_t i = 1; i < row.scene->ids.size(); ++i) {
        QQuickItem* body = child(window.get(), row.scene->ids[i]);
        ASSERT_TRUE(body);
        EXPECT_EQ(body->property("text").toString(), translated(row.scene->ids[i]));
        EXPECT_LE(body->y() + body->property("contentHeight").toReal(), 187) << row.scene->ids[i] << " runs into the buttons";
    }

    const QString letter = row.brand == 1 ? QStringLiteral("z") : row.brand == 2 ? QStringLiteral("q") : QStringLiteral("j");
    if (auto* confirm = window->findChild<QQuickItem*>(QStringLiteral("confirmButton"))) {
        EXPECT_EQ(confirm->property("source").toUrl(),
                  QUrl(QStringLiteral("qrc:/Resource/image/btn_update02_%1_n.png").arg(letter)));
        EXPECT_EQ(confirm->property("text").toString(), translated("LID_PC_60000_05"));
        EXPECT_EQ(confirm->size(), QSizeF(144, 34));
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, SceneLoad, ::testing::ValuesIn(sceneCases()),
                         [](const ::testing::TestParamInfo<SceneCase>& info) {
                             return std::string(info.param.scene->scene) + "_brand" + std::to_string(info.param.brand) +
                                    "_" + info.param.locale;
                         });

const char* const kLocales[] = {
    "ar_ME", "bg_BG", "cs_CZ", "da_DK", "de_DE", "el_GR", "en_UK", "en_US", "es_EU", "et_EE",
    "fi_FI", "fr_CA", "fr_EU", "hr_HR", "hu_HU", "it_IT", "ko_KR", "lt_LT", "lv_LV", "nb_NO",
    "nl_NL", "pl_PL", "pt_PT", "ro_RO", "ru_RU", "sk_SK", "sl_SI", "sv_SE", "tr_TR", "uk_UA",
};

class SceneLayout : public SceneTest, public ::testing::WithParamInterface<const char*>
{
};

// Fitted texts keep to one title line, stay inside the window, keep off one
// another and off the buttons, in every brand.
TEST_P(SceneLayout, TextsFitInEveryBrand)
{
    for (int brand = 0; brand < 3; ++brand) {
        const Profile profile(brand, QLatin1String(GetParam()));
        for (const SceneTexts& scene : kSceneTexts) {
            const auto window = load(QLatin1String(scene.scene));
            ASSERT_TRUE(window);
            const std::string where = std::string(scene.scene) + " brand " + std::to_string(brand);
            QQuickItem* title = child(window.get(), "title");
            EXPECT_EQ(title->property("lineCount").toInt(), 1) << where;
            EXPECT_LE(title->property("contentWidth").toReal(), 460) << where;
            qreal previousBottom = title->y() + title->property("contentHeight").toReal();
            for (std::size_t i = 1; i < scene.ids.size(); ++i) {
                QQuickItem* body = child(window.get(), scene.ids[i]);
                // Vertically centred and bottom-aligned texts start lower in their box;
                // the spacing that a line height above 1 adds below a line may overlap.
                const qreal height = body->property("contentHeight").toReal();
                const qreal top = body->property("verticalAlignment").toInt() == Qt::AlignTop
                                      ? body->y()
                                      : body->y() + body->height() - height;
                EXPECT_GE(top + 4, previousBottom) << where << " " << scene.ids[i] << " overlaps the text above";
                EXPECT_LE(body->property("contentWidth").toReal(), 461) << where << " " << scene.ids[i];
                previousBottom = top + height;
            }
            EXPECT_LE(previousBottom, 187) << where << " runs into the buttons";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, SceneLayout, ::testing::ValuesIn(kLocales),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(SceneTest, ArabicMirrorsTheButtonRowAndTheDownloadBarOnly)
{
    const Profile profile(1, QStringLiteral("ar_ME"));
    const auto retry = load(QStringLiteral("Noti_UpdateFailRetry"));
    ASSERT_TRUE(retry);
    EXPECT_GT(centreOf(child(retry.get(), "confirmButton")).x(), centreOf(child(retry.get(), "cancelButton")).x());
    EXPECT_EQ(child(retry.get(), "cancelButton")->property("source").toUrl(),
              QUrl(QStringLiteral("qrc:/Resource/image/btn_updatecancel_n.png")));

    const auto downloading = load(QStringLiteral("Proc_Downloading"));
    EXPECT_EQ(child(downloading.get(), "progressBar")->scale(), -1);
    const auto installing = load(QStringLiteral("Proc_Installing"));
    EXPECT_EQ(child(installing.get(), "progressBar")->scale(), 1);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_F(SceneTest, LeftToRightKeepsConfirmLeftOfCancel)
{
    const Profile profile(0, QStringLiteral("en_US"));
    const auto retry = load(QStringLiteral("Noti_UpdateFailRetry"));
    ASSERT_TRUE(retry);
    EXPECT_LT(centreOf(child(retry.get(), "confirmButton")).x(), centreOf(child(retry.get(), "cancelButton")).x());
    EXPECT_EQ(child(load(QStringLiteral("Proc_Downloading")).get(), "progressBar")->scale(), 1);
}

TEST_F(SceneTest, ProgressBarsFollowOnlyTheirOwnSignal)
{
    const Profile profile(0, QStringLiteral("en_US"));
    SceneController* controller = SceneController::getInstance();
    const auto downloading = load(QStringLiteral("Proc_Downloading"));
    const auto installing = load(QStringLiteral("Proc_Installing"));
    controller->setDownloadProgressBar(42);
    EXPECT_EQ(child(downloading.get(), "progressBar")->property("value").toInt(), 42);
    EXPECT_EQ(child(installing.get(), "progressBar")->property("value").toInt(), 0);
    controller->setInstallProgressBar(77);
    EXPECT_EQ(child(installing.get(), "progressBar")->property("value").toInt(), 77);
}

// A switch after loading re-reads the texts in place; the scene stays.
TEST_F(SceneTest, LanguageSwitchRetranslatesTheLoadedScene)
{
    auto korean = std::make_unique<Profile>(0, QStringLiteral("ko_KR"));
    const auto window = load(QStringLiteral("Noti_UpdateFailRetry"));
    ASSERT_TRUE(window);
    EXPECT_EQ(text(window.get(), "title"), QStringLiteral("프로그램 업데이트 실패"));
    korean.reset();
    const Profile english(0, QStringLiteral("en_US"));
    EXPECT_EQ(text(window.get(), "title"), QStringLiteral("Failed to Update Program"));
    EXPECT_EQ(child(window.get(), "confirmButton")->property("text").toString(), QStringLiteral("OK"));
}

// The retry button reaches whatever start-up installed as the retry hook.
TEST_F(SceneTest, RetryButtonShowsDownloadingAndCallsTheHook)
{
    const Profile profile(2, QStringLiteral("en_US"));
    SceneController* controller = SceneController::getInstance();
    int retries = 0;
    controller->setRetryHook([&retries] { ++retries; });
    controller->setSceneQmlUrl(QStringLiteral("qrc:/qml/Noti_UpdateFailRetry.qml"));
    const auto window = load(QStringLiteral("Noti_UpdateFailRetry"));
    ASSERT_TRUE(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    QQuickItem* confirm = child(window.get(), "confirmButton");
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centreOf(confirm));
    EXPECT_EQ(retries, 1);
    EXPECT_EQ(controller->getSceneQmlUrl(), QStringLiteral("qrc:/qml/Proc_Downloading.qml"));
    EXPECT_EQ(confirm->property("source").toUrl(), QUrl(QStringLiteral("qrc:/Resource/image/btn_update02_q_p.png")));
    controller->setRetryHook(nullptr);
}

TEST_F(SceneTest, CustomerCentreLinkOpensThePageAndKeepsTheScene)
{
    testsupport::ScratchDir scratch;
    const std::string opened = scratch.file("opened.txt");
    testsupport::writeFile(scratch.file("xdg-open"), "#!/bin/sh\nprintf '%s' \"$1\" > '" + opened + "'\n");
    QFile::setPermissions(QString::fromStdString(scratch.file("xdg-open")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(scratch.path()) + ':' + path);

    const Profile profile(1, QStringLiteral("en_US"));
    SceneController* controller = SceneController::getInstance();
    controller->setRegionType(1);
    controller->setSceneQmlUrl(QStringLiteral("qrc:/qml/Noti_NoUpdateFile.qml"));
    const auto window = load(QStringLiteral("Noti_NoUpdateFile"));
    ASSERT_TRUE(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centreOf(child(window.get(), "linkArea")));

    for (int waits = 0; waits < 100 && !QFile::exists(QString::fromStdString(opened)); ++waits)
        QTest::qWait(50);
    qputenv("PATH", path);
    const std::string url = testsupport::readFile(opened);
    EXPECT_NE(url.find("/US/en/csCenter"), std::string::npos) << url;
    EXPECT_EQ(controller->getSceneQmlUrl(), QStringLiteral("qrc:/qml/Noti_NoUpdateFile.qml"));
}

TEST_F(SceneTest, DraggingTheBackgroundMovesTheWindowButNotOnAButton)
{
    const Profile profile(0, QStringLiteral("en_US"));
    const auto window = load(QStringLiteral("Noti_NoNetworkConnection"));
    ASSERT_TRUE(window);
    window->setPosition(100, 100);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 60));
    QTest::mouseMove(window.get(), QPoint(70, 80));
    // The window has followed the mouse: the cursor is back over (40, 60).
    QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 60));
    EXPECT_EQ(window->position(), QPoint(130, 120));

    const QPoint onButton = centreOf(child(window.get(), "confirmButton"));
    QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, onButton);
    QTest::mouseMove(window.get(), onButton + QPoint(20, 5));
    QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, onButton + QPoint(20, 5));
    EXPECT_EQ(window->position(), QPoint(130, 120));
}

// The loader window shows whatever the controller names; the keys go to the
// scene window shown at that moment, activated first as a user's click would.
TEST_F(SceneTest, TuningKeysStepThroughTheScenesInOrder)
{
    const Profile profile(2, QStringLiteral("de_DE"));
    SceneController* controller = SceneController::getInstance();
    QQmlComponent component(&mEngine, QUrl(QStringLiteral("qrc:/qml/QmlLoader.qml")));
    const std::unique_ptr<QObject> root(component.create());
    ASSERT_TRUE(root) << component.errorString().toStdString();
    QObject* loader = root->findChild<QObject*>(QStringLiteral("sceneLoader"));
    ASSERT_TRUE(loader);

    const auto press = [&](int key, Qt::KeyboardModifiers modifiers) {
        auto* scene = qobject_cast<QQuickWindow*>(loader->property("item").value<QObject*>());
        ASSERT_TRUE(scene);
        // isActive() already holds while the loader window, the scene's
        // transient parent, has the focus; the keys need the scene itself.
        scene->requestActivate();
        for (int waits = 0; waits < 100 && QGuiApplication::focusWindow() != scene; ++waits)
            QTest::qWait(20);
        ASSERT_EQ(QGuiApplication::focusWindow(), scene);
        // Press only: the shortcut replaces the scene, whose window is gone
        // before a release could reach it.
        QTest::keyPress(scene, static_cast<Qt::Key>(key), modifiers);
    };

    controller->setTuningScene(0);
    const auto& scenes = controller->tuningSceneQmlUrls();
    const std::pair<int, int> steps[] = {
        {Qt::Key_PageUp, 1}, {Qt::Key_PageUp, 2}, {Qt::Key_PageUp, 3}, {Qt::Key_PageUp, 4},
        {Qt::Key_PageUp, 4}, {Qt::Key_PageDown, 3}, {Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 1},
        {Qt::Key_PageDown, 0}, {Qt::Key_PageDown, 0},
    };
    for (const auto& [key, index] : steps) {
        press(key, Qt::NoModifier);
        EXPECT_EQ(controller->getTuningSceneIndex(), index);
        EXPECT_EQ(controller->getSceneQmlUrl(), scenes[index]);
        EXPECT_EQ(loader->property("source").toUrl(), QUrl(scenes[index]));
    }

    press(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(controller->getTuningSceneIndex(), -1);
    EXPECT_TRUE(messages.filter(QStringLiteral("Wrenhop UI/UX tuning end and close")).size() == 1);

    controller->setSceneQmlUrl(QStringLiteral("qrc:/qml/Proc_Installing.qml"));
    press(Qt::Key_PageUp, Qt::NoModifier);
    EXPECT_EQ(controller->getSceneQmlUrl(), QStringLiteral("qrc:/qml/Proc_Installing.qml"));
    press(Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(controller->getTuningSceneIndex(), 0);
    EXPECT_EQ(controller->getSceneQmlUrl(), scenes[0]);
}

TEST_F(SceneTest, ShortTextKeepsItsSpacingAndIsLogged)
{
    QQmlComponent component(&mEngine);
    component.setData("import QtQuick 2.9\n"
                      "import 'qrc:/qml/common'\n"
                      "Item {\n"
                      "  QmlUtil { id: util }\n"
                      "  Text { id: one; text: 'A'; font.letterSpacing: 1.5; font.pixelSize: 16 }\n"
                      "  Text { id: many; text: 'Network'; font.pixelSize: 16; font.family: 'DejaVu Sans' }\n"
                      "  Component.onCompleted: { util.normalizeText(one); util.normalizeText(many) }\n"
                      "  property alias oneSpacing: one.font.letterSpacing\n"
                      "  property alias manyWidth: many.paintedWidth\n"
                      "}",
                      QUrl(QStringLiteral("qrc:/qml/test.qml")));
    const Profile profile(0, QStringLiteral("en_US"));
    const std::unique_ptr<QObject> item(component.create());
    ASSERT_TRUE(item) << component.errorString().toStdString();
    EXPECT_DOUBLE_EQ(item->property("oneSpacing").toReal(), 1.5);
    EXPECT_TRUE(messages.filter(QStringLiteral("[qml]idText.text.length(1) is small")).size() == 1) << messages.join('\n').toStdString();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    qInstallMessageHandler(collectMessages);
    return RUN_ALL_TESTS();
}
