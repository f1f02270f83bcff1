import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One automation that is on: its title and summary, "Turn off", and either
// why it is paused or when it last ran.
ColumnLayout {
    id: row

    required property int index
    required property var modelData

    spacing: 4

    RowLayout {
        Layout.fillWidth: true
        Text {
            Layout.fillWidth: true
            text: row.modelData.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Theme.primaryText
        }
        ActionButton {
            objectName: "turnOffButton"
            text: Texts.tr("Turn off")
            onClicked: SmartModel.disable(row.index)
        }
    }
    Text {
        Layout.fillWidth: true
        text: row.modelData.summary
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 12
        color: Theme.secondaryText
    }
    RowLayout {
        visible: row.modelData.pausedText.length > 0
        Layout.fillWidth: true
        spacing: 4
        SymbolIcon {
            name: "pause.circle"
            size: 12
            color: Theme.orange
        }
        Text {
            objectName: "pausedText"
            Layout.fillWidth: true
            text: row.modelData.pausedText
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.orange
        }
    }
    Text {
        visible: row.modelData.pausedText.length === 0 && row.modelData.lastRunText.length > 0
        text: row.modelData.lastRunText
        textFormat: Text.PlainText
        font.pixelSize: 11
        color: Theme.secondaryText
    }
}
