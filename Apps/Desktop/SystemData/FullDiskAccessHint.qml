import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One line after a scan or a measurement that skipped folders: how many, and
// why. "Open Settings" shows only where the platform has a settings page for
// disk access.
RowLayout {
    id: hint

    property int skippedFolders: 0

    spacing: 8

    SymbolIcon {
        Layout.alignment: Qt.AlignVCenter
        name: "lock.shield"
        size: 16
        color: Theme.orange
    }
    Text {
        objectName: "fullDiskAccessHintText"
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignVCenter
        text: Texts.tr("%lld folders could not be read. Your user account may not have permission to read them.",
                       [hint.skippedFolders])
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 11
        color: Theme.secondaryText
    }
    Button {
        objectName: "openSettings"
        visible: FullDiskAccessLink.settingsURL.length > 0
        text: Texts.tr("Open Settings")
        font.pixelSize: 11
        onClicked: FullDiskAccessLink.openSettings()
    }
}
