import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The History tab: every cleanup as a session of the items it moved to the
// Trash, with each item's state and Put Back, one item or a whole session at a
// time; above them the moves into sorting folders. It reads the history when
// shown, on Refresh, after each restore and after every commit of the pile.
// While the start-up recovery of a cleanup cut short runs, it neither reads
// nor restores, and reads once the recovery has ended.
Item {
    id: view

    property ScanModel scanModel: null
    readonly property bool recovering: scanModel !== null && scanModel.recoveringHistory

    HistoryModel {
        id: history
        objectName: "historyModel"
    }

    Component.onCompleted: {
        if (!view.recovering) {
            history.reload()
        }
    }

    // Every commit, also one whose message reads as the last one did.
    Connections {
        target: view.scanModel
        function onLastMovedPathsChanged() { history.reload() }
        function onRecoveringHistoryChanged() {
            if (!view.recovering) {
                history.reload()
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 16
            spacing: 8

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: 4

                Text {
                    text: Texts.tr("History")
                    font.pixelSize: 20
                    font.weight: Font.DemiBold
                    color: Theme.primaryText
                }
                Text {
                    objectName: "historySummary"
                    Layout.fillWidth: true
                    // Nothing read yet while the recovery runs.
                    text: view.recovering ? "" : history.summary
                    wrapMode: Text.Wrap
                    color: Theme.secondaryText
                }
                Text {
                    objectName: "historyMessage"
                    Layout.fillWidth: true
                    visible: history.message.length > 0
                    text: history.message
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    font.pixelSize: 11
                    color: Theme.secondaryText
                }
            }
            Button {
                id: refresh
                objectName: "historyRefresh"
                Layout.alignment: Qt.AlignTop
                text: Texts.tr("Refresh")
                enabled: !view.recovering
                hoverEnabled: true
                ToolTip.visible: hovered
                ToolTip.text: Texts.tr("Check the Trash again")
                ToolTip.delay: 600
                contentItem: SymbolLabel {
                    symbol: "arrow.clockwise"
                    text: refresh.text
                    color: refresh.enabled ? Theme.primaryText : Theme.secondaryText
                }
                onClicked: history.reload()
            }
        }

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.secondaryText
            opacity: 0.3
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            Text {
                objectName: "historyRecovering"
                anchors.fill: parent
                anchors.margins: 16
                visible: view.recovering
                text: Texts.tr("Finishing the last cleanup…")
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                color: Theme.secondaryText
            }

            Text {
                objectName: "historyLoadError"
                anchors.fill: parent
                anchors.margins: 16
                visible: !view.recovering && history.loadError.length > 0
                text: history.loadError
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                color: Theme.red
            }

            ListView {
                id: list
                objectName: "historyList"
                anchors.fill: parent
                visible: !view.recovering && history.loadError.length === 0
                clip: true
                model: history
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}

                // The moves scroll with the cleanups: opened, they may be
                // taller than the window.
                header: SortingMovesSection {
                    objectName: "sortingMovesSection"
                    width: list.width
                    height: visible ? implicitHeight : 0
                    sorting: view.scanModel ? view.scanModel.swipe.sorting : null
                }

                // Below the moves, in the rest of the height.
                footer: Item {
                    width: list.width
                    visible: !history.hasSessions
                    implicitHeight: visible ? Math.max(emptyState.implicitHeight + 80,
                                                       list.height - (list.headerItem
                                                                      ? list.headerItem.height : 0))
                                            : 0

                    ColumnLayout {
                        id: emptyState
                        objectName: "historyEmptyState"
                        anchors.centerIn: parent
                        width: Math.min(parent.width - 80, 420)
                        spacing: 12

                        SymbolIcon {
                            Layout.alignment: Qt.AlignHCenter
                            name: "clock.arrow.circlepath"
                            size: 40
                            color: Theme.secondaryText
                        }
                        Text {
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignHCenter
                            text: Texts.tr("No cleanups yet.")
                            font.pixelSize: 17
                            color: Theme.primaryText
                        }
                        Text {
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.Wrap
                            text: Texts.tr("Anything you remove can be put back.")
                            color: Theme.secondaryText
                        }
                    }
                }

                delegate: Loader {
                    id: entry
                    required property int index
                    required property bool isSession
                    required property string dateText
                    required property string itemsText
                    required property string restoredText
                    required property int restorableCount
                    required property string name
                    required property string path
                    required property string ruleTitle
                    required property string sizeText
                    required property string status
                    required property string help
                    required property bool canShowInTrash

                    x: 12
                    width: ListView.view.width - 24
                    sourceComponent: isSession ? sessionHeader : historyRow

                    Component {
                        id: sessionHeader
                        RowLayout {
                            objectName: "sessionHeader"
                            spacing: 6

                            Text {
                                Layout.topMargin: 14
                                Layout.bottomMargin: 4
                                text: entry.dateText
                                font.weight: Font.DemiBold
                                color: Theme.primaryText
                            }
                            Text {
                                Layout.topMargin: 14
                                Layout.bottomMargin: 4
                                text: entry.itemsText
                                color: Theme.secondaryText
                            }
                            Text {
                                Layout.topMargin: 14
                                Layout.bottomMargin: 4
                                visible: entry.restoredText.length > 0
                                text: entry.restoredText
                                color: Theme.secondaryText
                            }
                            Item { Layout.fillWidth: true }
                            Button {
                                objectName: "restoreAll"
                                Layout.topMargin: 10
                                visible: entry.restorableCount >= 2
                                text: Texts.tr("Restore All (%lld)", [entry.restorableCount])
                                font.pixelSize: 11
                                onClicked: history.restoreRow(entry.index)
                            }
                        }
                    }

                    Component {
                        id: historyRow
                        RowLayout {
                            id: row
                            objectName: "historyRow"
                            spacing: 10

                            readonly property bool restorable: entry.status === "restorable"

                            HoverHandler { id: hover }
                            TapHandler {
                                acceptedButtons: Qt.RightButton
                                onTapped: rowMenu.popup()
                            }
                            PlainToolTip {
                                text: entry.help
                                visible: hover.hovered
                                delay: 600
                            }
                            Menu {
                                id: rowMenu
                                objectName: "historyRowMenu"
                                MenuItem {
                                    objectName: "showInTrash"
                                    text: Texts.tr("Show in Trash")
                                    enabled: entry.canShowInTrash
                                    onTriggered: history.showInTrash(entry.index)
                                }
                                MenuItem {
                                    objectName: "showOriginalLocation"
                                    text: Texts.tr("Show Original Location")
                                    onTriggered: history.showOriginalLocation(entry.index)
                                }
                            }

                            Item {
                                implicitWidth: 18
                                implicitHeight: 16
                                SymbolIcon {
                                    anchors.centerIn: parent
                                    name: entry.status === "restored" ? "arrow.uturn.backward.circle"
                                                                      : "trash"
                                    size: 15
                                    color: Theme.secondaryText
                                    opacity: row.restorable ? 1 : 0.5
                                }
                            }
                            ColumnLayout {
                                Layout.fillWidth: true
                                Layout.topMargin: 3
                                Layout.bottomMargin: 3
                                spacing: 2
                                Text {
                                    Layout.fillWidth: true
                                    text: entry.name
                                    textFormat: Text.PlainText
                                    elide: Text.ElideRight
                                    maximumLineCount: 1
                                    color: Theme.primaryText
                                }
                                Text {
                                    Layout.fillWidth: true
                                    text: entry.path
                                    textFormat: Text.PlainText
                                    elide: Text.ElideMiddle
                                    maximumLineCount: 1
                                    font.pixelSize: 11
                                    color: Theme.secondaryText
                                }
                                Text {
                                    Layout.fillWidth: true
                                    visible: entry.ruleTitle.length > 0
                                    text: entry.ruleTitle
                                    textFormat: Text.PlainText
                                    font.pixelSize: 10
                                    color: Theme.secondaryText
                                    opacity: 0.7
                                }
                            }
                            Text {
                                Layout.preferredWidth: 80
                                horizontalAlignment: Text.AlignRight
                                text: entry.sizeText
                                color: Theme.secondaryText
                            }
                            Item {
                                Layout.preferredWidth: 150
                                implicitHeight: Math.max(putBack.implicitHeight, 20)

                                Button {
                                    id: putBack
                                    objectName: "putBack"
                                    anchors.right: parent.right
                                    anchors.verticalCenter: parent.verticalCenter
                                    visible: row.restorable
                                    text: Texts.tr("Put Back")
                                    onClicked: history.restoreRow(entry.index)
                                }
                                SymbolLabel {
                                    anchors.right: parent.right
                                    anchors.verticalCenter: parent.verticalCenter
                                    visible: entry.status === "restored"
                                    symbol: "checkmark"
                                    text: Texts.tr("Put back")
                                    font.pixelSize: 11
                                    color: Theme.palette.highlight
                                }
                                Text {
                                    anchors.right: parent.right
                                    anchors.verticalCenter: parent.verticalCenter
                                    visible: entry.status === "missingFromTrash"
                                    text: Texts.tr("Trash emptied")
                                    font.pixelSize: 11
                                    color: Theme.secondaryText
                                }
                                Text {
                                    anchors.right: parent.right
                                    anchors.verticalCenter: parent.verticalCenter
                                    visible: entry.status === "originalPathTaken"
                                    text: Texts.tr("Location in use")
                                    font.pixelSize: 11
                                    color: Theme.orange
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
