// SPDX-License-Identifier: LicenseRef-Wrenhop
// The one object through which the QML scenes and the update workflow meet.
#pragma once

#include "scenetables.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class SceneController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qsSceneQmlUrl READ getSceneQmlUrl WRITE setSceneQmlUrl NOTIFY sceneQmlUrlChanged)
    Q_PROPERTY(QString nCurrentLanguage READ getCurrentLanguage WRITE setCurrentLanguage NOTIFY currentLanguageChanged)
    Q_PROPERTY(int nCurrentLanguageValue READ getCurrentLanguageValue WRITE setCurrentLanguageValue NOTIFY currentLanguageValueChanged)
    Q_PROPERTY(QString nRefFontInfo READ getRefFontInfo WRITE setRefFontInfo NOTIFY refFontInfoChanged)
    Q_PROPERTY(QString nFontInfo READ getFontInfo WRITE setFontInfo NOTIFY fontInfoChanged)
    Q_PROPERTY(int nBrandType READ getBrandType WRITE setBrandType NOTIFY brandChanged)
    Q_PROPERTY(int nRegionType READ getRegionType WRITE setRegionType NOTIFY regionChanged)
    Q_PROPERTY(bool nLayoutMirroringEnabled READ getLayoutMirroringEnabled WRITE setLayoutMirroringEnabled NOTIFY layoutMirroringEnabledChanged)
    Q_PROPERTY(int nDownloadProgressBar READ getDownloadProgressBar WRITE setDownloadProgressBar NOTIFY downloadProgressBarChanged)
    Q_PROPERTY(int nInstallProgressBar READ getInstallProgressBar WRITE setInstallProgressBar NOTIFY installProgressBarChanged)
    Q_PROPERTY(int nTuningSceneIndex READ getTuningSceneIndex WRITE setTuningSceneIndex NOTIFY tuningSceneIndexChanged)

public:
    // Created without parent on the first call (on the GUI thread, before any
    // worker thread exists) and never destroyed.
    static SceneController* getInstance();

    // What sendRetryUpdate runs after switching to the downloading scene:
    // start-up installs a call into the update manager. Without a hook the
    // retry only switches the scene.
    using RetryHook = std::function<void()>;
    void setRetryHook(RetryHook hook);

    // Every setter stores and then emits its signal, also for an unchanged
    // value. Call them on the GUI thread only.
    QString getSceneQmlUrl() const;
    void setSceneQmlUrl(const QString& sceneQmlUrl);
    QString getCurrentLanguage() const;
    void setCurrentLanguage(const QString& currentLanguage);
    int getCurrentLanguageValue() const;
    void setCurrentLanguageValue(int currentLanguageValue);
    QString getRefFontInfo() const;
    void setRefFontInfo(const QString& refFontInfo);
    QString getFontInfo() const;
    void setFontInfo(const QString& fontInfo);
    int getBrandType() const;
    void setBrandType(int brandType);
    int getRegionType() const;
    void setRegionType(int regionType);
    bool getLayoutMirroringEnabled() const;
    void setLayoutMirroringEnabled(bool layoutMirroringEnabled);
    int getDownloadProgressBar() const;
    void setDownloadProgressBar(int downloadProgressBar);
    int getInstallProgressBar() const;
    void setInstallProgressBar(int installProgressBar);

    const QVector<QString>& tuningSceneQmlUrls() const;

signals:
    void sceneQmlUrlChanged();
    void currentLanguageChanged();
    void currentLanguageValueChanged();
    void languageChanged(QString languageId);
    void refFontInfoChanged();
    void fontInfoChanged();
    void brandChanged();
    void regionChanged();
    void layoutMirroringEnabledChanged();
    void downloadProgressBarChanged();
    void installProgressBarChanged();
    void tuningSceneIndexChanged();

public slots:
    void initialize();
    void sendFinishComplete();
    QString sendOpenUrlRequest(int urlType);
    void sendRetryUpdate();
    int getTuningSceneIndex();
    void setTuningSceneIndex(int tuningSceneIndex);
    void setTuningScene(int tuningSceneIndex);
    void setNextTuningScene();
    void setPrevTuningScene();
    int getStringWidth(QString srcString, int fontPixelSize, bool bold = false);

private:
    SceneController();

    // The path segments of the brand web pages; "nil" and "" when unknown.
    static QString getLanguageCode(int languageValue);
    static QString getRegionCode(int regionType);

    QString mSceneQmlUrl;
    QString mCurrentLanguage;
    int mCurrentLanguageValue = 0;
    QString mRefFontInfo;
    QString mFontInfo;
    int mBrandType = 0;
    int mRegionType = 0;
    bool mLayoutMirroringEnabled = false;
    int mDownloadProgressBar = 0;
    int mInstallProgressBar = 0;
    int mTuningSceneIndex = 0;
    QVector<QString> mVectorTuningSceneQmlUrl;
    RetryHook mRetryHook;
};
