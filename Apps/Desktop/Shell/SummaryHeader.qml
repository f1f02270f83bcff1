import QtQuick
import Tandor
import Tandor.Shared

// The summary panel above the results: how much the
// suggestions could free, the same split by category, and how many folders
// the scan could not read.
Item {
    id: header

    property ScanModel scanModel: null

    implicitHeight: panel.height + 24

    Glass {
        id: panel
        x: 12
        y: 12
        width: header.width - 24
        height: stack.height + 28
        cornerRadius: 14

        Column {
            id: stack
            x: 14
            y: 14
            width: panel.width - 28
            spacing: 8

            HeadlineNumber {
                objectName: "headline"
                value: header.scanModel ? header.scanModel.recoverableText : ""
                caption: "You could free"  // text key
            }
            CategoryBar {
                width: stack.width
                scanModel: header.scanModel
            }
            FullDiskAccessHint {
                objectName: "headerHint"
                width: stack.width
                visible: header.scanModel !== null && header.scanModel.inaccessibleCount > 0
                skippedFolders: header.scanModel ? header.scanModel.inaccessibleCount : 0
            }
        }
    }
}
