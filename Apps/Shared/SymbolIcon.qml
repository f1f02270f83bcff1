import QtQuick
import QtQuick.Shapes

// A small line icon drawn in one colour, from our own outlines on a 24-unit
// grid: "circlepath", "documents", "eye", "info", "folder", "bulb",
// "questionmark.circle", "arrow.clockwise", "play.rectangle",
// "chart.bar.doc.horizontal", "tray.full", "folder.badge.gearshape",
// "arrow.uturn.backward.circle", "trash", "checkmark", "clock.arrow.circlepath",
// "chevron.right", and the tour's "internaldrive", "arrow.down.circle",
// "doc.on.doc", "shippingbox", "hammer", "film", "doc", "heart", "lock.shield",
// "checkmark.shield", "checkmark.circle", "sparkle.magnifyingglass",
// "magnifyingglass", "gearshape.2", "brain", "tray.and.arrow.down", "xmark.circle",
// "checkmark.seal.fill", "ellipsis.circle", "star.fill", "tray.full.fill",
// "chevron.left", "arrow.left", "arrow.right", "arrow.up", "arrow.down",
// "pause.circle", "lock", "sparkles", "text.bubble".
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
                       + "M 7 8.5 L 17 8.5 M 7 12.5 L 14 12.5",
        "internaldrive": "M 2.5 10 L 21.5 10 L 21.5 18 L 2.5 18 Z M 2.5 10 L 5.5 5.5 L 18.5 5.5 "
                         + "L 21.5 10 M 17 14 L 17.2 14 M 5.5 14 L 11.5 14",
        "arrow.down.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 M 12 7 L 12 16.5 "
                             + "M 8 12.5 L 12 16.5 L 16 12.5",
        "doc.on.doc": "M 8 6.5 L 8 3 L 15.5 3 L 20 7.5 L 20 17.5 L 16 17.5 "
                      + "M 4 6.5 L 12 6.5 L 16 10.5 L 16 21 L 4 21 Z",
        "shippingbox": "M 12 2.5 L 21 7 L 21 17 L 12 21.5 L 3 17 L 3 7 Z M 3 7 L 12 11.5 L 21 7 "
                       + "M 12 11.5 L 12 21.5 M 7.5 4.8 L 16.5 9.3",
        "hammer": "M 4 20.5 L 12.5 12 M 9 8.5 L 14.5 3 L 21 9.5 L 15.5 15 Z",
        "film": "M 4 3 L 20 3 L 20 21 L 4 21 Z M 8 3 L 8 21 M 16 3 L 16 21 M 4 7.5 L 8 7.5 "
                + "M 4 12 L 8 12 M 4 16.5 L 8 16.5 M 16 7.5 L 20 7.5 M 16 12 L 20 12 "
                + "M 16 16.5 L 20 16.5",
        "doc": "M 5.5 2.5 L 14 2.5 L 18.5 7 L 18.5 21.5 L 5.5 21.5 Z M 14 2.5 L 14 7 L 18.5 7",
        "heart": "M 12 20 C 5 15.5 2.5 12 2.5 8.5 A 4.75 4.75 0 0 1 12 7 "
                 + "A 4.75 4.75 0 0 1 21.5 8.5 C 21.5 12 19 15.5 12 20 Z",
        "lock.shield": "M 12 2.5 L 20 5.5 L 20 11.5 C 20 16.5 16.5 19.5 12 21.5 "
                       + "C 7.5 19.5 4 16.5 4 11.5 L 4 5.5 Z M 9 11 L 15 11 L 15 16 L 9 16 Z "
                       + "M 10.2 11 L 10.2 9.3 A 1.8 1.8 0 0 1 13.8 9.3 L 13.8 11",
        "checkmark.shield": "M 12 2.5 L 20 5.5 L 20 11.5 C 20 16.5 16.5 19.5 12 21.5 "
                            + "C 7.5 19.5 4 16.5 4 11.5 L 4 5.5 Z M 8.5 12 L 11 14.5 L 15.5 9.5",
        "checkmark.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 M 7.5 12.5 L 10.5 15.5 L 16.5 9",
        "sparkle.magnifyingglass": "M 10.5 3 A 7.5 7.5 0 1 1 10.49 3 M 16 16 L 21.5 21.5 "
                                   + "M 10.5 6.5 L 11.3 9.7 L 14.5 10.5 L 11.3 11.3 L 10.5 14.5 "
                                   + "L 9.7 11.3 L 6.5 10.5 L 9.7 9.7 Z",
        "magnifyingglass": "M 10.5 3.5 A 6.5 6.5 0 1 1 10.49 3.5 M 15.2 15.2 L 20.5 20.5",
        "gearshape.2": "M 9 5.5 A 3.5 3.5 0 1 1 8.99 5.5 M 9 3 L 9 4.5 M 9 12.5 L 9 14 "
                       + "M 4.5 9 L 6 9 M 12 9 L 13.5 9 M 17 13.5 A 2.8 2.8 0 1 1 16.99 13.5 "
                       + "M 17 11.5 L 17 12.7 M 17 19.1 L 17 20.3 M 13.2 16.3 L 14.4 16.3 "
                       + "M 19.6 16.3 L 20.8 16.3",
        "brain": "M 12 4.5 Q 9.5 2.5 7.5 4.5 Q 4.5 4.5 4.5 8 Q 2.5 10 4 12.5 Q 2.5 15.5 5.5 17 "
                 + "Q 6.5 20.5 10 19.5 Q 11.5 20.5 12 19.5 L 12 4.5 Q 14.5 2.5 16.5 4.5 "
                 + "Q 19.5 4.5 19.5 8 Q 21.5 10 20 12.5 Q 21.5 15.5 18.5 17 Q 17.5 20.5 14 19.5 "
                 + "Q 12.5 20.5 12 19.5 M 8 9 Q 10 9 10 11 M 16 9 Q 14 9 14 11 M 8 15 L 10 14 "
                 + "M 16 15 L 14 14",
        "tray.and.arrow.down": "M 12 3 L 12 12.5 M 8.5 9 L 12 12.5 L 15.5 9 "
                               + "M 3 13.5 L 3 20 L 21 20 L 21 13.5 L 16 13.5 Q 15 16.5 12 16.5 "
                               + "Q 9 16.5 8 13.5 L 3 13.5",
        "xmark.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 M 8.8 8.8 L 15.2 15.2 "
                        + "M 15.2 8.8 L 8.8 15.2",
        "checkmark.seal.fill": "M 12 2.5 L 14.6 4.6 L 17.9 4.3 L 18.8 7.5 L 21.5 9.5 L 20.2 12.5 "
                               + "L 21.5 15.5 L 18.8 17.5 L 17.9 20.7 L 14.6 20.4 L 12 22.5 "
                               + "L 9.4 20.4 L 6.1 20.7 L 5.2 17.5 L 2.5 15.5 L 3.8 12.5 L 2.5 9.5 "
                               + "L 5.2 7.5 L 6.1 4.3 L 9.4 4.6 Z M 8.2 12.6 L 10.9 15.2 L 16 9.6",
        "ellipsis.circle": "M 12 2.5 A 9.5 9.5 0 1 1 11.99 2.5 M 7.6 12 L 7.8 12 M 11.9 12 L 12.1 12 "
                           + "M 16.2 12 L 16.4 12",
        "star.fill": "M 12 2.8 L 14.7 8.6 L 21 9.3 L 16.3 13.6 L 17.6 19.9 L 12 16.7 L 6.4 19.9 "
                     + "L 7.7 13.6 L 3 9.3 L 9.3 8.6 Z M 12 7.5 L 13.3 10.6 L 16.6 10.9 L 14.1 13.1 "
                     + "L 14.8 16.4 L 12 14.7 L 9.2 16.4 L 9.9 13.1 L 7.4 10.9 L 10.7 10.6 Z",
        "tray.full.fill": "M 2.5 13 L 5.5 4.5 L 18.5 4.5 L 21.5 13 L 21.5 19.5 L 2.5 19.5 Z "
                          + "M 2.5 13 L 8 13 Q 9 16 12 16 Q 15 16 16 13 L 21.5 13 "
                          + "M 8 7.5 L 16 7.5 M 7 10 L 17 10 M 4 17.5 L 20 17.5",
        "chevron.left": "M 15 5 L 8 12 L 15 19",
        "arrow.left": "M 20 12 L 4.5 12 M 10.5 6 L 4.5 12 L 10.5 18",
        "arrow.right": "M 4 12 L 19.5 12 M 13.5 6 L 19.5 12 L 13.5 18",
        "arrow.up": "M 12 20 L 12 4.5 M 6 10.5 L 12 4.5 L 18 10.5",
        "arrow.down": "M 12 4 L 12 19.5 M 6 13.5 L 12 19.5 L 18 13.5"
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
        // Drawn at the size shown, so that a large icon is not a blown-up
        // 24-pixel picture.
        layer.textureSize: Qt.size(Math.max(24, Math.ceil(icon.size)), Math.max(24, Math.ceil(icon.size)))

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
