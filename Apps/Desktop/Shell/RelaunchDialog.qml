import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// Offers to restart Tandor so that a new language choice takes effect. The
// pile lives only in memory: the dialog says so when the restart would empty it.
Dialog {
    id: dialog

    readonly property bool pileWillEmpty: ScanModel.pileCount > 0

    objectName: "relaunchDialog"
    modal: true
    anchors.centerIn: Overlay.overlay
    title: Texts.tr("Restart Tandor?")
    // Fixed, so that a message long enough to wrap does not feed its width back.
    contentWidth: 300

    Label {
        objectName: "relaunchMessage"
        width: dialog.availableWidth
        text: Texts.tr("Tandor shows the new language after a restart.")
              + (dialog.pileWillEmpty
                 ? " " + Texts.tr("Restarting empties the pile; nothing on it is moved to the Trash.")
                 : "")
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
    }

    footer: DialogButtonBox {
        Button {
            text: Texts.tr("Later")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
        ActionButton {
            text: Texts.tr("Restart Now")
            primary: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }

    onAccepted: ShellSettings.relaunch()
}
