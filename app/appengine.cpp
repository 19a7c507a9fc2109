// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "appengine.h"

#include "deflanguages.h"
#include "qmllogger.h"
#include "scenecontroller.h"
#include "scenetables.h"
#include "systemservice.h"
#include "writelog.h"

#include <QFile>
#include <QGuiApplication>
#include <QMessageLogger>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTranslator>
#include <QUrl>
#include <qqml.h>

#include <string>

namespace {

// Exact, case-sensitive match of the whole code; -1 for none.
int indexOfCode(const QString& code, const char* const* codes, int count)
{
    for (int i = 0; i < count; ++i) {
        if (code == QLatin1String(codes[i]))
            return i;
    }
    return -1;
}

std::string readCommonSetting(const SystemService& settings, CalKey key)
{
    std::string value;
    settings.getCalINI(key, value, CAL_SECTION_COMMON);
    return value;
}

} // namespace

AppEngine* AppEngine::getInstance()
{
    static AppEngine* instance = nullptr;
    if (!instance)
        instance = new AppEngine();
    return instance;
}

// The string table and the logger come before the scene controller, so
// that the start-up's log lines keep their order.
AppEngine::AppEngine()
{
    m_DefLanguages = DefLanguages::getInstance();
    m_QmlLogger = QmlLogger::getInstance();
    m_SceneController = SceneController::getInstance();
    m_SceneController->initialize();
}

AppEngine::~AppEngine() = default;

void AppEngine::initialize(QGuiApplication* app)
{
    writeLog(LOG_INFO, "AppEngine::initialize", "CalUpdate AppEngine initialize");
    m_App = app;
    m_Engine = std::make_unique<QQmlEngine>();
    m_Component = std::make_unique<QQmlComponent>(m_Engine.get());

    connect(m_SceneController, &SceneController::languageChanged, this, &AppEngine::changeLanguage);

    publishToQml(*m_Engine);

    m_SystemService = std::make_unique<SystemService>();
    m_Translator = std::make_unique<QTranslator>();

    writeLogMessage(LOG_INFO, "AppEngine::loadUserProfileInfo", "");
    loadUserProfileConfig();
    loadFontInfo();

    // Only the bare "ar" turns the whole application around; "ar_ME" scenes
    // mirror their own rows and bars through nLayoutMirroringEnabled.
    const QString language = m_SceneController->getCurrentLanguage();
    if (language == QLatin1String("ar")) {
        writeLog(LOG_INFO, "AppEngine::initialize", "Right to Left");
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }
    changeLanguage(language);

    m_Component->loadUrl(QUrl(QString::fromLatin1(scene::kLoaderUrl)));
    if (m_Component->isReady())
        m_RootObject.reset(m_Component->create(nullptr));
    else
        QMessageLogger().warning("%s", qUtf8Printable(m_Component->errorString()));
}

void AppEngine::publishToQml(QQmlEngine& engine)
{
    qmlRegisterUncreatableMetaObject(scene::staticMetaObject, "Wrenhop", 1, 0, "Brand",
                                     QStringLiteral("Brand holds only the brand numbers"));
    QQmlContext* context = engine.rootContext();
    context->setContextProperty(QStringLiteral("SceneController"), SceneController::getInstance());
    context->setContextProperty(QStringLiteral("idString"), DefLanguages::getInstance());
    context->setContextProperty(QStringLiteral("QmlLogger"), QmlLogger::getInstance());
}

int AppEngine::exec()
{
    if (!m_App)
        return 0;
    return QGuiApplication::exec();
}

void AppEngine::changeLanguage(QString langValue)
{
    writeLog(LOG_INFO, "AppEngine::changeLanguage", "AppEngine::changeLanguage() => %s ", qUtf8Printable(langValue));
    setLanguageMode(langValue);
}

bool AppEngine::setLanguageMode(QString language)
{
    const char* const function = "AppEngine::setLanguageMode";
    const QString path = QStringLiteral(":/translations/wrenhop_") + language + QStringLiteral(".qm");
    const QByteArray pathText = path.toUtf8();
    writeLog(LOG_INFO, function, "Start resourcePath => %s ", pathText.constData());

    QCoreApplication::removeTranslator(m_Translator.get());
    writeLog(LOG_INFO, function, "removeTranslator succeess => %s ", pathText.constData());
    writeLogMessage(LOG_INFO, function, QFile::exists(path) ? "exists" : "Not exists");

    // A missing file leaves the translator empty: the texts show their ids.
    (void)m_Translator->load(path, QString(), QString(), QString());
    QCoreApplication::installTranslator(m_Translator.get());

    writeLog(LOG_INFO, function, " getCurrentLanguageValue => [ %d ] ", m_SceneController->getCurrentLanguageValue());
    m_SceneController->setCurrentLanguage(language);
    writeLog(LOG_INFO, function, "m_Translator.load Succsee => [ %s ]", qUtf8Printable(language));
    emit m_DefLanguages->languageChanged();
    return true;
}

int AppEngine::convertBrandType(const QString& brand)
{
    // The default "0" and anything unknown: Jortel.
    const int index = indexOfCode(brand, scene::kBrandCodes, scene::NoBrand);
    return index < 0 ? scene::Jortel : index;
}

int AppEngine::convertRegionType(const QString& region)
{
    return indexOfCode(region, scene::kRegionCodes, scene::kRegionCount);
}

QString AppEngine::brandFontUrl(int brandType, const QString& language)
{
    switch (brandType) {
    case scene::Zevan:
        return QString::fromLatin1(language == QLatin1String("ar_ME") ? scene::kArabicFontUrl : scene::kZevanFontUrl);
    case scene::Quorra:
        return QString::fromLatin1(language == QLatin1String("ko_KR") ? scene::kQuorraKoreanFontUrl
                                                                      : scene::kQuorraFontUrl);
    default:
        return QString::fromLatin1(scene::kJortelFontUrl);
    }
}

void AppEngine::shutdown()
{
    if (m_Translator)
        QCoreApplication::removeTranslator(m_Translator.get());
    m_RootObject.reset();
    m_Component.reset();
    m_Engine.reset();
    m_Translator.reset();
    m_App = nullptr;
}

QObject* AppEngine::rootObject() const
{
    return m_RootObject.get();
}

void AppEngine::loadUserProfileConfig()
{
    const char* const function = "AppEngine::loadUserProfileConfig";
    writeLogMessage(LOG_INFO, function, "");

    const std::string region = readCommonSetting(*m_SystemService, CAL_KEY_REGION);
    writeLog(LOG_INFO, function, " Region [ %s ]", region.c_str());
    m_SceneController->setRegionType(convertRegionType(QString::fromStdString(region)));

    const std::string brand = readCommonSetting(*m_SystemService, CAL_KEY_BRAND);
    m_SceneController->setBrandType(convertBrandType(QString::fromStdString(brand)));

    const std::string language = readCommonSetting(*m_SystemService, CAL_KEY_CURRENT_LANGUAGE);
    writeLog(LOG_INFO, function, " CurrentLanguage [ %s ]", language.c_str());
    m_SceneController->setCurrentLanguage(language.empty() ? QStringLiteral("ko_KR") : QString::fromStdString(language));
    m_SceneController->setLayoutMirroringEnabled(language == "ar_ME");
}

// Chosen once: a later language switch keeps the start-up font.
void AppEngine::loadFontInfo()
{
    m_SceneController->setRefFontInfo(QString::fromLatin1(scene::kReferenceFontUrl));
    m_SceneController->setFontInfo(brandFontUrl(m_SceneController->getBrandType(), m_SceneController->getCurrentLanguage()));
}
