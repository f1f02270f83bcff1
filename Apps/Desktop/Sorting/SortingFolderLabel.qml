import QtQuick
import Tandor
import Tandor.Shared

// A sorting folder's icon, name and one line of detail: its file count and
// what happens to it next.
Row {
    id: label

    // A row of SortingFolderList.folders.
    property var folder: ({})

    spacing: 10

    SymbolIcon {
        anchors.verticalCenter: parent.verticalCenter
        width: 26
        name: label.folder.temporary ? "folder.badge.gearshape" : "folder"
        size: 20
        color: SortingPalette.move
    }
    Column {
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
        Text {
            text: label.folder.name || ""
            textFormat: Text.PlainText
            font.weight: Font.Medium
            elide: Text.ElideRight
            color: Theme.primaryText
        }
        Text {
            text: label.folder.detail || ""
            textFormat: Text.PlainText
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }
}
