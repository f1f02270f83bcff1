import QtQuick
import QtQuick.Shapes

// A rectangle (rounded by `radius`) filled with the diagonal brand gradient,
// wine at the top left to bordeaux at the bottom right.
Item {
    id: fill

    property real radius: 0
    readonly property real r: Math.max(0, Math.min(radius, width / 2, height / 2))

    Shape {
        anchors.fill: parent
        layer.enabled: true
        layer.samples: 4

        ShapePath {
            strokeColor: "transparent"
            fillGradient: LinearGradient {
                x1: 0
                y1: 0
                x2: fill.width
                y2: fill.height
                GradientStop { position: 0; color: Theme.wine }
                GradientStop { position: 1; color: Theme.bordeaux }
            }
            startX: fill.r
            startY: 0
            PathLine { x: fill.width - fill.r; y: 0 }
            PathArc { x: fill.width; y: fill.r; radiusX: fill.r; radiusY: fill.r }
            PathLine { x: fill.width; y: fill.height - fill.r }
            PathArc { x: fill.width - fill.r; y: fill.height; radiusX: fill.r; radiusY: fill.r }
            PathLine { x: fill.r; y: fill.height }
            PathArc { x: 0; y: fill.height - fill.r; radiusX: fill.r; radiusY: fill.r }
            PathLine { x: 0; y: fill.r }
            PathArc { x: fill.r; y: 0; radiusX: fill.r; radiusY: fill.r }
        }
    }
}
