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
    // When set, the tip stays within this item's width (the panel it
    // explains), its arrow still at the control.
    property Item within: null

    // The x that centres the tip on the target, moved inside `within`. The
    // arguments name what moves the target or `within`, so the binding follows.
    function placedX(targetX, targetWidth, withinWidth) {
        const centred = (targetWidth - width) / 2
        if (!within)
            return centred
        const left = target.mapFromItem(within, 0, 0).x + margins
        return Math.max(left, Math.min(centred, left + withinWidth - 2 * margins - width))
    }

    parent: target
    x: target ? placedX(target.x, target.width, within ? within.width : 0) : 0
    y: !target ? 0 : placeAbove ? -implicitHeight - 8 : target.height + 8
    width: within ? Math.min(280, within.width - 2 * margins) : 280
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
            // Under the target's centre, clear of the rounded corners.
            x: popup.target ? Math.max(box.radius, Math.min(popup.target.width / 2 - popup.x - width / 2,
                                                            parent.width - box.radius - width))
                            : (parent.width - width) / 2
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
