// SPDX-License-Identifier: LicenseRef-Wrenhop
// The manifest offers no file for this platform.
import QtQuick 2.9
import QtQuick.Layouts 1.3
import QtQuick.Controls 2.2
import QtQuick.Controls.Material 2.1
import QtQuick.Controls.Universal 2.1
import "common"
import "system"

ApplicationWindow {
    id: idAppWindow
    width: 500
    height: 250
    opacity: 1
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: "transparent"
    font.family: idCalFont.name
    font.pixelSize: 10
    font.capitalization: Font.Capitalize

    DLTLog { id: dltLog }
    QmlUtil { id: qmlUtil }
    ImageInfo { id: imageInfo }
    SystemInfo { id: systemInfo }

    FontLoader {
        id: idCalFont
        source: SceneController.nFontInfo
    }

    Image {
        x: 0
        y: 0
        source: imageInfo.imgBgUpdaterAlert
    }

    Text {
        id: idTitle
        objectName: "title"
        x: 19
        y: 13
        width: 460
        height: 24
        font.family: idCalFont.name
        font.pixelSize: 18
        color: "#4b4e52"
        text: idString.LID_PC_60100_01
    }

    WindowDragArea { window: idAppWindow }

    TuningShortcuts {
        log: dltLog
        levels: systemInfo
    }

    Text {
        id: idText1
        objectName: "LID_PC_60100_06"
        x: 19
        y: idText2.lineCount === 2 ? 70 : 61
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: idCalFont.name
        font.pixelSize: 16
        color: "#4b4352"
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
        font.family: idCalFont.name
        font.pixelSize: 14
        color: "#4b4352"
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
        font.family: idCalFont.name
        font.pixelSize: 14
        color: "#4b4352"
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
        font.family: idCalFont.name
        font.pixelSize: 12
        font.underline: true
        color: "#0052c0"
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

    Component.onCompleted: {
        qmlUtil.normalizeText(idText1)
        qmlUtil.normalizeText(idText2)
        qmlUtil.normalizeText(idText3)
        qmlUtil.normalizeText(idLink)
    }
}
