import QtQuick
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// A sorting folder's icon, name and one line of detail: its file count and
// what happens to it next. Given less width than its texts take, they elide.
RowLayout {
    id: label

    // A row of SortingFolderList.folders.
    property var folder: ({})

    spacing: 10

    SymbolIcon {
        Layout.preferredWidth: 26
        name: label.folder.temporary ? "folder.badge.gearshape" : "folder"
        size: 20
        color: SortingPalette.move
    }
    ColumnLayout {
        Layout.fillWidth: true
        spacing: 2
        Text {
            Layout.fillWidth: true
            text: label.folder.name || ""
            textFormat: Text.PlainText
            font.weight: Font.Medium
            elide: Text.ElideRight
            color: Theme.primaryText
        }
        Text {
            Layout.fillWidth: true
            text: label.folder.detail || ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }
}
