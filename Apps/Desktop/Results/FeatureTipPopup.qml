import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// A tip shown as a popover below the control it explains, with its arrow on
// the top edge, or above it for a control at the bottom of the window (the
// tip must never cover the control); closing it retires the tip for good.
Popup {
    id: popup

    property FeatureTip tip: null
    property Item target: null
    property bool show: false

    property bool placeAbove: false

    parent: target
    x: target ? (target.width - width) / 2 : 0
    y: !target ? 0 : placeAbove ? -implicitHeight - 8 : target.height + 8
    width: 280
    padding: 12
    closePolicy: Popup.NoAutoClose
    // Kept inside the window even when the control sits at its bottom edge.
    margins: 8
    visible: show && tip !== null && target !== null

    background: Item {
        Canvas {
            id: arrow
            width: 16
            height: 8
            x: (parent.width - width) / 2
            y: popup.placeAbove ? parent.height : -height
            rotation: popup.placeAbove ? 180 : 0
            onPaint: {
                const ctx = getContext("2d")
                ctx.reset()
                ctx.fillStyle = box.color
                ctx.beginPath()
                ctx.moveTo(0, height)
                ctx.lineTo(width / 2, 0)
                ctx.lineTo(width, height)
                ctx.closePath()
                ctx.fill()
            }
        }
        Rectangle {
            id: box
            anchors.fill: parent
            radius: 10
            color: Theme.palette.window
            border.color: Theme.palette.mid
        }
    }

    contentItem: RowLayout {
        spacing: 10
        Text {
            Layout.alignment: Qt.AlignTop
            text: popup.tip && popup.tip.image === "keyboard" ? "⌨" : "▤"
            font.pixelSize: 22
            color: Theme.wine
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            Text {
                Layout.fillWidth: true
                text: popup.tip ? popup.tip.title : ""
                font.weight: Font.DemiBold
                wrapMode: Text.Wrap
                color: Theme.primaryText
            }
            Text {
                Layout.fillWidth: true
                text: popup.tip ? popup.tip.message : ""
                wrapMode: Text.Wrap
                color: Theme.secondaryText
            }
        }
        ToolButton {
            Layout.alignment: Qt.AlignTop
            text: "✕"
            onClicked: popup.tip.close()
        }
    }
}
