// SPDX-License-Identifier: LicenseRef-Wrenhop
// The UI tuning keys of every scene: Ctrl+Shift+F9 starts or ends the tuning
// mode, page up and page down step through the tuning scenes.
import QtQuick 2.9

Item {
    property var log      // the scene's DLTLog
    property var levels   // the scene's SystemInfo

    Shortcut {
        sequence: "Ctrl+Shift+F9"
        onActivated: {
            if (SceneController.nTuningSceneIndex !== -1) {
                log.hlog(levels.iLOG_INFO, "Wrenhop UI/UX tuning end and close")
                SceneController.nTuningSceneIndex = -1
                SceneController.sendFinishComplete()
            } else {
                log.hlog(levels.iLOG_INFO, "Wrenhop UI/UX tuning start")
                SceneController.setTuningScene(0)
            }
        }
    }
    Shortcut {
        sequence: StandardKey.MoveToPreviousPage
        onActivated: {
            log.hlog(levels.iLOG_INFO, "Key PageUp pressed")
            SceneController.setNextTuningScene()
        }
    }
    Shortcut {
        sequence: StandardKey.MoveToNextPage
        onActivated: {
            log.hlog(levels.iLOG_INFO, "Key PageDown pressed")
            SceneController.setPrevTuningScene()
        }
    }
}
