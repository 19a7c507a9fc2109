// SPDX-License-Identifier: LicenseRef-Wrenhop
// The cancel button, the same for every brand.
import QtQuick 2.9
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import QtQuick.Particles 2.0
import "../system"

Item {
    id: idButton

    property alias text: idCaption.text
    property alias source: idBackground.source
    property int btn_width: 144
    property int btn_height: 34
    property bool clickable: true

    signal clicked()

    width: btn_width
    height: btn_height

    DLTLog { id: dltLog }
    SystemInfo { id: systemInfo }
    ImageInfo { id: imageInfo }
    FontInfo { id: fontInfo }
    FontLoader {
        id: calFont
        source: SceneController.nFontInfo
    }

    function stateImage(state) {
        return imageInfo["imgBtnUpdateCancel" + state]
    }

    function resetBackground() {
        idBackground.source = enabled && clickable ? stateImage("Normal") : stateImage("Disable")
    }

    onEnabledChanged: resetBackground()
    onClickableChanged: resetBackground()
    Component.onCompleted: resetBackground()

    Image {
        id: idBackground
        anchors.fill: parent
    }

    Text {
        id: idCaption
        anchors.fill: parent
        leftPadding: 6
        rightPadding: 6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: fontInfo.whiteColor
        font.family: calFont.name
        font.pixelSize: 16
        // A long caption in some languages shrinks rather than being cut.
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 10
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: idButton.clickable ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            if (!idButton.clickable)
                return
            idBackground.source = stateImage("Press")
            idButton.clicked()
        }
        onEntered: {
            if (idButton.clickable)
                idBackground.source = stateImage("Focus")
        }
        onExited: {
            if (idButton.clickable)
                idBackground.source = stateImage("Normal")
        }
        onDoubleClicked: dltLog.hlog(systemInfo.iLOG_INFO, "commonButtonCancel.qml onDoubleClicked")
    }
}
