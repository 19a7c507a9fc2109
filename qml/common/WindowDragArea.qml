// SPDX-License-Identifier: LicenseRef-Wrenhop
// Moves the frameless window while the mouse is held on the area. Declare it
// before the texts and buttons, which then stay above it.
import QtQuick 2.9

MouseArea {
    property var window
    property point pressPosition

    anchors.fill: parent
    onPressed: function(mouse) { pressPosition = Qt.point(mouse.x, mouse.y) }
    onPositionChanged: function(mouse) {
        window.x += mouse.x - pressPosition.x
        window.y += mouse.y - pressPosition.y
    }
}
