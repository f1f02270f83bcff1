import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The AI assistant sheet, a modal pane over the main window: the switch that
// lets AI assistants read Tandor's analysis, how to connect an AI app, and
// what assistants proposed for the pile. "Close" or Escape closes it; each
// opening starts afresh from the files.
Popup {
    id: sheet

    property ScanModel scanModel: null

    modal: true
    focus: true
    width: 560
    // Within a short window; the sheet's body scrolls.
    height: Math.min(640, Overlay.overlay ? Overlay.overlay.height - 24 : 640)
    anchors.centerIn: Overlay.overlay
    padding: 0
    closePolicy: Popup.CloseOnEscape

    background: Rectangle {
        radius: 14
        color: Theme.canvas
        border.color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                              Theme.secondaryText.b, 0.3)
    }

    contentItem: Loader {
        objectName: "assistantSheetContent"
        active: sheet.visible
        sourceComponent: sheetContent
    }

    component Card: Glass {
        default property alias cardContent: cardColumn.data
        property alias spacing: cardColumn.spacing
        Layout.fillWidth: true
        implicitHeight: cardColumn.implicitHeight + 28
        cornerRadius: 14
        ColumnLayout {
            id: cardColumn
            x: 14
            y: 14
            width: parent.width - 28
        }
    }

    Component {
        id: sheetContent

        ColumnLayout {
            spacing: 0

            AssistantSheetModel {
                id: assistant
                objectName: "assistantSheetModel"
                scanModel: sheet.scanModel
                Component.onCompleted: reload()
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 20
                Layout.rightMargin: 20
                Layout.topMargin: 20
                Layout.bottomMargin: 8

                SymbolLabel {
                    symbol: "brain"
                    text: Texts.tr("AI assistant")
                    color: Theme.wine
                    font.pixelSize: 20
                    font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
                Button {
                    objectName: "closeAssistant"
                    text: Texts.tr("Close")
                    onClicked: sheet.close()
                }
            }

            ScrollView {
                id: scroll
                Layout.fillWidth: true
                Layout.fillHeight: true
                contentWidth: availableWidth
                ScrollBar.vertical.policy: ScrollBar.AlwaysOn

                ColumnLayout {
                    x: 20
                    width: scroll.availableWidth - 40
                    spacing: 16

                    Item { implicitHeight: 4 }

                    Card {
                        spacing: 8

                        Switch {
                            objectName: "assistantSwitch"
                            Layout.fillWidth: true
                            text: Texts.tr("Let AI assistants read Tandor's analysis")
                            font.weight: Font.DemiBold
                            checked: assistant.enabled
                            palette.highlight: Theme.bordeaux
                            onToggled: {
                                assistant.setEnabled(checked)
                                checked = Qt.binding(() => assistant.enabled)
                            }
                        }
                        Text {
                            objectName: "switchError"
                            Layout.fillWidth: true
                            visible: assistant.switchError.length > 0
                            text: assistant.switchError
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: 11
                            color: Theme.red
                        }
                        InfoLine {
                            text: "Read only. They can't delete anything."  // text key
                            detail: "An assistant sees folder and file names, sizes and Tandor's suggestions. It can't move or delete files: it can only propose them here, and you decide."  // text key
                        }
                        InfoLine {
                            text: "Data leaves this computer only through your AI app."  // text key
                            detail: "When you ask, your AI app (Claude or Codex) sends what it reads from Tandor to its service, under your account. Tandor has no server and sends nothing itself. Turn this off and assistants can't connect."  // text key
                        }
                    }

                    Card {
                        objectName: "setupCard"
                        visible: assistant.enabled
                        spacing: 10

                        Row {
                            spacing: 6
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: Texts.tr("Connect")
                                font.pixelSize: 13
                                font.weight: Font.DemiBold
                                color: Theme.primaryText
                            }
                            InfoButton {
                                anchors.verticalCenter: parent.verticalCenter
                                text: "Your AI app starts Tandor in the background when it needs it. Folders your user account can't read stay hidden from it too."  // text key
                            }
                        }
                        SegmentedPicker {
                            objectName: "clientPicker"
                            // The apps' own names, the same in every language.
                            model: assistant.clients
                            currentIndex: assistant.client
                            onActivated: index => assistant.client = index
                        }
                        Text {
                            objectName: "setupHint"
                            Layout.fillWidth: true
                            text: assistant.hint
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: 11
                            color: Theme.secondaryText
                        }
                        Rectangle {
                            Layout.fillWidth: true
                            implicitHeight: snippetText.implicitHeight + 20
                            radius: 8
                            color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                                           Theme.secondaryText.b, 0.12)
                            TextEdit {
                                id: snippetText
                                objectName: "snippet"
                                x: 10
                                y: 10
                                width: parent.width - 20
                                readOnly: true
                                selectByMouse: true
                                wrapMode: TextEdit.Wrap
                                textFormat: TextEdit.PlainText
                                text: assistant.snippet.length > 0 ? assistant.snippet
                                                                    : assistant.snippetError
                                font.family: "monospace"
                                font.pixelSize: 11
                                color: assistant.snippet.length > 0 ? Theme.primaryText : Theme.red
                            }
                        }
                        Button {
                            id: copyButton
                            objectName: "copySnippet"
                            enabled: assistant.snippet.length > 0
                            text: assistant.copied ? Texts.tr("Copied") : Texts.tr("Copy")
                            contentItem: SymbolLabel {
                                symbol: assistant.copied ? "checkmark" : "doc.on.doc"
                                text: copyButton.text
                            }
                            onClicked: assistant.copySnippet()
                        }
                        Text {
                            Layout.fillWidth: true
                            text: Texts.tr("Then ask, for example: “What fills my disk? Propose what I can clean in Tandor.”")
                            wrapMode: Text.Wrap
                            font.pixelSize: 11
                            color: Theme.secondaryText
                        }
                    }

                    Card {
                        objectName: "proposalCard"
                        visible: assistant.enabled
                        spacing: 10

                        RowLayout {
                            Layout.fillWidth: true
                            Text {
                                text: Texts.tr("Proposed by your assistant")
                                font.pixelSize: 13
                                font.weight: Font.DemiBold
                                color: Theme.primaryText
                            }
                            Item { Layout.fillWidth: true }
                            ActionButton {
                                objectName: "addAllToPile"
                                primary: true
                                visible: assistant.proposalCount > 0
                                text: Texts.tr("Add all to pile")
                                onClicked: assistant.addAllToPile()
                            }
                        }
                        Text {
                            objectName: "nothingYet"
                            visible: assistant.proposalCount === 0
                            text: Texts.tr("Nothing yet.")
                            color: Theme.secondaryText
                        }
                        Text {
                            objectName: "proposalSummary"
                            visible: assistant.proposalCount > 0
                            text: assistant.proposalSummary
                            textFormat: Text.PlainText
                            font.pixelSize: 11
                            color: Theme.secondaryText
                        }
                        // Lazy, with a scroll of its own: an assistant may
                        // propose thousands of items.
                        ListView {
                            id: proposalList
                            objectName: "proposalList"
                            // Once a row is acted on, the list keeps its height
                            // while the sheet is open: every control around it
                            // stays where it was, under the pointer.
                            property real heldHeight: 0
                            function hold() {
                                heldHeight = height
                            }
                            Layout.fillWidth: true
                            Layout.preferredHeight: Math.max(heldHeight, Math.min(contentHeight, 360))
                            visible: assistant.proposalCount > 0
                            clip: true
                            interactive: contentHeight > height
                            boundsBehavior: Flickable.StopAtBounds
                            spacing: 6
                            model: assistant.proposals
                            delegate: ColumnLayout {
                                id: proposal
                                objectName: "proposalRow"
                                required property int index
                                required property string name
                                required property string reason
                                required property string path
                                required property string sizeText
                                width: proposalList.width
                                spacing: 6

                                RowLayout {
                                    Layout.fillWidth: true
                                    spacing: 10
                                    ColumnLayout {
                                        Layout.fillWidth: true
                                        Layout.alignment: Qt.AlignTop
                                        spacing: 2
                                        Text {
                                            Layout.fillWidth: true
                                            text: proposal.name
                                            textFormat: Text.PlainText
                                            elide: Text.ElideRight
                                            color: Theme.primaryText
                                        }
                                        Text {
                                            Layout.fillWidth: true
                                            text: proposal.reason
                                            textFormat: Text.PlainText
                                            wrapMode: Text.Wrap
                                            font.pixelSize: 11
                                            color: Theme.secondaryText
                                        }
                                        Text {
                                            Layout.fillWidth: true
                                            text: proposal.path
                                            textFormat: Text.PlainText
                                            elide: Text.ElideMiddle
                                            font.pixelSize: 10
                                            color: Theme.secondaryText
                                            opacity: 0.8
                                        }
                                    }
                                    Text {
                                        Layout.alignment: Qt.AlignTop
                                        text: proposal.sizeText
                                        color: Theme.secondaryText
                                    }
                                    ToolButton {
                                        objectName: "addProposal"
                                        Layout.alignment: Qt.AlignTop
                                        hoverEnabled: true
                                        ToolTip.visible: hovered
                                        ToolTip.text: Texts.tr("Add to pile")
                                        ToolTip.delay: 600
                                        contentItem: SymbolIcon { name: "tray.and.arrow.down"; size: 16 }
                                        onClicked: {
                                            proposalList.hold()
                                            assistant.addToPile(proposal.index)
                                        }
                                    }
                                    ToolButton {
                                        objectName: "ignoreProposal"
                                        Layout.alignment: Qt.AlignTop
                                        hoverEnabled: true
                                        ToolTip.visible: hovered
                                        ToolTip.text: Texts.tr("Ignore")
                                        ToolTip.delay: 600
                                        contentItem: SymbolIcon { name: "xmark.circle"; size: 16 }
                                        onClicked: {
                                            proposalList.hold()
                                            assistant.ignore(proposal.index)
                                        }
                                    }
                                }
                                Rectangle {
                                    Layout.fillWidth: true
                                    implicitHeight: 1
                                    color: Theme.secondaryText
                                    opacity: 0.3
                                }
                            }
                        }
                    }

                    Item { implicitHeight: 4 }
                }
            }
        }
    }
}
