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

    Component.onCompleted: {
        if (folders) {
            folders.reload()
        }
        syncRows()
    }

    // Brings the rows in line with the folders one by one, so that only a row
    // that comes or goes is animated.
    function syncRows() {
        const list = folders ? folders.folders : []
        const ids = list.map(folder => folder.id)
        for (let i = rows.count - 1; i >= 0; --i) {
            if (ids.indexOf(rows.get(i).folderId) < 0) {
                rows.remove(i)
            }
        }
        for (let i = 0; i < ids.length; ++i) {
            let at = i
            while (at < rows.count && rows.get(at).folderId !== ids[i]) {
                ++at
            }
            if (at === rows.count) {
                rows.insert(i, { folderId: ids[i], folder: list[i] })
            } else {
                if (at !== i) {
                    rows.move(at, i, 1)
                }
                rows.set(i, { folder: list[i] })
            }
        }
    }

    Connections {
        target: panel.folders
        function onChanged() { panel.syncRows() }
    }

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
        ListView {
            id: rowList
            Layout.fillWidth: true
            Layout.preferredHeight: contentHeight
            // The last row stays in sight while it leaves.
            visible: count > 0 || lastLeaving.running
            interactive: false
            spacing: 10
            model: ListModel {
                id: rows
            }
            delegate: SortingFolderRow {
                required property int index
                required property var model
                width: ListView.view.width
                folders: panel.folders
                folder: model.folder
                row: index
            }

            // Rows slide in from the top edge and fade in, and leave the same
            // way; the others make room. Reduce motion shows the change at once.
            readonly property bool animated: !ShellSettings.reduceMotion
            onCountChanged: if (count === 0 && animated) lastLeaving.restart()
            Timer {
                id: lastLeaving
                interval: 250
            }
            add: Transition {
                id: adding
                enabled: rowList.animated
                NumberAnimation {
                    property: "opacity"
                    from: 0
                    to: 1
                    duration: 250
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    property: "y"
                    from: adding.ViewTransition.destination.y - adding.ViewTransition.item.height
                    duration: 250
                    easing.type: Easing.OutQuad
                }
            }
            remove: Transition {
                id: removing
                enabled: rowList.animated
                NumberAnimation {
                    property: "opacity"
                    to: 0
                    duration: 250
                    easing.type: Easing.OutQuad
                }
                NumberAnimation {
                    property: "y"
                    to: removing.ViewTransition.item.y - removing.ViewTransition.item.height
                    duration: 250
                    easing.type: Easing.OutQuad
                }
            }
            displaced: Transition {
                enabled: rowList.animated
                NumberAnimation {
                    property: "y"
                    duration: 250
                    easing.type: Easing.OutQuad
                }
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
