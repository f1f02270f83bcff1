import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One suggestion: title, size and the button that puts it on the pile, and
// on demand its reason, evidence and items.
Glass {
    id: card

    required property int index
    required property string title
    required property string reason
    required property string subcategory
    required property string category
    required property string safety
    required property string safetyTitle
    required property string sizeText
    required property bool inPile
    required property string mainButtonText
    required property bool primary
    required property var evidence
    required property var items
    required property bool expanded
    required property string suggestionId
    property SuggestionListModel suggestions: null

    cornerRadius: 14
    implicitHeight: column.implicitHeight + 28

    ColumnLayout {
        id: column
        x: 14
        y: 14
        width: card.width - 28
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 4
                Layout.fillWidth: true
                RowLayout {
                    spacing: 8
                    SafetyIcon {
                        level: card.safety
                        ToolTip.text: card.safetyTitle
                        ToolTip.visible: safetyHover.hovered
                        HoverHandler { id: safetyHover }
                    }
                    Text {
                        text: card.title
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                        color: Theme.primaryText
                        elide: Text.ElideRight
                        Layout.maximumWidth: card.width * 0.5
                        HoverHandler { id: titleHover }
                        PlainToolTip {
                            text: card.reason
                            visible: titleHover.hovered && card.reason.length > 0
                        }
                    }
                    Rectangle {
                        visible: card.subcategory.length > 0
                        radius: height / 2
                        color: Qt.alpha(Theme.categoryColor(card.category), 0.15)
                        implicitWidth: pill.implicitWidth + 12
                        implicitHeight: pill.implicitHeight + 4
                        Text {
                            id: pill
                            anchors.centerIn: parent
                            text: card.subcategory
                            textFormat: Text.PlainText
                            font.pixelSize: 10
                            font.weight: Font.Medium
                            color: Theme.categoryColor(card.category)
                        }
                    }
                    Text {
                        text: card.sizeText
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                        font.weight: Font.DemiBold
                        color: Theme.secondaryText
                    }
                }
                AbstractButton {
                    id: details
                    hoverEnabled: true
                    contentItem: Text {
                        text: (card.expanded ? "⌄ " : "› ") + Texts.tr("Details")
                        font.pixelSize: 11
                        color: Theme.secondaryText
                    }
                    onClicked: card.suggestions.setExpanded(card.index, !card.expanded)
                }
            }
            Item {
                Layout.fillWidth: true
            }
            ActionButton {
                text: card.mainButtonText
                enabled: !card.inPile
                primary: card.primary
                onClicked: card.suggestions.addToPile(card.index)
            }
        }

        ColumnLayout {
            visible: card.expanded
            opacity: card.expanded ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.InOutQuad } }
            spacing: 4
            Layout.topMargin: 4
            Layout.fillWidth: true

            Text {
                Layout.fillWidth: true
                text: card.reason
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pixelSize: 12
                color: Theme.secondaryText
            }
            Loader {
                objectName: "explanationLine"
                Layout.fillWidth: true
                active: card.expanded
                sourceComponent: ExplanationLineView {
                    suggestions: card.suggestions
                    suggestionId: card.suggestionId
                }
            }
            Repeater {
                model: card.expanded ? card.evidence : []
                // Drawn marks, not emoji: the fonts on the machine may lack them.
                delegate: RowLayout {
                    id: evidenceRow
                    required property var modelData
                    readonly property color tint: modelData.observed ? Theme.primaryText
                                                                     : Theme.secondaryText
                    Layout.fillWidth: true
                    spacing: 4
                    Text {
                        Layout.alignment: Qt.AlignTop
                        Layout.preferredWidth: 12
                        visible: evidenceRow.modelData.observed
                        text: "✓"
                        font.pixelSize: 11
                        color: evidenceRow.tint
                    }
                    SymbolIcon {
                        Layout.alignment: Qt.AlignTop
                        Layout.topMargin: 1
                        visible: !evidenceRow.modelData.observed
                        name: "bulb"
                        size: 12
                        color: evidenceRow.tint
                    }
                    Text {
                        Layout.fillWidth: true
                        text: evidenceRow.modelData.text
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: 11
                        color: evidenceRow.tint
                    }
                }
            }
            Rectangle {
                Layout.fillWidth: true
                implicitHeight: 1
                color: Theme.palette.mid
            }
            Repeater {
                model: card.expanded ? card.items : []
                delegate: RowLayout {
                    id: itemRow
                    required property var modelData
                    required property int index
                    Layout.fillWidth: true
                    Text {
                        Layout.preferredWidth: 80
                        horizontalAlignment: Text.AlignRight
                        text: itemRow.modelData.sizeText
                        textFormat: Text.PlainText
                        font.pixelSize: 11
                        color: Theme.primaryText
                    }
                    ColumnLayout {
                        spacing: 1
                        Layout.fillWidth: true
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
                            visible: itemRow.modelData.note.length > 0
                            Layout.fillWidth: true
                            text: itemRow.modelData.note
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            font.pixelSize: 11
                            color: Theme.secondaryText
                        }
                    }
                    ToolButton {
                        text: itemRow.modelData.inPile ? "▣" : "⇩"
                        font.pixelSize: 12
                        ToolTip.text: Texts.tr("Add to pile")
                        ToolTip.visible: hovered
                        hoverEnabled: true
                        onClicked: card.suggestions.addItemToPile(card.index, itemRow.index)
                    }
                }
            }
        }
    }
}
