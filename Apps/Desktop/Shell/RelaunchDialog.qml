import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// Offers to restart Tandor so that a new language choice takes effect.
Dialog {
    id: dialog

    objectName: "relaunchDialog"
    modal: true
    anchors.centerIn: Overlay.overlay
    title: Texts.tr("Restart Tandor?")

    Label {
        width: 300
        text: Texts.tr("Tandor shows the new language after a restart.")
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
