// SPDX-License-Identifier: LicenseRef-Wrenhop
// Text colours and the brand numbers of the font table.
import QtQuick 2.9
import Wrenhop 1.0

QtObject {
    readonly property color whiteColor: "#ffffff"
    readonly property color titleColor: "#4b4e52"
    readonly property color bodyColor: "#4b4352"
    readonly property color linkColor: "#0052c0"

    readonly property int fType_JORTEL: Brand.Jortel
    readonly property int fType_ZEVAN: Brand.Zevan
    readonly property int fType_QUORRA: Brand.Quorra
    readonly property int fType_NOMEMVER: Brand.NoBrand
}
