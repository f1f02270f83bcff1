import QtQuick
import Tandor.Shared

// A capsule progress bar in the brand gradient. `fraction` undefined shows
// the indeterminate highlight, sliding back and forth while `animate`.
Item {
    id: bar

    property var fraction: undefined
    property bool animate: true
    // 0 = highlight at the left end, 1 = at the right end.
    property real sweep: 0

    readonly property bool determinate: typeof fraction === "number" && !isNaN(fraction)

    implicitWidth: 320
    implicitHeight: 8

    // The fill is itself a capsule and never wider than the track, which
    // draws what clipping to the track would.
    Item {
        id: content
        anchors.fill: parent

        Rectangle {
            anchors.fill: parent
            radius: height / 2
            color: Qt.rgba(Theme.primaryText.r, Theme.primaryText.g, Theme.primaryText.b, 0.1)
        }

        BrandGradientRect {
            id: fill
            objectName: "fill"
            height: parent.height
            radius: height / 2
            width: bar.determinate ? Math.min(bar.width, Math.max(bar.width * bar.fraction, 8))
                                   : bar.width * 0.3
            x: bar.determinate ? 0 : (bar.animate ? bar.sweep * bar.width * 0.7
                                                   : bar.width * 0.35)
            Behavior on width {
                enabled: bar.determinate
                NumberAnimation { duration: 400; easing.type: Easing.OutQuad }
            }
        }
    }

    SequentialAnimation {
        running: !bar.determinate && bar.animate && bar.visible
        loops: Animation.Infinite
        NumberAnimation {
            target: bar; property: "sweep"; from: 0; to: 1
            duration: 1100; easing.type: Easing.InOutQuad
        }
        NumberAnimation {
            target: bar; property: "sweep"; from: 1; to: 0
            duration: 1100; easing.type: Easing.InOutQuad
        }
    }
}
