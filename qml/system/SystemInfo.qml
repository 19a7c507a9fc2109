// SPDX-License-Identifier: LicenseRef-Wrenhop
// Brand numbers and log levels shared by the scenes.
import QtQuick 2.9

QtObject {
    readonly property int brand_JORTEL: 0
    readonly property int brand_ZEVAN: 1
    readonly property int brand_QUORRA: 2
    readonly property int brand_NA: 3

    readonly property int iLOG_FATAL: 0
    readonly property int iLOG_ERROR: 1
    readonly property int iLOG_WARN: 2
    readonly property int iLOG_INFO: 3
}
