import QtQuick
import QtQuick.Layouts
import Tandor.Shared

// One card: a large preview of the file, its name and size, the folder it lies
// in, the safety of its deck and the evidence for dealing it. No gestures.
Rectangle {
    id: card

    // position, name, sizeText, location, safety, evidence, thumbnail.
    property var value: ({})

    implicitHeight: column.implicitHeight + 36
    radius: 16
    color: Theme.palette.window
    border.color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g, Theme.secondaryText.b, 0.2)
    border.width: 1

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 18
        spacing: 10

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 230
            radius: 10
            clip: true
            color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g, Theme.secondaryText.b, 0.08)

            // The icon first, in the card's first frame; the picture over it
            // once it is made. One transparent pixel means there is none.
            readonly property bool hasPicture: thumbnail.status === Image.Ready
                                               && thumbnail.implicitWidth > 1
            readonly property bool hasIcon: icon.status === Image.Ready && icon.implicitWidth > 1

            Image {
                id: icon
                objectName: "cardIcon"
                anchors.fill: parent
                anchors.margins: 50
                visible: !parent.hasPicture && parent.hasIcon
                fillMode: Image.PreserveAspectFit
                source: card.value.icon || ""
                sourceSize.width: 128
                sourceSize.height: 128
            }
            SymbolIcon {
                anchors.centerIn: parent
                visible: !parent.hasPicture && !parent.hasIcon
                name: "doc"
                size: Math.min(parent.width, parent.height) - 100
                color: Theme.secondaryText
            }
            Image {
                id: thumbnail
                objectName: "cardThumbnail"
                anchors.fill: parent
                visible: parent.hasPicture
                asynchronous: true
                fillMode: Image.PreserveAspectFit
                source: card.value.thumbnail || ""
                sourceSize.width: 960
                sourceSize.height: 600
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Text {
                objectName: "cardName"
                Layout.fillWidth: true
                text: card.value.name || ""
                textFormat: Text.PlainText
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 2
                elide: Text.ElideRight
                font.pixelSize: 17
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
            Text {
                Layout.alignment: Qt.AlignTop
                text: card.value.sizeText || ""
                font.pixelSize: 17
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
        }
        Text {
            Layout.fillWidth: true
            text: card.value.location || ""
            textFormat: Text.PlainText
            elide: Text.ElideMiddle
            font.pixelSize: 11
            color: Theme.secondaryText
        }
        SafetyBadge {
            level: card.value.safety || "needsReview"
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Repeater {
                model: card.value.evidence || []
                RowLayout {
                    required property var modelData
                    spacing: 6
                    SymbolIcon {
                        name: modelData.observed ? "checkmark" : "bulb"
                        color: modelData.observed ? Theme.primaryText : Theme.secondaryText
                    }
                    Text {
                        Layout.fillWidth: true
                        text: modelData.text
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        color: modelData.observed ? Theme.primaryText : Theme.secondaryText
                    }
                }
            }
        }
    }
}
