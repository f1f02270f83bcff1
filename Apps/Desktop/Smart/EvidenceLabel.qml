import QtQuick
import QtQuick.Layouts
import Tandor.Shared

// One evidence line: a tick for what was measured, a bulb for what is
// inferred; the text comes translated.
RowLayout {
    id: label

    property string text
    property bool observed: true
    readonly property color tint: observed ? Theme.primaryText : Theme.secondaryText

    spacing: 4

    Text {
        Layout.alignment: Qt.AlignTop
        Layout.preferredWidth: 12
        visible: label.observed
        text: "✓"
        font.pixelSize: 11
        color: label.tint
    }
    SymbolIcon {
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: 1
        visible: !label.observed
        name: "bulb"
        size: 12
        color: label.tint
    }
    Text {
        Layout.fillWidth: true
        text: label.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 11
        color: label.tint
    }
}
