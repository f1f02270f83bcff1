import QtQuick
import Tandor
import Tandor.Shared

// The safety page's art: a ring in the brand colours closes around a shield
// over the caption, once, in 1.6 s. Without `animate` it is closed at once.
Item {
    id: demo

    property bool animate: true
    property string caption: "History puts it back"  // text key
    property bool closed: !animate
    // The drawn part of the ring: 5 % open, the whole circle closed.
    property real trim: closed ? 1 : 0.05

    implicitWidth: 280
    implicitHeight: 280
    Accessible.ignored: true

    Behavior on trim {
        enabled: demo.animate
        NumberAnimation { objectName: "ringAnimation"; duration: 1600; easing.type: Easing.InOutQuad }
    }

    Component.onCompleted: closed = true

    Canvas {
        id: ring
        objectName: "ring"
        anchors.centerIn: parent
        width: 210
        height: 210
        onPaint: {
            const context = getContext("2d")
            context.reset()
            const gradient = context.createLinearGradient(0, 0, width, height)
            gradient.addColorStop(0, Theme.wine)
            gradient.addColorStop(1, Theme.bordeaux)
            context.strokeStyle = gradient
            context.lineWidth = 14
            context.lineCap = "round"
            const start = -Math.PI / 2
            context.beginPath()
            context.arc(width / 2, height / 2, (width - 14) / 2, start,
                        start + 2 * Math.PI * demo.trim, false)
            context.stroke()
        }
        Connections {
            target: demo
            function onTrimChanged() { ring.requestPaint() }
        }
    }

    Column {
        anchors.centerIn: parent
        spacing: 4

        SymbolIcon {
            objectName: "shield"
            anchors.horizontalCenter: parent.horizontalCenter
            name: "checkmark.shield"
            size: 64
            color: Theme.wine
            scale: demo.closed ? 1 : 0.85
            Behavior on scale {
                enabled: demo.animate
                NumberAnimation { duration: 1600; easing.type: Easing.InOutQuad }
            }
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, 150)
            text: Texts.tr(demo.caption)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            color: Theme.secondaryText
            font.pixelSize: 11
        }
    }
}
