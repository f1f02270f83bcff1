import QtQuick
import Tandor.Shared

// A line of text (a key) followed by an information button for its detail.
Row {
    id: line

    property string text
    property string detail
    property alias font: label.font
    property alias color: label.color

    spacing: 4

    Text {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        text: Texts.tr(line.text)
        textFormat: Text.PlainText
        color: Theme.primaryText
    }
    InfoButton {
        anchors.verticalCenter: parent.verticalCenter
        text: line.detail
    }
}
