import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The sorting folders under the deck picker: what they are, how sorting
// works, adding one, and one row per folder with its fate, its finish button
// and its menu; the sorting model's last message underneath.
Glass {
    id: panel

    property SortingFolderList folders: null
    readonly property SortingModel sorting: folders && folders.scanModel
                                            ? folders.scanModel.swipe.sorting : null

    signal tutorial()

    cornerRadius: 14
    implicitHeight: column.implicitHeight + 28

    Component.onCompleted: if (folders) folders.reload()

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 14
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            Text {
                text: Texts.tr("Sorting folders")
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
            InfoButton {
                text: Texts.tr("Press ↑ while swiping to move a file into a folder. Use one of your folders, or let Tandor make a sorting folder and decide later what happens to it. Every move can be put back from History.")
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "howItWorks"
                flat: true
                focusPolicy: Qt.NoFocus
                contentItem: SymbolLabel {
                    symbol: "questionmark.circle"
                    text: Texts.tr("How it works")
                }
                onClicked: panel.tutorial()
            }
            Button {
                id: addButton
                objectName: "addFolder"
                flat: true
                focusPolicy: Qt.NoFocus
                text: Texts.tr("Add")
                onClicked: addMenu.popup(addButton, 0, addButton.height)

                DestinationMenuItems {
                    id: addMenu
                    folders: panel.folders
                    onCreating: newFolder.open()
                }
            }
        }
        Text {
            objectName: "noFolders"
            visible: panel.folders !== null && panel.folders.folders.length === 0
            topPadding: 4
            bottomPadding: 4
            text: Texts.tr("No folders yet. Press ↑ on a card to start sorting.")
            color: Theme.secondaryText
        }
        Repeater {
            model: panel.folders ? panel.folders.folders : []
            SortingFolderRow {
                required property var modelData
                required property int index
                Layout.fillWidth: true
                folders: panel.folders
                folder: modelData
                row: index
            }
        }
        Text {
            objectName: "sortingPanelMessage"
            Layout.fillWidth: true
            visible: text.length > 0
            text: panel.sorting ? panel.sorting.message : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }

    NewSortingFolderSheet {
        id: newFolder
        folders: panel.folders
        onDone: newFolder.close()
    }
}
