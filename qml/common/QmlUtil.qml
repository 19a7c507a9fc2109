// SPDX-License-Identifier: LicenseRef-Wrenhop
// Fits a text in the brand font to the width it takes in the reference font,
// so that every brand keeps the layout the scenes were drawn for.
import QtQuick 2.9

Item {
    FontLoader {
        id: idCalRefFont
        source: SceneController.nRefFontInfo
    }

    function normalizeText(idText) {
        var wrapMode = idText.wrapMode
        var brandFamily = idText.font.family
        idText.wrapMode = Text.NoWrap

        var orgFontTextWidth = idText.paintedWidth
        idText.font.family = idCalRefFont.name
        var refFontTextWidth = idText.paintedWidth
        idText.font.family = brandFamily

        // An empty text has no width to scale by.
        if (orgFontTextWidth > 0) {
            var normalizedPixelSize = idText.font.pixelSize * refFontTextWidth / orgFontTextWidth
            idText.font.pixelSize = Math.round(normalizedPixelSize - 0.5)
        }

        var length = idText.text.length
        if (length > 1) {
            idText.font.letterSpacing = idText.font.letterSpacing
                    + (refFontTextWidth - idText.paintedWidth) / (length - 1)
        } else {
            QmlLogger.printQmlLog(1, "[qml]idText.text.length(" + length + ") is small", undefined)
        }
        idText.wrapMode = wrapMode
    }
}
