import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The History tab's collapsible list of the newest moves into sorting folders,
// each with Put Back. Shows nothing at all until a first move is recorded.
ColumnLayout {
    id: section

    property SortingModel sorting: null
    property bool expanded: false

    readonly property SortingMoveList moves: sorting ? sorting.moveList : null

    visible: moves !== null && !moves.isEmpty
    spacing: 0

    Component.onCompleted: if (sorting) sorting.reload()

    AbstractButton {
        id: disclosure
        objectName: "sortingMovesHeader"
        Layout.fillWidth: true
        Layout.leftMargin: 16
        Layout.rightMargin: 16
        Layout.topMargin: 8
        Layout.bottomMargin: section.expanded ? 0 : 8
        Accessible.name: moves ? moves.title : ""
        onClicked: section.expanded = !section.expanded

        contentItem: RowLayout {
            spacing: 6
            SymbolIcon {
                name: "chevron.right"
                size: 11
                color: Theme.secondaryText
                rotation: section.expanded ? 90 : 0
                Behavior on rotation { NumberAnimation { duration: 150 } }
            }
            SymbolLabel {
                symbol: "folder.badge.gearshape"
                text: section.moves ? section.moves.title : ""
                font.pixelSize: 13
                font.weight: Font.DemiBold
            }
            Item { Layout.fillWidth: true }
        }
        background: null
    }

    ColumnLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 16
        Layout.rightMargin: 16
        Layout.topMargin: 6
        Layout.bottomMargin: 8
        visible: section.expanded
        spacing: 4

        Repeater {
            model: section.moves

            delegate: RowLayout {
                id: row
                required property int index
                required property string name
                required property string folderText
                required property bool undone

                Layout.fillWidth: true
                Layout.topMargin: 2
                Layout.bottomMargin: 2
                spacing: 10

                Item {
                    implicitWidth: 18
                    implicitHeight: 16
                    SymbolIcon {
                        anchors.centerIn: parent
                        name: row.undone ? "arrow.uturn.backward.circle" : "folder"
                        size: 15
                        color: row.undone ? Theme.secondaryText : SortingPalette.move
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 1
                    Text {
                        Layout.fillWidth: true
                        text: row.name
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        maximumLineCount: 1
                        color: Theme.primaryText
                    }
                    Text {
                        Layout.fillWidth: true
                        text: row.folderText
                        textFormat: Text.PlainText
                        elide: Text.ElideMiddle
                        maximumLineCount: 1
                        font.pixelSize: 11
                        color: Theme.secondaryText
                    }
                }
                Button {
                    objectName: "putBackMove"
                    visible: !row.undone
                    text: Texts.tr("Put Back")
                    font.pixelSize: 11
                    onClicked: section.moves.putBack(row.index)
                }
                Text {
                    visible: row.undone
                    text: Texts.tr("Put back")
                    font.pixelSize: 11
                    color: Theme.secondaryText
                }
            }
        }

        Text {
            objectName: "sortingMessage"
            Layout.fillWidth: true
            visible: section.sorting !== null && section.sorting.message.length > 0
            text: section.sorting ? section.sorting.message : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }
}
