import QtQuick
import Qt5Compat.GraphicalEffects
import Tandor.Shared

// A balloon that climbs with `progress` (0...1, undefined = no estimate:
// mid-height) and, while `time` runs, sways, tilts and sheds ballast.
// `time` 0 draws a still picture without ballast.
Item {
    id: climb

    property var progress: undefined
    property real time: 0

    readonly property real p: (typeof progress === "number" && !isNaN(progress)) ? progress : 0.5
    readonly property real balloonX: width / 2 + 10 * Math.sin(0.7 * time)
    readonly property real balloonY: (height - 36) - (height - 72) * p + 6 * Math.sin(1.6 * time)

    Accessible.ignored: true

    Repeater {
        model: 4
        delegate: Rectangle {
            required property int index
            readonly property real phase: ((climb.time + 0.6 * index) % 2.4) / 2.4
            readonly property real startY: climb.balloonY + 36
            readonly property real side: index % 2 === 0 ? 1 : -1
            width: 5
            height: 5
            radius: 2.5
            color: Theme.gold
            x: climb.balloonX + 8 * side * phase - 2.5
            y: startY + phase * ((climb.height - startY) + 20) - 2.5
            opacity: climb.time === 0 ? 0 : 1 - phase
            visible: climb.time !== 0
        }
    }

    DropShadow {
        anchors.fill: balloon
        source: balloon
        rotation: balloon.rotation
        color: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.35)
        radius: 12
        samples: 25
        verticalOffset: 6
        transparentBorder: true
    }

    BalloonImage {
        id: balloon
        width: 72
        height: 72
        x: climb.balloonX - 36
        y: climb.balloonY - 36
        rotation: 3 * Math.sin(0.9 * climb.time)
    }
}
