// SPDX-License-Identifier: LicenseRef-Wrenhop
#include "scenecontroller.h"

#include "processutils.h"
#include "scenetables.h"
#include "writelog.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>

#include <iterator>
#include <utility>

namespace {

// Indexed by brand number.
const char* const kBrandWebHosts[] = {
    "www.jortel.example.com",
    "www.zevan.example.com",
    "www.quorra.example.com",
};
static_assert(static_cast<int>(std::size(kBrandWebHosts)) == scene::NoBrand);

} // namespace

SceneController* SceneController::getInstance()
{
    // Created on the GUI thread before any worker exists, hence no lock; the
    // instance lives until the process ends.
    static SceneController* instance = nullptr;
    if (!instance) {
        instance = new SceneController();
        writeLog(LOG_INFO, "SceneController::getInstance", "New SceneController Start ...");
    }
    return instance;
}

SceneController::SceneController()
    : QObject(nullptr)
{
    writeLog(LOG_INFO, "SceneController::SceneController", "...");
    setFontInfo(QString::fromLatin1(scene::kJortelFontUrl));
    mTuningSceneIndex = -1;
    mVectorTuningSceneQmlUrl.clear();
    for (const char* url : {scene::kDownloadingUrl, scene::kNoNetworkUrl, scene::kNoUpdateFileUrl,
                            scene::kUpdateStoppedUrl, scene::kFailRetryUrl})
        mVectorTuningSceneQmlUrl.append(QString::fromLatin1(url));
    writeLog(LOG_INFO, "SceneController::SceneController", "mVectorTuningSceneQmlUrl size:%d",
             static_cast<int>(mVectorTuningSceneQmlUrl.size()));
}

void SceneController::setRetryHook(RetryHook hook)
{
    mRetryHook = std::move(hook);
}

QString SceneController::getLanguageCode(int languageValue)
{
    switch (languageValue) {
    case 0: return QStringLiteral("en");
    case 1: return QStringLiteral("e1");
    case 2: return QStringLiteral("ko");
    case 3: return QStringLiteral("ar");
    case 4: return QStringLiteral("es");
    case 5: return QStringLiteral("e2");
    case 6: return QStringLiteral("pt");
    case 7: return QStringLiteral("pt");
    case 8: return QStringLiteral("f1");
    case 9: return QStringLiteral("fr");
    case 12: return QStringLiteral("de");
    case 13: return QStringLiteral("it");
    case 17: return QStringLiteral("ru");
    case 21: return QStringLiteral("tr");
    default: return QStringLiteral("nil");
    }
}

QString SceneController::getRegionCode(int regionType)
{
    if (regionType < 0 || regionType >= scene::kRegionCount)
        return QString();
    return QString::fromLatin1(scene::kRegionCodes[regionType]);
}

QString SceneController::getSceneQmlUrl() const { return mSceneQmlUrl; }

void SceneController::setSceneQmlUrl(const QString& sceneQmlUrl)
{
    mSceneQmlUrl = sceneQmlUrl;
    emit sceneQmlUrlChanged();
}

QString SceneController::getCurrentLanguage() const { return mCurrentLanguage; }

void SceneController::setCurrentLanguage(const QString& currentLanguage)
{
    mCurrentLanguage = currentLanguage;
    emit currentLanguageChanged();
}

int SceneController::getCurrentLanguageValue() const { return mCurrentLanguageValue; }

void SceneController::setCurrentLanguageValue(int currentLanguageValue)
{
    mCurrentLanguageValue = currentLanguageValue;
    emit currentLanguageValueChanged();
}

QString SceneController::getRefFontInfo() const { return mRefFontInfo; }

void SceneController::setRefFontInfo(const QString& refFontInfo)
{
    mRefFontInfo = refFontInfo;
    emit refFontInfoChanged();
}

QString SceneController::getFontInfo() const { return mFontInfo; }

void SceneController::setFontInfo(const QString& fontInfo)
{
    mFontInfo = fontInfo;
    emit fontInfoChanged();
}

int SceneController::getBrandType() const { return mBrandType; }

void SceneController::setBrandType(int brandType)
{
    mBrandType = brandType;
    emit brandChanged();
}

int SceneController::getRegionType() const { return mRegionType; }

void SceneController::setRegionType(int regionType)
{
    mRegionType = regionType;
    emit regionChanged();
}

bool SceneController::getLayoutMirroringEnabled() const { return mLayoutMirroringEnabled; }

void SceneController::setLayoutMirroringEnabled(bool layoutMirroringEnabled)
{
    mLayoutMirroringEnabled = layoutMirroringEnabled;
    emit layoutMirroringEnabledChanged();
}

int SceneController::getDownloadProgressBar() const { return mDownloadProgressBar; }

void SceneController::setDownloadProgressBar(int downloadProgressBar)
{
    mDownloadProgressBar = downloadProgressBar;
    emit downloadProgressBarChanged();
}

int SceneController::getInstallProgressBar() const { return mInstallProgressBar; }

void SceneController::setInstallProgressBar(int installProgressBar)
{
    mInstallProgressBar = installProgressBar;
    emit installProgressBarChanged();
}

const QVector<QString>& SceneController::tuningSceneQmlUrls() const
{
    return mVectorTuningSceneQmlUrl;
}

void SceneController::initialize()
{
    writeLog(LOG_INFO, "SceneController::initialize", "SceneController::initialize => Start");
}

void SceneController::sendFinishComplete()
{
    writeLog(LOG_INFO, "SceneController::sendFinishComplete", "SceneController::sendFinishComplete");
    QCoreApplication::quit();
}

QString SceneController::sendOpenUrlRequest(int urlType)
{
    QString url;
    const int regionType = mRegionType;
    const int brandType = mBrandType;
    const int languageValue = mCurrentLanguageValue;
    writeLog(LOG_INFO, "SceneController::sendOpenUrlRequest", "Start => [ %d ]", urlType);

    if (urlType == 0 || urlType == 1) {
        if (brandType >= 0 && brandType < scene::NoBrand) {
            const char* const path = urlType == 0 ? "/%1/%2/updateGuide/01" : "/%1/%2/csCenter";
            url = QStringLiteral("http://") + QString::fromLatin1(kBrandWebHosts[brandType]) + QString::fromLatin1(path);
        }
    } else {
        url = QStringLiteral("http://");
    }
    // QString::arg warns about a template without placeholders, so only
    // substitute where the template has them; the text is the same either way.
    if (url.contains(QLatin1String("%1")))
        url = url.arg(getRegionCode(regionType), getLanguageCode(languageValue));

    const std::string url8 = url.toStdString();
    writeLog(LOG_INFO, "SceneController::sendOpenUrlRequest", "Start => [ %s ]", url8.c_str());
    ProcessUtils::openURL(url8);
    return url;
}

void SceneController::sendRetryUpdate()
{
    writeLog(LOG_INFO, "SceneController::sendRetryUpdate", "SceneController::sendRetryUpdate");
    setSceneQmlUrl(QString::fromLatin1(scene::kDownloadingUrl));
    if (mRetryHook)
        mRetryHook();
}

int SceneController::getTuningSceneIndex()
{
    return mTuningSceneIndex;
}

void SceneController::setTuningSceneIndex(int tuningSceneIndex)
{
    mTuningSceneIndex = tuningSceneIndex;
    emit tuningSceneIndexChanged();
}

void SceneController::setTuningScene(int tuningSceneIndex)
{
    const int lastIndex = static_cast<int>(mVectorTuningSceneQmlUrl.size()) - 1;
    if (tuningSceneIndex < 0 || tuningSceneIndex > lastIndex)
        return;
    mTuningSceneIndex = tuningSceneIndex;
    setSceneQmlUrl(mVectorTuningSceneQmlUrl.at(mTuningSceneIndex));
}

void SceneController::setNextTuningScene()
{
    const int lastIndex = static_cast<int>(mVectorTuningSceneQmlUrl.size()) - 1;
    if (mTuningSceneIndex < 0 || mTuningSceneIndex >= lastIndex)
        return;
    ++mTuningSceneIndex;
    setSceneQmlUrl(mVectorTuningSceneQmlUrl.at(mTuningSceneIndex));
}

void SceneController::setPrevTuningScene()
{
    const int lastIndex = static_cast<int>(mVectorTuningSceneQmlUrl.size()) - 1;
    if (mTuningSceneIndex < 1 || mTuningSceneIndex > lastIndex)
        return;
    --mTuningSceneIndex;
    setSceneQmlUrl(mVectorTuningSceneQmlUrl.at(mTuningSceneIndex));
}

int SceneController::getStringWidth(QString srcString, int fontPixelSize, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(fontPixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return QFontMetrics(font).horizontalAdvance(srcString, -1);
}
