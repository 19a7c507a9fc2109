// SPDX-License-Identifier: LicenseRef-Wrenhop
// The installation failed; offers to try the whole update again.
import QtQuick 2.9
import "common"

SceneFrame {
    titleText: idString.LID_PC_60100_01
    fittedTexts: [idText1, idText2]

    Text {
        id: idText1
        objectName: "LID_PC_60100_14"
        x: 19
        y: 98
        width: 460
        height: 26
        verticalAlignment: Text.AlignBottom
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 16
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_14
    }

    Text {
        id: idText2
        objectName: "LID_PC_60100_19"
        x: 19
        y: 126
        width: 460
        height: 26
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 16
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_19
    }

    Row {
        objectName: "buttonRow"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 187
        height: 34
        spacing: 10
        LayoutMirroring.enabled: SceneController.nLayoutMirroringEnabled

        CommonButtonTypeConfirm {
            objectName: "confirmButton"
            text: idString.LID_PC_60000_05
            onClicked: SceneController.sendRetryUpdate()
        }
        CommonButtonTypeCancel {
            objectName: "cancelButton"
            text: idString.LID_PC_60100_16
            onClicked: SceneController.sendFinishComplete()
        }
    }
}
