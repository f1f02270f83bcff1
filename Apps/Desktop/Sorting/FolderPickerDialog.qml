import QtQuick
import QtQuick.Dialogs
import Tandor

// The folder dialog that answers a folder chooser. FolderChooserDialog loads
// it at the chooser's first request, so the dialogs module is read only then.
FolderDialog {
    id: dialog

    property DialogFolderChooser chooser: null

    onAccepted: dialog.chooser.accept(selectedFolder)
    onRejected: dialog.chooser.cancel()
}
