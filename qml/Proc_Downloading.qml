// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shown while the package is downloaded; the bar follows the transfer.
import QtQuick 2.9
import QtQuick.Controls 2.2
import "common"

SceneFrame {
    titleText: idString.LID_PC_60000_01
    fittedTexts: [idText1]

    Text {
        id: idText1
        objectName: "LID_PC_60000_02"
        x: 19
        y: 98
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 16
        color: fontColors.bodyColor
        text: idString.LID_PC_60000_02
    }

    ProgressBar {
        id: idDownloadBar
        objectName: "progressBar"
        x: 85
        y: 174
        width: 330
        height: 10
        from: 0
        to: 100
        value: 0
        scale: SceneController.nLayoutMirroringEnabled ? -1 : 1
    }

    Connections {
        target: SceneController
        function onDownloadProgressBarChanged() { idDownloadBar.value = SceneController.nDownloadProgressBar }
    }
}
