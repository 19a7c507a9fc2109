// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shown while the package is unpacked into the installation folder.
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
        // This scene draws its text in the title's colour.
        color: fontColors.titleColor
        text: idString.LID_PC_60000_02
    }

    ProgressBar {
        id: idInstallBar
        objectName: "progressBar"
        x: 85
        y: 174
        width: 330
        height: 10
        from: 0
        to: 100
        value: 0
    }

    Connections {
        target: SceneController
        function onInstallProgressBarChanged() { idInstallBar.value = SceneController.nInstallProgressBar }
    }
}
