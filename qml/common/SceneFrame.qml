// SPDX-License-Identifier: LicenseRef-Wrenhop
// The window of every scene: frameless, the background, the title, the drag
// area and the tuning keys. What a scene declares inside it lies above the
// drag area; the texts it lists in fittedTexts are fitted to the reference
// font once the scene is complete.
import QtQuick 2.9
import QtQuick.Controls 2.2
import "../system"

ApplicationWindow {
    id: idAppWindow

    property alias titleText: idTitle.text
    property alias titleHorizontalAlignment: idTitle.horizontalAlignment
    property alias titleVerticalAlignment: idTitle.verticalAlignment
    property var fittedTexts: []
    // For the scene's own texts and logs (a Text has a fontInfo of its own).
    property alias calFont: idCalFont
    property alias fontColors: idFontInfo
    property alias dltLog: idDltLog
    property alias systemInfo: idSystemInfo

    width: 500
    height: 250
    opacity: 1
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: "transparent"
    font.family: idCalFont.name
    font.pixelSize: 10
    font.capitalization: Font.Capitalize

    DLTLog { id: idDltLog }
    QmlUtil { id: qmlUtil }
    ImageInfo { id: imageInfo }
    SystemInfo { id: idSystemInfo }
    FontInfo { id: idFontInfo }

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
        color: idFontInfo.titleColor
    }

    WindowDragArea { window: idAppWindow }

    TuningShortcuts {
        log: idDltLog
        levels: idSystemInfo
    }

    Component.onCompleted: fittedTexts.forEach(function(text) { qmlUtil.normalizeText(text) })
}
