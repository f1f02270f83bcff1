import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Browse tab: breadcrumbs, the disk map and the list of the open folder.
// Shows nothing until a scan model with a tree is set.
Item {
    id: view

    // The scan whose tree is browsed.
    property QtObject scanModel: null
    // The navigation shared by the map and the list.
    readonly property BrowseState browse: state

    BrowseState {
        id: state
        scanModel: view.scanModel
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        visible: state.hasTree

        BrowseBar {
            Layout.fillWidth: true
            browse: state
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: palette.mid
            opacity: 0.5
        }

        SplitView {
            id: split
            Layout.fillWidth: true
            Layout.fillHeight: true
            orientation: Qt.Vertical

            // In a short window the map starts smaller, so that the list
            // keeps its own minimum height.
            Item {
                visible: state.showMap
                SplitView.minimumHeight: 120 + 16
                SplitView.preferredHeight: Math.max(120 + 16, Math.min(220 + 16, split.height - 160))
                SplitView.maximumHeight: 360 + 16

                DiskMapItem {
                    id: map
                    objectName: "diskMap"
                    anchors.fill: parent
                    anchors.margins: 8
                    browse: state
                    primaryColor: palette.windowText
                    secondaryColor: Qt.alpha(palette.windowText, 0.55)

                    Accessible.role: Accessible.Graphic
                    Accessible.name: Texts.tr("Disk map")
                    Accessible.description: Texts.tr("The list below shows the same items.")

                    HoverHandler {
                        id: mapHover
                    }
                    ToolTip.visible: mapHover.hovered
                    ToolTip.delay: 1000
                    ToolTip.text: Texts.tr("Click a folder to open it, click the top row to go up")

                    onMenuRequested: cell => {
                        cellMenu.cell = cell
                        cellMenu.inPile = state.cellInPile(cell)
                        cellMenu.isProtected = state.cellIsProtected(cell)
                        cellMenu.popup()
                    }

                    NodeMenu {
                        id: cellMenu
                        objectName: "cellMenu"
                        // The index of the cell in the browser's cells.
                        property int cell: -1
                        onAddToPile: state.addCellToPile(cell)
                        onShowInFileManager: state.showCellInFileManager(cell)
                    }
                }
            }

            FolderView {
                SplitView.minimumHeight: 150
                SplitView.fillHeight: true
                browse: state
            }
        }
    }
}
