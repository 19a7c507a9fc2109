// SPDX-License-Identifier: LicenseRef-Wrenhop
// The fixed tables that the engine, the scene controller, the workflow and
// the scenes share: scene and font resources, brands and regions.
#pragma once

#include <QObject>

#include <iterator>

namespace scene {
Q_NAMESPACE

// Brand numbers as the settings, the web pages and the scenes use them.
// Published to QML as Brand.Jortel and so on (import Wrenhop 1.0).
enum Brand { Jortel = 0, Zevan = 1, Quorra = 2, NoBrand = 3 };
Q_ENUM_NS(Brand)

// Cartaline's settings code of each brand, indexed by brand number.
inline constexpr const char* kBrandCodes[] = {"JT", "ZV", "QR"};
static_assert(static_cast<int>(std::size(kBrandCodes)) == NoBrand);

// Settings and web code of each region, indexed by region number.
inline constexpr const char* kRegionCodes[] = {"KR", "US", "CA", "EU", "RU", "TR", "AU", "NZ", "BR", "ME", "IN"};
inline constexpr int kRegionCount = static_cast<int>(std::size(kRegionCodes));

inline constexpr const char* kLoaderUrl = "qrc:/qml/QmlLoader.qml";
inline constexpr const char* kDownloadingUrl = "qrc:/qml/Proc_Downloading.qml";
inline constexpr const char* kInstallingUrl = "qrc:/qml/Proc_Installing.qml";
inline constexpr const char* kNoNetworkUrl = "qrc:/qml/Noti_NoNetworkConnection.qml";
inline constexpr const char* kNoUpdateFileUrl = "qrc:/qml/Noti_NoUpdateFile.qml";
inline constexpr const char* kUpdateStoppedUrl = "qrc:/qml/Noti_UpdateStopped.qml";
inline constexpr const char* kFailRetryUrl = "qrc:/qml/Noti_UpdateFailRetry.qml";
inline constexpr const char* kInputAuthUrl = "qrc:/qml/Proc_InputAuth.qml";

inline constexpr const char* kJortelFontUrl = "qrc:/Resource/fonts/JortelSansTextGlobal-Regular.otf";
inline constexpr const char* kZevanFontUrl = "qrc:/Resource/fonts/ZevanSignatureRegular.ttf";
inline constexpr const char* kArabicFontUrl = "qrc:/Resource/fonts/NotoSans-Regular.ttf";
inline constexpr const char* kQuorraFontUrl = "qrc:/Resource/fonts/QuorraSansHead-Regular.otf";
inline constexpr const char* kQuorraKoreanFontUrl = "qrc:/Resource/fonts/QuorraSansHeadKROTFRegular.otf";
// Every brand's texts are scaled to the width they take in this font.
inline constexpr const char* kReferenceFontUrl = kZevanFontUrl;

} // namespace scene
