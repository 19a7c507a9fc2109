// SPDX-License-Identifier: LicenseRef-Wrenhop
// Owns the presentation: the QML engine with its context objects, the user's
// profile from Cartaline's settings, the brand font, the translator and the
// loader window.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class DefLanguages;
class QGuiApplication;
class QQmlComponent;
class QQmlEngine;
class QTranslator;
class QmlLogger;
class SceneController;
class SystemService;

class AppEngine : public QObject
{
    Q_OBJECT
public:
    // Created without parent on the first call and never destroyed.
    static AppEngine* getInstance();
    ~AppEngine() override;

    // Builds the presentation and opens the loader window. Once, on the GUI
    // thread; a root component that does not load only warns.
    void initialize(QGuiApplication* app);

    // Gives an engine what the scenes read: the brand numbers and the
    // context objects SceneController, idString and QmlLogger.
    static void publishToQml(QQmlEngine& engine);

    // The application's event loop; 0 at once when initialize never ran.
    int exec();

    // Installs the translation of a locale such as "de_DE" and refreshes every
    // text; a locale without a file leaves the texts as their ids.
    bool setLanguageMode(QString language);

    static int convertBrandType(const QString& brand);
    static int convertRegionType(const QString& region);
    static QString brandFontUrl(int brandType, const QString& language);

    // Closes the windows and frees the QML engine and the translator; for
    // the end of main, once the event loop has returned.
    void shutdown();

    // The loader window, or null when the root component failed to load.
    QObject* rootObject() const;

public slots:
    void changeLanguage(QString langValue);

private:
    AppEngine();

    void loadUserProfileConfig();
    void loadFontInfo();

    QGuiApplication* m_App = nullptr;
    std::unique_ptr<QQmlEngine> m_Engine;
    std::unique_ptr<QQmlComponent> m_Component;
    std::unique_ptr<SystemService> m_SystemService;
    std::unique_ptr<QTranslator> m_Translator;
    SceneController* m_SceneController = nullptr;
    DefLanguages* m_DefLanguages = nullptr;
    QmlLogger* m_QmlLogger = nullptr;
    std::unique_ptr<QObject> m_RootObject; // destroyed before the engine
};
