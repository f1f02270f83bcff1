import QtQuick
import QtQuick.Layouts
import Qt5Compat.GraphicalEffects
import Tandor.Shared

// One card: a large preview of the file, its name and size, the folder it lies
// in, the safety of its deck and the evidence for dealing it. No gestures.
Rectangle {
    id: card

    // position, name, sizeText, location, safety, evidence, thumbnail, type.
    property var value: ({})
    // The preview adds the file's type under its location.
    property bool showsType: false

    implicitHeight: column.implicitHeight + 36
    radius: 16
    color: Theme.palette.window
    border.color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g, Theme.secondaryText.b, 0.2)
    border.width: 1

    // One element that reads out what the card shows; its texts are not
    // read a second time on their own.
    Accessible.role: Accessible.Pane
    Accessible.name: [card.value.name, card.value.sizeText, card.value.location,
                      card.showsType ? card.value.type : "", badge.text]
                     .concat((card.value.evidence || []).map(line => line.text))
                     .filter(text => text && text.length > 0).join(", ")

    // The card's fill is opaque, so a glow behind it draws only the shadow.
    RectangularGlow {
        z: -1
        anchors.fill: parent
        anchors.topMargin: 4
        anchors.bottomMargin: -4
        glowRadius: 10
        spread: 0
        cornerRadius: card.radius + glowRadius
        color: Qt.rgba(0, 0, 0, 0.15)
    }

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
                Accessible.ignored: true
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
                Accessible.ignored: true
                text: card.value.sizeText || ""
                font.pixelSize: 17
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
        }
        Text {
            Layout.fillWidth: true
            Accessible.ignored: true
            text: card.value.location || ""
            textFormat: Text.PlainText
            elide: Text.ElideMiddle
            font.pixelSize: 11
            color: Theme.secondaryText
        }
        Text {
            objectName: "cardType"
            Layout.fillWidth: true
            visible: card.showsType
            Accessible.ignored: true
            text: card.value.type || ""
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 11
            color: Theme.secondaryText
        }
        SafetyBadge {
            id: badge
            readable: false
            level: card.value.safety || "needsReview"
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Repeater {
                model: card.value.evidence || []
                // The icon beside the line's first line, however it wraps.
                RowLayout {
                    required property var modelData
                    Layout.fillWidth: true
                    spacing: 6
                    SymbolIcon {
                        Layout.alignment: Qt.AlignTop
                        Layout.topMargin: 1
                        name: modelData.observed ? "checkmark" : "bulb"
                        color: modelData.observed ? Theme.primaryText : Theme.secondaryText
                    }
                    Text {
                        Layout.fillWidth: true
                        Accessible.ignored: true
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
