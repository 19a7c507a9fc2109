// SPDX-License-Identifier: LicenseRef-Wrenhop
// The download failed: no network connection.
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
        objectName: "LID_PC_60100_02"
        x: 19
        y: idText2.lineCount < 3 ? 70 : 60
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: idCalFont.name
        font.pixelSize: 16
        color: "#4b4352"
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
        font.family: idCalFont.name
        font.pixelSize: 14
        color: "#4b4352"
        text: idString.LID_PC_60100_03
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
    }
}
