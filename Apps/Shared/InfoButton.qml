import QtQuick
import QtQuick.Controls
import Tandor.Shared

// A small "i" that opens an explanation (a text key) in a popup; a click
// elsewhere closes it, a click on the button toggles it.
Item {
    id: info

    property string text
    readonly property alias showing: popup.visible

    implicitWidth: 16
    implicitHeight: 16

    AbstractButton {
        id: button
        anchors.fill: parent
        focusPolicy: Qt.TabFocus
        Accessible.name: Texts.tr("More info")
        Accessible.role: Accessible.Button

        contentItem: SymbolIcon {
            name: "info"
            size: 14
            color: button.hovered ? Theme.primaryText : Theme.secondaryText
        }
        background: null

        onClicked: popup.visible ? popup.close() : popup.open()
    }

    Popup {
        id: popup
        y: info.height + 4
        x: Math.round((info.width - width) / 2)
        padding: 12
        width: 280 + 2 * padding
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent

        background: Rectangle {
            radius: 8
            color: Theme.dark ? "#2b2427" : "#fdfbf8"
            border.color: Qt.rgba(0, 0, 0, 0.12)
            border.width: 0.5
        }
        contentItem: Text {
            width: 280
            text: Texts.tr(info.text)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignLeft
            color: Theme.primaryText
            font.pixelSize: 12
        }
    }
}
