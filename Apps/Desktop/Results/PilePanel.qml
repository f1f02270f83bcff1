import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The pile pane: what waits to go to the Trash, with take-out, undo and the
// one commit of the application, behind a confirmation.
Item {
    id: panel

    property ScanModel scanModel: null
    readonly property alias confirming: confirmation.visible

    implicitWidth: 320

    PileListModel {
        id: pile
        scanModel: panel.scanModel
    }

    FeatureTip {
        id: pileTip
        tip: FeatureTip.Pile
    }

    Shortcut {
        sequences: [StandardKey.Undo]
        enabled: !pile.isEmpty
        onActivated: pile.undo()
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10

        SymbolLabel {
            symbol: "tray.full"
            text: Texts.tr("Pile")
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Theme.wine
        }
        Text {
            Layout.fillWidth: true
            text: pile.summary
            wrapMode: Text.Wrap
            color: Theme.secondaryText
        }
        ListView {
            id: entries
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: pile
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            delegate: ItemDelegate {
                id: row
                required property int index
                required property string name
                required property string path
                required property string sizeText
                required property string reason
                width: ListView.view.width
                hoverEnabled: true
                PlainToolTip {
                    text: row.path
                    visible: row.hovered
                    delay: 600
                }
                contentItem: RowLayout {
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        Text {
                            Layout.fillWidth: true
                            text: row.name
                            textFormat: Text.PlainText
                            elide: Text.ElideMiddle
                            maximumLineCount: 1
                            color: Theme.primaryText
                        }
                        Text {
                            Layout.fillWidth: true
                            visible: row.reason !== ""
                            text: row.reason
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: 11
                            color: Theme.secondaryText
                        }
                    }
                    Text {
                        text: row.sizeText
                        textFormat: Text.PlainText
                        color: Theme.secondaryText
                    }
                    ToolButton {
                        text: "⊗"
                        hoverEnabled: true
                        ToolTip.text: Texts.tr("Take it back out")
                        ToolTip.visible: hovered
                        onClicked: pile.remove(row.index)
                    }
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Button {
                text: Texts.tr("Undo")
                enabled: !pile.isEmpty
                onClicked: pile.undo()
            }
            Item { Layout.fillWidth: true }
            ActionButton {
                id: trashButton
                text: Texts.tr("Move to Trash")
                // The history takes no commit until the start-up recovery ends.
                enabled: !pile.isEmpty
                         && !(panel.scanModel !== null && panel.scanModel.recoveringHistory)
                primary: true
                onClicked: {
                    confirmation.title = pile.confirmationTitle
                    confirmation.open()
                }
            }
        }
        Text {
            Layout.fillWidth: true
            visible: pile.lastCommitMessage.length > 0
            text: pile.lastCommitMessage
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }

    FeatureTipPopup {
        objectName: "pileTip"
        tip: pileTip
        target: trashButton
        within: panel
        placeAbove: true
        // Not over the launch splash: the tip waits until the window shows the
        // content (a window without a splash has no such property).
        show: panel.visible && !pileTip.dismissed && panel.Window.window !== null
              && panel.Window.window.showSplash !== true
    }

    Dialog {
        id: confirmation
        anchors.centerIn: Overlay.overlay
        modal: true
        Label {
            text: Texts.tr("You can put them back from the Trash, or from Tandor's history.")
            wrapMode: Text.Wrap
        }
        footer: DialogButtonBox {
            ActionButton {
                text: Texts.tr("Move to Trash")
                primary: true
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                text: Texts.tr("Cancel")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
        onAccepted: pile.commit()
    }
}
