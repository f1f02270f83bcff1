import QtQuick

// A symbol followed by its text, in one colour.
Row {
    id: label

    property string symbol
    property string text
    property color color: Theme.primaryText
    property alias font: caption.font

    spacing: 6

    SymbolIcon {
        anchors.verticalCenter: parent.verticalCenter
        name: label.symbol
        size: Math.round(caption.font.pixelSize * 1.1)
        color: label.color
    }
    Text {
        id: caption
        anchors.verticalCenter: parent.verticalCenter
        text: label.text
        textFormat: Text.PlainText
        color: label.color
        font.pixelSize: 13
    }
}
