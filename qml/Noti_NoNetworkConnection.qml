// SPDX-License-Identifier: LicenseRef-Wrenhop
// The download failed: no network connection.
import QtQuick 2.9
import "common"

SceneFrame {
    titleText: idString.LID_PC_60100_01
    fittedTexts: [idText1, idText2]

    Text {
        id: idText1
        objectName: "LID_PC_60100_02"
        x: 19
        y: idText2.lineCount < 3 ? 70 : 60
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 16
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_02
    }

    Text {
        id: idText2
        objectName: "LID_PC_60100_03"
        x: 19
        y: idText1.lineCount === 1 ? 111 : (idText2.lineCount < 3 ? 139 : 125)
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 14
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_03
    }

    CommonButtonTypeConfirm {
        objectName: "confirmButton"
        x: 178
        y: 187
        text: idString.LID_PC_60000_05
        onClicked: SceneController.sendFinishComplete()
    }
}
