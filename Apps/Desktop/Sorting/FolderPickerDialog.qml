import QtQuick
import QtQuick.Dialogs
import Tandor

// The folder dialog that answers a folder chooser. FolderChooserDialog loads
// it at the chooser's first request, so the dialogs module is read only then.
FolderDialog {
    id: dialog

    property DialogFolderChooser chooser: null

    // The folder shown, as the accepting button ("Use This Folder") says;
    // selectedFolder would be the highlighted child inside it.
    onAccepted: dialog.chooser.accept(currentFolder)
    onRejected: dialog.chooser.cancel()
}
