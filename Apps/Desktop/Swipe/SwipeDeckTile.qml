import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor.Shared

// One deck of the picker: its symbol, safety, title, description and the
// number and size of its cards. An empty deck is half transparent and inert.
AbstractButton {
    id: tile

    // title, subtitle, symbol, safety, count, countText.
    property var deck: ({})

    enabled: deck.count > 0
    opacity: enabled ? 1 : 0.5
    focusPolicy: Qt.NoFocus
    implicitHeight: Math.max(150, body.implicitHeight + 28)

    background: Rectangle {
        radius: 12
        color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g, Theme.secondaryText.b,
                       tile.hovered ? 0.14 : 0.08)
    }

    contentItem: Item {
        ColumnLayout {
            id: body
            anchors.fill: parent
            anchors.margins: 14
            spacing: 8

            RowLayout {
                Layout.fillWidth: true
                SymbolIcon {
                    name: tile.deck.symbol
                    size: 24
                    color: Theme.wine
                }
                Item { Layout.fillWidth: true }
                SafetyBadge {
                    level: tile.deck.safety
                }
            }
            Text {
                Layout.fillWidth: true
                text: tile.deck.title
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pixelSize: 15
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
            Text {
                Layout.fillWidth: true
                text: tile.deck.subtitle
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pixelSize: 11
                color: Theme.secondaryText
            }
            Item { Layout.fillHeight: true }
            Text {
                visible: tile.deck.count > 0
                text: tile.deck.countText
                textFormat: Text.PlainText
                color: Theme.primaryText
            }
            Row {
                visible: tile.deck.count === 0
                spacing: 4
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "checkmark"
                    color: Theme.green
                }
                Text {
                    objectName: "allReviewed"
                    text: Texts.tr("All reviewed")
                    color: Theme.green
                }
            }
        }
    }
}
