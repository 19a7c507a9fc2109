// SPDX-License-Identifier: LicenseRef-Wrenhop
// The invisible root window: loads whichever scene the controller names.
// Each scene is a window of its own; a new one replaces the one before.
import QtQuick 2.9
import QtQuick.Controls 2.2

ApplicationWindow {
    width: 0
    height: 0
    opacity: 0
    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window

    Loader {
        id: idLoader
        objectName: "sceneLoader"
    }

    Connections {
        target: SceneController
        function onSceneQmlUrlChanged() { idLoader.source = SceneController.qsSceneQmlUrl }
    }
}
