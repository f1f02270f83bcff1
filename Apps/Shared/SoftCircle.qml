import QtQuick
import QtQuick.Shapes

// A filled circle seen through a blur of `blur` pixels: drawn directly as a
// radial fade, which looks the same as blurring and needs no offscreen pass.
// Centre it with `x`/`y` of its owner; it spills `blur` pixels beyond `diameter`.
Item {
    id: circle

    property real diameter: 100
    property real blur: 0
    property color color: "white"

    readonly property real outer: diameter / 2 + blur
    readonly property real innerStop: Math.max(0, (diameter / 2 - blur) / Math.max(outer, 1))
    readonly property real midStop: diameter / 2 / Math.max(outer, 1)

    width: outer * 2
    height: outer * 2

    Shape {
        anchors.fill: parent
        layer.enabled: true
        layer.samples: 4

        ShapePath {
            strokeColor: "transparent"
            fillGradient: RadialGradient {
                centerX: circle.outer
                centerY: circle.outer
                centerRadius: circle.outer
                focalX: circle.outer
                focalY: circle.outer
                GradientStop { position: 0; color: circle.color }
                GradientStop { position: circle.innerStop; color: circle.color }
                GradientStop {
                    position: circle.midStop
                    color: circle.blur > 0 ? Qt.rgba(circle.color.r, circle.color.g, circle.color.b,
                                                     circle.color.a / 2) : circle.color
                }
                GradientStop {
                    position: 1
                    color: Qt.rgba(circle.color.r, circle.color.g, circle.color.b, 0)
                }
            }
            PathAngleArc {
                centerX: circle.outer
                centerY: circle.outer
                radiusX: circle.outer
                radiusY: circle.outer
                startAngle: 0
                sweepAngle: 360
            }
        }
    }
}
