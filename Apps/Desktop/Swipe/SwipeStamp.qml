import QtQuick
import Tandor
import Tandor.Shared

// The tilted word on a dragged card, in the colour of its decision.
Item {
    id: stamp

    // key, text, opacity, tilt; empty without a drag.
    property var value: ({})

    readonly property var colours: ({
        "MOVE": SortingPalette.move,
        "LATER": Theme.gold,
        "PILE": Theme.wine,
        "KEEP": Theme.green
    })
    readonly property color colour: colours[value.key] || Theme.primaryText

    visible: value.key !== undefined
    opacity: value.opacity || 0
    rotation: value.tilt || 0
    implicitWidth: word.implicitWidth + 28
    implicitHeight: word.implicitHeight + 8

    Rectangle {
        anchors.fill: parent
        radius: 8
        color: "transparent"
        border.width: 4
        border.color: stamp.colour
    }
    Text {
        id: word
        objectName: "stampText"
        anchors.centerIn: parent
        text: stamp.value.text || ""
        font.pixelSize: 34
        font.weight: Font.Black
        color: stamp.colour
    }
}
