import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The entries of a menu that shows and changes the Move destination: the
// sorting folders, then "Choose a Folder…" and "New Sorting Folder…".
Menu {
    id: menu

    property SortingFolderList folders: null

    // "New Sorting Folder…" was chosen: the owner opens its sheet.
    signal creating()

    Instantiator {
        model: menu.folders ? menu.folders.folders : []
        delegate: MenuItem {
            required property var modelData
            required property int index
            text: modelData.name
            checkable: true
            checked: modelData.destination
            onTriggered: menu.folders.useForMove(index)
        }
        onObjectAdded: (index, object) => menu.insertItem(index, object)
        onObjectRemoved: (index, object) => menu.removeItem(object)
    }
    MenuSeparator {
        visible: menu.folders !== null && menu.folders.folders.length > 0
        height: visible ? implicitHeight : 0
    }
    MenuItem {
        text: Texts.tr("Choose a Folder…")
        onTriggered: menu.folders.chooseOwnFolder()
    }
    MenuItem {
        text: Texts.tr("New Sorting Folder…")
        onTriggered: menu.creating()
    }
}
