import QtQuick
import QtQuick.Shapes

// A small line icon drawn in one colour, from our own outlines on a 24-unit
// grid: "circlepath", "documents", "eye", "info", "folder", "bulb",
// "questionmark.circle", "arrow.clockwise", "play.rectangle",
// "chart.bar.doc.horizontal", "tray.full", "folder.badge.gearshape",
// "arrow.uturn.backward.circle", "trash", "checkmark", "clock.arrow.circlepath",
// "chevron.right", "pause.circle", "lock", "sparkles", "text.bubble".
Item {
    id: icon

    property string name
    property color color: Theme.primaryText
    property real size: 14

    implicitWidth: size
    implicitHeight: size

    readonly property var outlines: ({
        "circlepath": "M 19 9.5 A 7.5 7.5 0 0 0 5.6 7.2 M 5 14.5 A 7.5 7.5 0 0 0 18.4 16.8 "
                      + "M 19.5 4.5 L 19.3 9.6 L 14.4 9 M 4.5 19.5 L 4.7 14.4 L 9.6 15",
        "documents": "M 8 6 L 8 3.5 L 16 3.5 L 20 7.5 L 20 17.5 L 16 17.5 "
                     + "M 4 6.5 L 12 6.5 L 16 10.5 L 16 20.5 L 4 20.5 Z",
        "eye": "M 2 12 Q 12 2.5 22 12 Q 12 21.5 2 12 Z "
               + "M 12 8.8 A 3.2 3.2 0 1 1 11.99 8.8",
        "info": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 M 12 10.5 L 12 17 M 10.3 17 L 13.7 17 "
                + "M 10.5 10.5 L 12 10.5 M 12 7 L 12 7.2",
        "folder": "M 2.5 6 L 2.5 19 L 21.5 19 L 21.5 8 L 11.5 8 L 9.5 5.5 L 3 5.5 Z",
        "bulb": "M 9 17 C 9 14 5.5 12.8 5.5 9 A 6.5 6.5 0 0 1 18.5 9 C 18.5 12.8 15 14 15 17 Z "
                + "M 9.5 20.5 L 14.5 20.5",
        "questionmark.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 "
                               + "M 9.2 9.5 A 2.9 2.9 0 1 1 13.6 12 Q 12 12.8 12 14.5 "
                               + "M 12 17 L 12 17.2",
        "arrow.clockwise": "M 19.5 12 A 7.5 7.5 0 1 1 16.8 6.2 M 17.5 2.5 L 17.2 6.6 L 13 6.4",
        "play.rectangle": "M 2.5 5 L 21.5 5 L 21.5 19 L 2.5 19 Z M 10 9 L 15 12 L 10 15 Z",
        "chart.bar.doc.horizontal": "M 5 2.5 L 15 2.5 L 19.5 7 L 19.5 21.5 L 5 21.5 Z "
                                    + "M 8 9.5 L 16 9.5 M 8 13 L 13 13 M 8 16.5 L 15 16.5",
        "tray.full": "M 2.5 13 L 5.5 4.5 L 18.5 4.5 L 21.5 13 L 21.5 19.5 L 2.5 19.5 Z "
                     + "M 2.5 13 L 8 13 Q 9 16 12 16 Q 15 16 16 13 L 21.5 13 "
                     + "M 8 7.5 L 16 7.5 M 7 10 L 17 10",
        "folder.badge.gearshape": "M 13.5 19 L 2.5 19 L 2.5 6 L 3 5.5 L 9.5 5.5 L 11.5 8 "
                                  + "L 21.5 8 L 21.5 13 M 18 15.5 A 2 2 0 1 1 17.99 15.5 "
                                  + "M 18 12.8 L 18 14 M 18 21 L 18 22.2 M 14.3 17.5 L 15.5 17.5 "
                                  + "M 20.5 17.5 L 21.7 17.5",
        "arrow.uturn.backward.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 "
                                       + "M 8.5 10 L 14 10 Q 16.5 10 16.5 12.75 "
                                       + "Q 16.5 15.5 14 15.5 L 10 15.5 M 11 7.5 L 8.5 10 L 11 12.5",
        "trash": "M 4 6.5 L 20 6.5 M 9.5 6.5 L 9.5 4 L 14.5 4 L 14.5 6.5 "
                 + "M 6 6.5 L 7 20.5 L 17 20.5 L 18 6.5 M 10 10 L 10 17 M 14 10 L 14 17",
        "checkmark": "M 4.5 12.5 L 9.5 17.5 L 19.5 6.5",
        "clock.arrow.circlepath": "M 4.8 13.5 A 7.5 7.5 0 1 0 6.7 7 M 3.8 4.6 L 6.7 7 L 3.6 9 "
                                  + "M 12 8 L 12 12.5 L 15 14.5",
        "chevron.right": "M 9 5 L 16 12 L 9 19",
        "pause.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 M 10 8.5 L 10 15.5 M 14 8.5 L 14 15.5",
        "lock": "M 5.5 11 L 18.5 11 L 18.5 20.5 L 5.5 20.5 Z M 8 11 L 8 7.5 A 4 4 0 0 1 16 7.5 "
                + "L 16 11",
        "sparkles": "M 10 3.5 Q 11 9 16.5 10 Q 11 11 10 16.5 Q 9 11 3.5 10 Q 9 9 10 3.5 Z "
                    + "M 18 14.5 Q 18.4 17 20.5 17.5 Q 18.4 18 18 20.5 Q 17.6 18 15.5 17.5 "
                    + "Q 17.6 17 18 14.5 Z",
        "text.bubble": "M 3 4.5 L 21 4.5 L 21 16.5 L 10 16.5 L 6 20 L 6 16.5 L 3 16.5 Z "
                       + "M 7 8.5 L 17 8.5 M 7 12.5 L 14 12.5"
    })

    Accessible.ignored: true

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
