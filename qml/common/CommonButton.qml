// SPDX-License-Identifier: LicenseRef-Wrenhop
// A button drawn with one set of images: <imageSet>Normal, ...Press,
// ...Focus and ...Disable in ImageInfo.
import QtQuick 2.9
import "../system"

Item {
    id: idButton

    property alias text: idCaption.text
    property alias source: idBackground.source
    property int btn_width: 144
    property int btn_height: 34
    property bool clickable: true
    property string imageSet

    signal clicked()
    signal doubleClicked()

    width: btn_width
    height: btn_height

    ImageInfo { id: imageInfo }
    FontInfo { id: fontInfo }
    FontLoader {
        id: calFont
        source: SceneController.nFontInfo
    }

    function stateImage(state) {
        return imageInfo[imageSet + state]
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
        onDoubleClicked: idButton.doubleClicked()
    }
}
