import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Automations pane: the last message, the automations that are on with
// "Run now", and the proposed ones, each previewed before it can be turned
// on. The proposals are refreshed each time the pane is built and whenever
// the scan's suggestions change.
Item {
    id: view

    property ScanModel scanModel: null
    readonly property bool hasTree: scanModel !== null && scanModel.hasRoot

    Component.onCompleted: SmartModel.refresh(view.scanModel)

    Connections {
        target: view.scanModel
        function onSuggestionsChanged() { SmartModel.refresh(view.scanModel) }
    }

    component SectionHeader: Text {
        font.pixelSize: 12
        font.weight: Font.DemiBold
        color: Theme.secondaryText
    }

    ScrollView {
        id: scroll
        anchors.fill: parent
        contentWidth: availableWidth

        ColumnLayout {
            width: scroll.availableWidth - 24
            x: 12
            spacing: 10

            Text {
                objectName: "smartMessage"
                visible: SmartModel.message.length > 0
                Layout.fillWidth: true
                Layout.topMargin: 6
                text: SmartModel.message
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pixelSize: 12
                color: Theme.secondaryText
            }

            SectionHeader {
                Layout.topMargin: 6
                text: Texts.tr("On")
            }
            Glass {
                Layout.fillWidth: true
                cornerRadius: 12
                implicitHeight: onColumn.implicitHeight + 24

                ColumnLayout {
                    id: onColumn
                    x: 12
                    y: 12
                    width: parent.width - 24
                    spacing: 10

                    Text {
                        visible: SmartModel.enabledRows.length === 0
                        text: Texts.tr("No automation is on yet.")
                        color: Theme.secondaryText
                    }
                    Repeater {
                        model: SmartModel.enabledRows
                        delegate: EnabledAutomationRow {
                            objectName: "enabledAutomationRow"
                            Layout.fillWidth: true
                        }
                    }
                    ActionButton {
                        objectName: "runNowButton"
                        visible: SmartModel.enabledRows.length > 0 && view.hasTree
                        text: Texts.tr("Run now")
                        enabled: !SmartModel.running
                        onClicked: SmartModel.runNow(view.scanModel)
                    }
                }
            }

            SectionHeader {
                text: Texts.tr("Suggested")
            }
            Glass {
                Layout.fillWidth: true
                cornerRadius: 12
                implicitHeight: suggestedColumn.implicitHeight + 24

                ColumnLayout {
                    id: suggestedColumn
                    x: 12
                    y: 12
                    width: parent.width - 24
                    spacing: 14

                    Text {
                        visible: SmartModel.proposalRows.length === 0
                        text: Texts.tr("Nothing yet. Tandor learns from your cleanups.")
                        color: Theme.secondaryText
                    }
                    Repeater {
                        model: SmartModel.proposalRows
                        delegate: ProposalCard {
                            objectName: "proposalCard"
                            Layout.fillWidth: true
                            scanModel: view.scanModel
                        }
                    }
                }
            }
            InfoLine {
                Layout.bottomMargin: 12
                text: "Only fills the pile" // text key
                detail: "Automations only fill the pile. Nothing moves until you confirm it, and everything goes to the Trash." // text key
                font.pixelSize: 11
                color: Theme.secondaryText
            }
        }
    }
}
