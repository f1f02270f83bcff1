import QtQuick
import Tandor.Shared

// The soft coloured backdrop: the canvas with three blurred brand blobs.
// Blob sizes follow the width only; positions use width across, height down.
// One picture, painted again only for a new size or theme, so that what moves
// in front of it does not paint the blobs again every frame.
SoftCirclesPicture {
    id: backdrop

    property bool dark: Theme.dark

    fillColor: dark ? Theme.canvasDark : Theme.canvasLight
    blur: 90
    circles: [
        {
            centerX: width * 0.15,
            centerY: height * 0.1,
            diameter: width * 0.7,
            color: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, dark ? 0.45 : 0.22)
        },
        {
            centerX: width * 0.95,
            centerY: height * 0.85,
            diameter: width * 0.6,
            color: Qt.rgba(Theme.bordeaux.r, Theme.bordeaux.g, Theme.bordeaux.b,
                           dark ? 0.55 : 0.18)
        },
        {
            centerX: width * 0.75,
            centerY: height * 0.15,
            diameter: width * 0.35,
            color: Qt.rgba(Theme.gold.r, Theme.gold.g, Theme.gold.b, dark ? 0.12 : 0.14)
        }
    ]
    Accessible.ignored: true
}
