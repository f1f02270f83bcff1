import QtQuick
import Qt5Compat.GraphicalEffects
import Tandor
import Tandor.Shared

// The swipe page's art: a card swings left onto the trash, back, right onto
// the heart and back, holding each pose 1.1 s, while its page shows. Without
// `animate` it stays upright in the middle.
Item {
    id: demo

    property bool animate: true
    // False once the page is being left: the loop stops at once.
    property bool active: true
    property string symbol: "doc"
    // Moves made so far; the pose is step modulo 4 (TourGeometry.swipePose).
    property int step: 0
    readonly property var pose: TourGeometry.swipePose(step)

    implicitWidth: 280
    implicitHeight: 280
    Accessible.ignored: true

    Timer {
        objectName: "swipeTimer"
        interval: 1100
        repeat: true
        running: demo.animate && demo.active
        onTriggered: demo.step += 1
    }

    component Target: Rectangle {
        property string symbol
        property real grow: 1
        width: 44
        height: 44
        radius: 22
        scale: grow
        Behavior on scale {
            enabled: demo.animate
            NumberAnimation { duration: 500; easing.type: Easing.OutBack; easing.overshoot: 1 }
        }
        SymbolIcon {
            anchors.centerIn: parent
            name: parent.symbol
            size: 24
            color: "white"
        }
    }

    Target {
        objectName: "trashTarget"
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        color: Theme.wine
        symbol: "trash"
        grow: demo.pose.trashScale
    }
    Target {
        objectName: "heartTarget"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        color: Theme.green
        symbol: "heart"
        grow: demo.pose.heartScale
    }

    Item {
        id: card
        objectName: "swipeCard"
        width: 150
        height: 200
        x: (demo.width - width) / 2 + demo.pose.offset
        y: (demo.height - height) / 2
        rotation: demo.pose.rotation
        opacity: demo.pose.opacity

        Behavior on x {
            enabled: demo.animate
            NumberAnimation { duration: 500; easing.type: Easing.OutBack; easing.overshoot: 1 }
        }
        Behavior on rotation {
            enabled: demo.animate
            NumberAnimation { duration: 500; easing.type: Easing.OutBack; easing.overshoot: 1 }
        }
        Behavior on opacity {
            enabled: demo.animate
            NumberAnimation { duration: 400 }
        }

        DropShadow {
            anchors.fill: face
            source: face
            color: Qt.rgba(0, 0, 0, 0.33)
            radius: 10
            samples: 21
            verticalOffset: 6
            transparentBorder: true
        }
        Rectangle {
            id: face
            anchors.fill: parent
            radius: 22
            gradient: Gradient {
                GradientStop { position: 0; color: Qt.rgba(Theme.gold.r, Theme.gold.g, Theme.gold.b, 0.9) }
                GradientStop { position: 1; color: Theme.wine }
            }
            SymbolIcon {
                anchors.centerIn: parent
                name: demo.symbol
                size: 50
                color: Qt.rgba(1, 1, 1, 0.9)
            }
        }
    }
}
