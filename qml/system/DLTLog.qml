// SPDX-License-Identifier: LicenseRef-Wrenhop
// The scenes' log entry: every line is marked as coming from QML.
import QtQuick 2.9

QtObject {
    function hlog(level, name, data) {
        QmlLogger.printQmlLog(level, "[qml]" + name, data)
    }
}
