// SPDX-License-Identifier: LicenseRef-Wrenhop
// Brand numbers and log levels shared by the scenes.
import QtQuick 2.9
import Wrenhop 1.0

QtObject {
    readonly property int brand_JORTEL: Brand.Jortel
    readonly property int brand_ZEVAN: Brand.Zevan
    readonly property int brand_QUORRA: Brand.Quorra
    readonly property int brand_NA: Brand.NoBrand

    readonly property int iLOG_FATAL: 0
    readonly property int iLOG_ERROR: 1
    readonly property int iLOG_WARN: 2
    readonly property int iLOG_INFO: 3
}
