import QtQuick
import QtQuick.Dialogs
import Tandor

// Shows the folder dialog for each request of the application's folder
// chooser and hands the answer back to it.
Item {
    id: host

    property DialogFolderChooser chooser: null

    Connections {
        target: host.chooser
        function onRequested() {
            dialog.acceptLabel = host.chooser.prompt
            dialog.open()
        }
    }

    FolderDialog {
        id: dialog
        onAccepted: host.chooser.accept(selectedFolder)
        onRejected: host.chooser.cancel()
    }
}
