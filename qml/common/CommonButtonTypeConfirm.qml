// SPDX-License-Identifier: LicenseRef-Wrenhop
// The confirm button, drawn in the brand's colours.
import QtQuick 2.9
import "../system"

CommonButton {
    SystemInfo { id: systemInfo }

    // Jortel's images serve any brand number outside the table.
    imageSet: "imgBtnUpdate02" + (SceneController.nBrandType === systemInfo.brand_ZEVAN ? "Zevan"
                                  : SceneController.nBrandType === systemInfo.brand_QUORRA ? "Quorra" : "Jortel")
}
