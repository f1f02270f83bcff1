import QtQuick
import Qt5Compat.GraphicalEffects

// The one raised-panel surface: a translucent fill standing in for the
// frosted material, a white hairline inside the edge and a soft bordeaux
// shadow below. Adds no padding; put the padded content inside.
Item {
    id: glass

    required property real cornerRadius
    default property alias content: body.data

    implicitWidth: body.childrenRect.width
    implicitHeight: body.childrenRect.height

    // A glow draws only the shadow; a drop shadow would also draw its source
    // shape, which shows through the translucent surface as grey.
    RectangularGlow {
        anchors.fill: parent
        anchors.topMargin: 4
        anchors.bottomMargin: -4
        glowRadius: 10
        spread: 0
        cornerRadius: glass.cornerRadius + glowRadius
        color: Qt.rgba(Theme.bordeaux.r, Theme.bordeaux.g, Theme.bordeaux.b, 0.1)
    }

    Rectangle {
        id: surface
        anchors.fill: parent
        radius: glass.cornerRadius
        color: Theme.dark ? Qt.rgba(0.17, 0.13, 0.15, 0.72) : Qt.rgba(1, 1, 1, 0.66)
        border.color: Qt.rgba(1, 1, 1, 0.22)
        border.width: 0.75
    }

    Item {
        id: body
        anchors.fill: parent
    }
}
