import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One proposed rule: its safety, title, summary and reasons, "Preview" and
// "Turn on", and the preview of what it would pick today once asked for.
ColumnLayout {
    id: card

    required property int index
    required property var modelData
    property ScanModel scanModel: null
    readonly property bool hasTree: scanModel !== null && scanModel.hasRoot

    spacing: 6

    RowLayout {
        Layout.fillWidth: true
        SafetyBadge {
            level: card.modelData.safety
        }
        Text {
            Layout.fillWidth: true
            text: card.modelData.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Theme.primaryText
        }
        ActionButton {
            objectName: "previewButton"
            text: Texts.tr("Preview")
            enabled: card.hasTree
            onClicked: SmartModel.preview(card.index, card.scanModel)
        }
        // A disabled button takes no hover, so the tip follows this frame.
        Item {
            implicitWidth: turnOn.implicitWidth
            implicitHeight: turnOn.implicitHeight
            ActionButton {
                id: turnOn
                objectName: "turnOnButton"
                anchors.fill: parent
                text: Texts.tr("Turn on")
                primary: true
                enabled: card.modelData.canEnable
                onClicked: SmartModel.enable(card.index)
            }
            HoverHandler { id: turnOnHover }
            PlainToolTip {
                text: card.modelData.canEnable ? Texts.tr("Turn on this automation")
                                               : Texts.tr("Preview it first")
                visible: turnOnHover.hovered
            }
        }
    }
    Text {
        Layout.fillWidth: true
        text: card.modelData.summary
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 12
        color: Theme.primaryText
    }
    Repeater {
        model: card.modelData.why
        delegate: EvidenceLabel {
            required property var modelData
            Layout.fillWidth: true
            text: modelData.text
            observed: modelData.observed
        }
    }
    ColumnLayout {
        objectName: "previewBlock"
        visible: card.modelData.hasPreview
        Layout.fillWidth: true
        spacing: 4

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 1
            color: Theme.palette.mid
        }
        Repeater {
            model: card.modelData.previewEvidence
            delegate: EvidenceLabel {
                required property var modelData
                Layout.fillWidth: true
                text: modelData.text
                observed: modelData.observed
            }
        }
        Repeater {
            model: card.modelData.previewItems
            delegate: RowLayout {
                id: itemRow
                required property var modelData
                Layout.fillWidth: true
                Text {
                    Layout.preferredWidth: 80
                    horizontalAlignment: Text.AlignRight
                    text: itemRow.modelData.sizeText
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    color: Theme.primaryText
                }
                Text {
                    Layout.fillWidth: true
                    text: itemRow.modelData.path
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    maximumLineCount: 1
                    font.pixelSize: 11
                    color: Theme.primaryText
                }
                Text {
                    visible: itemRow.modelData.lastOpened.length > 0
                    text: itemRow.modelData.lastOpened
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    color: Theme.secondaryText
                }
            }
        }
        Text {
            visible: card.modelData.moreText.length > 0
            text: card.modelData.moreText
            textFormat: Text.PlainText
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }
    Text {
        visible: !card.modelData.hasPreview && !card.hasTree
        text: Texts.tr("Scan first to see what it would pick.")
        font.pixelSize: 11
        color: Theme.secondaryText
    }
}
