// SPDX-License-Identifier: LicenseRef-Wrenhop
// Asks before the update is stopped; shown only in the tuning mode.
import QtQuick 2.9
import "common"

SceneFrame {
    titleText: idString.LID_PC_60100_10
    // Left also for a right-to-left title.
    titleHorizontalAlignment: Text.AlignLeft
    titleVerticalAlignment: Text.AlignVCenter
    fittedTexts: [idText1, idText2]

    Text {
        id: idText1
        objectName: "LID_PC_60100_11"
        x: 19
        y: 70
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 16
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_11
    }

    Text {
        id: idText2
        objectName: "LID_PC_60100_18"
        x: 19
        y: 111
        width: 460
        lineHeight: 1.2
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 14
        color: fontColors.bodyColor
        text: idString.LID_PC_60100_18
    }

    CommonButtonTypeConfirm {
        objectName: "confirmButton"
        x: 178
        y: 187
        text: idString.LID_PC_60000_05
        onClicked: SceneController.sendFinishComplete()
    }
}
