// SPDX-License-Identifier: LicenseRef-Wrenhop
// Text colours and the brand numbers of the font table.
import QtQuick 2.9

QtObject {
    readonly property color whiteColor: "#ffffff"
    readonly property color titleColor: "#4b4e52"
    readonly property color bodyColor: "#4b4352"
    readonly property color linkColor: "#0052c0"

    readonly property int fType_JORTEL: 0
    readonly property int fType_ZEVAN: 1
    readonly property int fType_QUORRA: 2
    readonly property int fType_NOMEMVER: 3
}
