import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The Move button of the card stack and the menu beside it that shows and
// changes where Move puts files; the sorting model's message hangs below.
Row {
    id: control

    property SortingFolderList folders: null
    readonly property SortingModel sorting: folders && folders.scanModel
                                            ? folders.scanModel.swipe.sorting : null

    readonly property bool sheetOpen: newFolder.opened

    signal move()

    spacing: 2

    Button {
        objectName: "moveButton"
        focusPolicy: Qt.NoFocus
        hoverEnabled: true
        text: Texts.tr("Move")
        ToolTip.visible: hovered
        ToolTip.delay: 600
        ToolTip.text: control.folders && control.folders.destinationName.length > 0
                      ? Texts.tr("Move to %@ (↑)", [control.folders.destinationName])
                      : Texts.tr("Move to a folder (↑)")
        contentItem: Row {
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "arrow.up"
                color: SortingPalette.move
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: Texts.tr("Move")
                color: SortingPalette.move
            }
        }
        onClicked: control.move()
    }
    Button {
        id: menuButton
        objectName: "destinationMenu"
        flat: true
        focusPolicy: Qt.NoFocus
        hoverEnabled: true
        ToolTip.visible: hovered
        ToolTip.delay: 600
        ToolTip.text: Texts.tr("Where Move puts files")
        // A long folder name elides rather than widen the row of controls:
        // the button sizes its label, so the limit is on the button.
        implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                                Math.min(implicitContentWidth, 140) + leftPadding + rightPadding)
        contentItem: Text {
            text: control.folders && control.folders.destinationName.length > 0
                  ? control.folders.destinationName : Texts.tr("Choose folder")
            textFormat: Text.PlainText
            elide: Text.ElideRight
            maximumLineCount: 1
            color: Theme.primaryText
        }
        onClicked: menu.popup(menuButton, 0, menuButton.height)

        DestinationMenuItems {
            id: menu
            folders: control.folders
            onCreating: newFolder.open()
        }
    }

    NewSortingFolderSheet {
        id: newFolder
        folders: control.folders
        onDone: newFolder.close()
    }
}
