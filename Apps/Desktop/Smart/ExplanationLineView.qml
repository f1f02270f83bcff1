import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The plain-language explanation inside a suggestion card: a small spinner
// until the answer comes, then the text with an icon telling who wrote it.
Item {
    id: view

    property alias suggestions: line.suggestions
    property alias suggestionId: line.suggestionId

    implicitHeight: line.ready ? row.implicitHeight : spinner.implicitHeight

    ExplanationLine {
        id: line
        objectName: "explanation"
    }

    BusyIndicator {
        id: spinner
        visible: !line.ready
        running: visible
        implicitWidth: 16
        implicitHeight: 16
    }

    RowLayout {
        id: row
        visible: line.ready
        width: parent.width
        spacing: 6

        SymbolIcon {
            Layout.alignment: Qt.AlignTop
            Layout.topMargin: 1
            name: line.symbol
            size: 13
            color: Theme.primaryText
        }
        Text {
            objectName: "explanationText"
            Layout.fillWidth: true
            text: line.text
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 12
            color: Theme.primaryText
            HoverHandler { id: hover }
            ToolTip.visible: hover.hovered
            ToolTip.text: line.help
            ToolTip.delay: 600
        }
    }
}
