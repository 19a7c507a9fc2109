// SPDX-License-Identifier: LicenseRef-Wrenhop
// wrenhop-scenesheet [folder] [locale...]
// Renders each scene for each brand and locale into <folder>/<brand>_<locale>_<scene>.png
// and a contact sheet per brand, <folder>/sheet_<brand>.png. Run offscreen
// with QT_QUICK_BACKEND=software or under xvfb-run -a.
#include "appengine.h"
#include "deflanguages.h"
#include "scenecontroller.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <iterator>
#include <memory>
#include <vector>

namespace {

const char* const kSceneUrls[] = {
    scene::kDownloadingUrl, scene::kInstallingUrl, scene::kNoNetworkUrl, scene::kNoUpdateFileUrl,
    scene::kUpdateStoppedUrl, scene::kFailRetryUrl, scene::kInputAuthUrl,
};

struct Brand {
    int index;
    const char* name;
};
const Brand kBrands[] = {{scene::Jortel, "jortel"}, {scene::Zevan, "zevan"}, {scene::Quorra, "quorra"}};

int warningCount = 0;

void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        ++warningCount;
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    }
}

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QImage render(QQmlEngine& engine, const QUrl& sceneUrl)
{
    QQmlComponent component(&engine, sceneUrl);
    std::unique_ptr<QObject> object(component.create());
    auto* window = qobject_cast<QQuickWindow*>(object.get());
    if (!window) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(sceneUrl.toString()), qUtf8Printable(component.errorString()));
        return {};
    }
    SceneController::getInstance()->setDownloadProgressBar(40);
    SceneController::getInstance()->setInstallProgressBar(70);
    window->requestActivate();
    settle(150);
    return window->screen()->grabWindow(window->winId()).toImage();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    qInstallMessageHandler(countWarnings);

    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("scenesheet");
    QStringList locales;
    for (int i = 2; i < argc; ++i)
        locales << QString::fromLocal8Bit(argv[i]);
    if (locales.isEmpty())
        locales = QStringList{QStringLiteral("ko_KR"), QStringLiteral("en_US"), QStringLiteral("de_DE"),
                              QStringLiteral("ar_ME"), QStringLiteral("ru_RU"), QStringLiteral("el_GR")};
    QDir().mkpath(folder);

    SceneController* controller = SceneController::getInstance();
    QQmlEngine engine;
    AppEngine::publishToQml(engine);
    controller->setRefFontInfo(QString::fromLatin1(scene::kReferenceFontUrl));

    const int sceneCount = static_cast<int>(std::size(kSceneUrls));
    for (const Brand& brand : kBrands) {
        QImage sheet(500 * sceneCount, 250 * locales.size(), QImage::Format_ARGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int row = 0; row < locales.size(); ++row) {
            const QString& locale = locales[row];
            QTranslator translator;
            if (!translator.load(QStringLiteral(":/translations/wrenhop_") + locale + QStringLiteral(".qm")))
                std::fprintf(stderr, "no translation for %s\n", qUtf8Printable(locale));
            QCoreApplication::installTranslator(&translator);
            controller->setBrandType(brand.index);
            controller->setCurrentLanguage(locale);
            controller->setLayoutMirroringEnabled(locale == QLatin1String("ar_ME"));
            controller->setFontInfo(AppEngine::brandFontUrl(brand.index, locale));
            emit DefLanguages::getInstance()->languageChanged();

            for (int column = 0; column < sceneCount; ++column) {
                const QUrl url(QString::fromLatin1(kSceneUrls[column]));
                const QString name = url.fileName().chopped(4); // without ".qml"
                const QImage image = render(engine, url);
                const QString file = QStringLiteral("%1/%2_%3_%4.png").arg(folder, QLatin1String(brand.name), locale, name);
                if (image.isNull() || !image.save(file)) {
                    std::fprintf(stderr, "could not write %s\n", qUtf8Printable(file));
                    ++warningCount;
                    continue;
                }
                painter.drawImage(500 * column, 250 * row, image);
            }
            QCoreApplication::removeTranslator(&translator);
        }
        painter.end();
        sheet.save(QStringLiteral("%1/sheet_%2.png").arg(folder, QLatin1String(brand.name)));
    }
    std::printf("%d warnings\n", warningCount);
    return warningCount == 0 ? 0 : 1;
}
