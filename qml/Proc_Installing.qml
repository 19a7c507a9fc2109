// SPDX-License-Identifier: LicenseRef-Wrenhop
// Shown while the package is unpacked into the installation folder.
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
        text: idString.LID_PC_60000_01
    }

    WindowDragArea { window: idAppWindow }

    TuningShortcuts {
        log: dltLog
        levels: systemInfo
    }

    Text {
        id: idText1
        objectName: "LID_PC_60000_02"
        x: 19
        y: 98
        width: 460
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.family: idCalFont.name
        font.pixelSize: 16
        color: "#4b4e52"
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

    Component.onCompleted: {
        qmlUtil.normalizeText(idText1)
    }
}
