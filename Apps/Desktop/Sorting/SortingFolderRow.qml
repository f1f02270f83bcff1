import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One sorting folder of the panel: its label, whether Move goes there and
// whether it is due, the file manager, the finish button of a temporary
// folder, and the menu that changes its fate or stops tracking it.
Rectangle {
    id: row

    property SortingFolderList folders: null
    // A row of SortingFolderList.folders, at this index.
    property var folder: ({})
    property int row: -1

    objectName: "sortingFolderRow"
    implicitHeight: layout.implicitHeight + 16
    radius: 10
    color: folder.destination ? Qt.rgba(SortingPalette.move.r, SortingPalette.move.g,
                                        SortingPalette.move.b, 0.08)
                              : "transparent"

    component Capsule: Label {
        property color tint
        leftPadding: 6
        rightPadding: 6
        topPadding: 2
        bottomPadding: 2
        font.pixelSize: 10
        font.weight: Font.DemiBold
        color: tint
        background: Rectangle {
            radius: height / 2
            color: Qt.rgba(parent.tint.r, parent.tint.g, parent.tint.b, 0.18)
        }
    }

    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.margins: 8
        spacing: 10

        // Its own width while there is room; a long name elides.
        SortingFolderLabel {
            Layout.fillWidth: true
            Layout.maximumWidth: implicitWidth
            folder: row.folder
        }
        Capsule {
            visible: row.folder.destination
            text: Texts.tr("↑ goes here")
            tint: SortingPalette.move
        }
        Capsule {
            objectName: "readyCapsule"
            visible: row.folder.due
            text: Texts.tr("Ready")
            tint: Theme.gold
        }
        Item { Layout.fillWidth: true }
        Button {
            objectName: "revealFolder"
            flat: true
            focusPolicy: Qt.NoFocus
            hoverEnabled: true
            Accessible.name: Texts.tr("Show in File Manager")
            ToolTip.visible: hovered
            ToolTip.delay: 600
            ToolTip.text: Texts.tr("Show in File Manager")
            contentItem: SymbolIcon { name: "magnifyingglass" }
            onClicked: row.folders.reveal(row.row)
        }
        Button {
            objectName: "finishFolder"
            visible: row.folder.temporary
            enabled: visible && row.folder.finishEnabled
            focusPolicy: Qt.NoFocus
            text: row.folder.finishTitle || ""
            onClicked: row.folders.finish(row.row)
        }
        Button {
            id: menuButton
            objectName: "folderMenu"
            flat: true
            focusPolicy: Qt.NoFocus
            Accessible.name: Texts.tr("More")
            contentItem: SymbolIcon { name: "ellipsis.circle" }
            onClicked: menu.popup(menuButton, 0, menuButton.height)

            Menu {
                id: menu
                MenuItem {
                    text: Texts.tr("Use for ↑")
                    onTriggered: row.folders.useForMove(row.row)
                }
                MenuSeparator { visible: row.folder.temporary; height: visible ? implicitHeight : 0 }
                MenuItem {
                    visible: row.folder.temporary
                    enabled: visible
                    height: visible ? implicitHeight : 0
                    text: Texts.tr("Keep as a Normal Folder")
                    onTriggered: row.folders.setFate(row.row, "keep", 0)
                }
                MenuItem {
                    objectName: "moveFilesOn"
                    visible: row.folder.temporary
                    enabled: visible
                    height: visible ? implicitHeight : 0
                    text: Texts.tr("Move Files to Another Folder…")
                    onTriggered: row.folders.chooseMoveOnTarget(row.row)
                }
                MenuItem {
                    visible: row.folder.temporary
                    enabled: visible
                    height: visible ? implicitHeight : 0
                    text: Texts.tr("Offer for the Pile in 7 Days")
                    onTriggered: row.folders.setFate(row.row, "pile", 7)
                }
                MenuItem {
                    visible: row.folder.temporary
                    enabled: visible
                    height: visible ? implicitHeight : 0
                    text: Texts.tr("Offer for the Pile in 30 Days")
                    onTriggered: row.folders.setFate(row.row, "pile", 30)
                }
                MenuSeparator {}
                MenuItem {
                    text: Texts.tr("Stop Tracking")
                    onTriggered: row.folders.forget(row.row)
                }
            }
        }
    }
}
