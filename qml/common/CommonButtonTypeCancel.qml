// SPDX-License-Identifier: LicenseRef-Wrenhop
// The cancel button, the same for every brand.
import QtQuick 2.9
import "../system"

CommonButton {
    DLTLog { id: dltLog }
    SystemInfo { id: systemInfo }

    imageSet: "imgBtnUpdateCancel"
    onDoubleClicked: dltLog.hlog(systemInfo.iLOG_INFO, "commonButtonCancel.qml onDoubleClicked")
}
