import QtQuick
import Tandor

// Shows the folder dialog for each request of the application's folder
// chooser and hands the answer back to it.
Item {
    id: host

    property DialogFolderChooser chooser: null

    Connections {
        target: host.chooser
        function onRequested() {
            dialog.active = true
            dialog.item.chooser = host.chooser
            dialog.item.acceptLabel = host.chooser.prompt
            dialog.item.currentFolder = host.chooser.startFolder
            dialog.item.open()
        }
    }

    Loader {
        id: dialog
        active: false
        source: "FolderPickerDialog.qml"
    }
}
