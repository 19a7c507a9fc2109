// SPDX-License-Identifier: LicenseRef-Wrenhop
// Resource URLs of the background and the button images.
import QtQuick 2.9

QtObject {
    readonly property string imgPath: "qrc:/Resource/image/"
    readonly property string imgBgUpdaterAlert: imgPath + "bg_updater_alert.png"

    readonly property string imgBtnUpdate02JortelNormal: imgPath + "btn_update02_j_n.png"
    readonly property string imgBtnUpdate02JortelPress: imgPath + "btn_update02_j_p.png"
    readonly property string imgBtnUpdate02JortelFocus: imgPath + "btn_update02_j_s.png"
    readonly property string imgBtnUpdate02JortelDisable: imgPath + "btn_update02_j_d.png"

    readonly property string imgBtnUpdate02ZevanNormal: imgPath + "btn_update02_z_n.png"
    readonly property string imgBtnUpdate02ZevanPress: imgPath + "btn_update02_z_p.png"
    readonly property string imgBtnUpdate02ZevanFocus: imgPath + "btn_update02_z_s.png"
    readonly property string imgBtnUpdate02ZevanDisable: imgPath + "btn_update02_z_d.png"

    readonly property string imgBtnUpdate02QuorraNormal: imgPath + "btn_update02_q_n.png"
    readonly property string imgBtnUpdate02QuorraPress: imgPath + "btn_update02_q_p.png"
    readonly property string imgBtnUpdate02QuorraFocus: imgPath + "btn_update02_q_s.png"
    readonly property string imgBtnUpdate02QuorraDisable: imgPath + "btn_update02_q_d.png"

    readonly property string imgBtnUpdateCancelNormal: imgPath + "btn_updatecancel_n.png"
    readonly property string imgBtnUpdateCancelPress: imgPath + "btn_updatecancel_p.png"
    readonly property string imgBtnUpdateCancelFocus: imgPath + "btn_updatecancel_s.png"
    readonly property string imgBtnUpdateCancelDisable: imgPath + "btn_updatecancel_d.png"
}
