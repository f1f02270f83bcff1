import QtQuick
import Tandor.Shared

// The large figure that heads the main view, with its caption above.
Column {
    id: headline

    property string value       // shown as it is
    property string caption     // a text key
    property color tint: Theme.wine

    spacing: 2

    Text {
        text: Texts.tr(headline.caption)
        textFormat: Text.PlainText
        color: Theme.secondaryText
        font.pixelSize: 11
    }
    Text {
        text: headline.value
        textFormat: Text.PlainText
        color: headline.tint
        font.pixelSize: 34
        font.bold: true
    }
}
