// SPDX-License-Identifier: LicenseRef-Wrenhop
// A user-name and password prompt; nothing in the workflow shows it.
import QtQuick 2.9
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import "common"

SceneFrame {
    titleText: idString.LID_PC_60000_01

    Text {
        id: idText1
        objectName: "LID_PC_60200_01"
        x: 19
        y: 48
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: calFont.name
        font.pixelSize: 14
        color: fontColors.bodyColor
        text: idString.LID_PC_60200_01 + "\n" + idString.LID_PC_60200_16
    }

    GridLayout {
        x: 70
        y: 98
        width: 360
        columns: 2
        rowSpacing: 6
        columnSpacing: 10
        LayoutMirroring.enabled: SceneController.nLayoutMirroringEnabled
        LayoutMirroring.childrenInherit: true

        Text {
            font.family: calFont.name
            font.pixelSize: 14
            color: fontColors.bodyColor
            text: idString.LID_PC_60200_02
        }
        TextField {
            id: idUserName
            Layout.fillWidth: true
            Layout.preferredHeight: 32
            font.family: calFont.name
            font.pixelSize: 14
            font.capitalization: Font.MixedCase
            selectByMouse: true
        }
        Text {
            font.family: calFont.name
            font.pixelSize: 14
            color: fontColors.bodyColor
            text: idString.LID_PC_60200_03
        }
        TextField {
            id: idPassword
            Layout.fillWidth: true
            Layout.preferredHeight: 32
            font.family: calFont.name
            font.pixelSize: 14
            font.capitalization: Font.MixedCase
            echoMode: TextInput.Password
            selectByMouse: true
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: 187
        height: 34
        spacing: 10
        LayoutMirroring.enabled: SceneController.nLayoutMirroringEnabled

        CommonButtonTypeConfirm {
            text: idString.LID_PC_60200_05
            clickable: idUserName.length > 0 && idPassword.length > 0
            onClicked: dltLog.hlog(systemInfo.iLOG_INFO, "Proc_InputAuth confirmed")
        }
        CommonButtonTypeCancel {
            text: idString.LID_PC_60100_16
            onClicked: dltLog.hlog(systemInfo.iLOG_INFO, "Proc_InputAuth cancelled")
        }
    }
}
