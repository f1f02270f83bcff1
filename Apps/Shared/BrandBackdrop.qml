import QtQuick
import Tandor.Shared

// The soft coloured backdrop: the canvas with three blurred brand blobs.
// Blob sizes follow the width only; positions use width across, height down.
Item {
    id: backdrop

    property bool dark: Theme.dark

    clip: true
    Accessible.ignored: true

    Rectangle {
        anchors.fill: parent
        color: backdrop.dark ? Theme.canvasDark : Theme.canvasLight
    }

    component Blob: SoftCircle {
        property real centerX
        property real centerY
        x: centerX - width / 2
        y: centerY - height / 2
        blur: 90
    }

    Blob {
        diameter: backdrop.width * 0.7
        centerX: backdrop.width * 0.15
        centerY: backdrop.height * 0.1
        color: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, backdrop.dark ? 0.45 : 0.22)
    }
    Blob {
        diameter: backdrop.width * 0.6
        centerX: backdrop.width * 0.95
        centerY: backdrop.height * 0.85
        color: Qt.rgba(Theme.bordeaux.r, Theme.bordeaux.g, Theme.bordeaux.b,
                       backdrop.dark ? 0.55 : 0.18)
    }
    Blob {
        diameter: backdrop.width * 0.35
        centerX: backdrop.width * 0.75
        centerY: backdrop.height * 0.15
        color: Qt.rgba(Theme.gold.r, Theme.gold.g, Theme.gold.b, backdrop.dark ? 0.12 : 0.14)
    }
}
