import QtQuick
import QtQuick.Shapes
import Tandor.Shared

// The line icon of a tab, by the symbol name the tab strip gives it
// ("sparkles", "square.grid.2x2", ...), drawn in one colour from our own
// outlines on a 24-unit grid, in the manner of SymbolIcon.
Item {
    id: icon

    property string name
    property color color: Theme.primaryText
    property real size: 14

    implicitWidth: size
    implicitHeight: size
    Accessible.ignored: true

    readonly property var outlines: ({
        "sparkles": "M 10 3 Q 11 9 17 10 Q 11 11 10 17 Q 9 11 3 10 Q 9 9 10 3 Z "
                    + "M 18 14 Q 18.4 17.1 21 17.5 Q 18.4 17.9 18 21 Q 17.6 17.9 15 17.5 "
                    + "Q 17.6 17.1 18 14 Z",
        "square.grid.2x2": "M 4 4 L 10.5 4 L 10.5 10.5 L 4 10.5 Z M 13.5 4 L 20 4 L 20 10.5 "
                           + "L 13.5 10.5 Z M 4 13.5 L 10.5 13.5 L 10.5 20 L 4 20 Z "
                           + "M 13.5 13.5 L 20 13.5 L 20 20 L 13.5 20 Z",
        "folder": "M 2.5 6 L 2.5 19 L 21.5 19 L 21.5 8 L 11.5 8 L 9.5 5.5 L 3 5.5 Z",
        "hand.draw": "M 8 4.5 L 16 4.5 L 16 19.5 L 8 19.5 Z M 5.5 12 L 2 12 M 3.5 10.3 L 2 12 "
                     + "L 3.5 13.7 M 18.5 12 L 22 12 M 20.5 10.3 L 22 12 L 20.5 13.7",
        "doc.on.doc": "M 8 6 L 8 3.5 L 16 3.5 L 20 7.5 L 20 17.5 L 16 17.5 "
                      + "M 4 6.5 L 12 6.5 L 16 10.5 L 16 20.5 L 4 20.5 Z",
        "wand.and.stars": "M 3.5 20.5 L 14.5 9.5 M 12.5 7.5 L 16.5 11.5 M 18 2.5 L 18 6.5 "
                          + "M 16 4.5 L 20 4.5 M 7.5 3.5 L 7.5 6.5 M 6 5 L 9 5 "
                          + "M 20 12.5 L 20 15.5 M 18.5 14 L 21.5 14",
        "internaldrive": "M 2.5 9 L 21.5 9 L 21.5 18 L 2.5 18 Z M 2.5 9 L 5.5 5 L 18.5 5 "
                         + "L 21.5 9 M 17 13.5 L 18 13.5",
        "clock.arrow.circlepath": "M 4.8 13.5 A 7.5 7.5 0 1 0 6.7 7 M 3.8 4.6 L 6.7 7 L 3.6 9 "
                                  + "M 12 8 L 12 12.5 L 15 14.5"
    })

    Shape {
        anchors.centerIn: parent
        width: 24
        height: 24
        scale: icon.size / 24
        antialiasing: true
        layer.enabled: true
        layer.samples: 4

        ShapePath {
            strokeColor: icon.color
            strokeWidth: 1.9
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            joinStyle: ShapePath.RoundJoin
            PathSvg { path: icon.outlines[icon.name] || "" }
        }
    }
}
