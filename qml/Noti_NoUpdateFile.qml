// SPDX-License-Identifier: LicenseRef-Wrenhop
// The manifest offers no file for this platform.
import QtQuick 2.9
import "common"

SceneFrame {
    titleText: idString.LID_PC_60100_01
    fittedTexts: [idText1, idText2, idText3, idLink]

    Text {
        id: idText1
        objectName: "LID_PC_60100_06"
        x: 19
        y: idText2.lineCount === 2 ? 70 : 61
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 16
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_06
    }

    Text {
        id: idText2
        objectName: "LID_PC_60100_07"
        x: 19
        y: idText2.lineCount === 2 ? 111 : 95
        width: 460
        lineHeight: 1.2
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 14
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_07
    }

    Text {
        id: idText3
        objectName: "LID_PC_60100_17"
        x: 19
        y: idText2.lineCount === 2 ? 129 : 113
        width: 460
        lineHeight: 1.2
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 14
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_17
    }

    Text {
        id: idLink
        objectName: "LID_PC_60100_08"
        x: 19
        y: idText2.lineCount === 2 ? 156 : 157
        width: 460
        height: 18
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 12
        font.underline: true
        color: fontColors.linkColor
        text: idString.LID_PC_60100_08

        MouseArea {
            objectName: "linkArea"
            anchors.centerIn: parent
            width: idLink.paintedWidth
            height: idLink.paintedHeight
            cursorShape: Qt.PointingHandCursor
            onClicked: SceneController.sendOpenUrlRequest(1)
        }
    }

    CommonButtonTypeConfirm {
        objectName: "confirmButton"
        x: 178
        y: 187
        text: idString.LID_PC_60000_05
        onClicked: SceneController.sendFinishComplete()
    }
}
