import QtQuick
import Qt5Compat.GraphicalEffects
import Tandor.Shared

// The launch animation over the main window: the balloon rises into a warm
// glow, the name fades in, the ballast drops, and the layer fades out.
// `finished` is emitted once, 0.35 s after the fade-out starts; a click
// anywhere skips ahead to the fade-out.
Item {
    id: splash

    property bool reduceMotion: false

    property bool risen: false
    property bool titleShown: false
    property bool dropped: false
    property bool done: false

    signal finished()

    function finish() {
        if (done) {
            return
        }
        done = true
        finishTimer.start()
    }

    opacity: done ? 0 : 1
    scale: done ? 1.08 : 1
    Behavior on opacity { NumberAnimation { duration: 350; easing.type: Easing.InOutQuad } }
    Behavior on scale { NumberAnimation { duration: 350; easing.type: Easing.InOutQuad } }
    Accessible.ignored: true

    Timer {
        id: finishTimer
        interval: 350
        onTriggered: splash.finished()
    }

    Component.onCompleted: {
        if (reduceMotion) {
            risen = true
            titleShown = true
            stillTimer.start()
        } else {
            risen = true
            titleTimer.start()
        }
    }
    Timer {
        id: stillTimer
        interval: 600
        onTriggered: splash.finish()
    }
    Timer {
        id: titleTimer
        interval: 450
        onTriggered: {
            splash.titleShown = true
            splash.dropped = true
            dropTimer.start()
        }
    }
    Timer {
        id: dropTimer
        interval: 900
        onTriggered: splash.finish()
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.wine }
            GradientStop { position: 0.5; color: Theme.bordeaux }
            GradientStop { position: 1; color: Qt.rgba(0.22, 0.06, 0.12, 1) }
        }
    }

    SoftCircle {
        anchors.centerIn: parent
        diameter: 260
        blur: 60
        color: Qt.rgba(Theme.gold.r, Theme.gold.g, Theme.gold.b, 0.25)
        scale: splash.risen ? 1.0 : 0.4
        Behavior on scale {
            enabled: !splash.reduceMotion
            NumberAnimation { duration: 700; easing.type: Easing.OutBack; easing.overshoot: 1.2 }
        }
    }

    Column {
        anchors.centerIn: parent
        spacing: 22

        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 130
            height: 150

            Repeater {
                model: 3
                delegate: Rectangle {
                    required property int index
                    width: 7
                    height: 7
                    radius: 3.5
                    color: Theme.gold
                    x: 65 - 3.5 + (index - 1) * 10
                    y: 75 - 3.5 + (splash.dropped ? 150 : 50)
                    opacity: splash.dropped ? 0 : (splash.risen ? 1 : 0)
                    Behavior on y {
                        enabled: !splash.reduceMotion
                        SequentialAnimation {
                            PauseAnimation { duration: index * 80 }
                            NumberAnimation { duration: 700; easing.type: Easing.InQuad }
                        }
                    }
                    // Fade in with the rise, out with the drop.
                    Behavior on opacity {
                        enabled: !splash.reduceMotion
                        SequentialAnimation {
                            PauseAnimation { duration: splash.dropped ? index * 80 : 0 }
                            NumberAnimation {
                                duration: 700
                                easing.type: splash.dropped ? Easing.InQuad : Easing.OutQuad
                            }
                        }
                    }
                }
            }

            Item {
                id: balloonBox
                anchors.fill: parent
                scale: splash.risen ? 1.0 : 0.6
                opacity: splash.risen ? 1 : 0
                transform: Translate {
                    y: splash.risen ? 0 : 220
                    Behavior on y {
                        enabled: !splash.reduceMotion
                        NumberAnimation { duration: 700; easing.type: Easing.OutBack; easing.overshoot: 1.2 }
                    }
                }
                // A spring-like rise with a little overshoot.
                Behavior on scale {
                    enabled: !splash.reduceMotion
                    NumberAnimation { duration: 700; easing.type: Easing.OutBack; easing.overshoot: 1.2 }
                }
                Behavior on opacity {
                    enabled: !splash.reduceMotion
                    NumberAnimation { duration: 500 }
                }

                DropShadow {
                    anchors.fill: balloon
                    source: balloon
                    color: Qt.rgba(0, 0, 0, 0.35)
                    radius: 18
                    samples: 37
                    verticalOffset: 10
                    transparentBorder: true
                }
                BalloonImage {
                    id: balloon
                    anchors.fill: parent
                }
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Tandor"  // the product name, the same in every language
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 44
            font.bold: true
            opacity: splash.titleShown ? 1 : 0
            transform: Translate {
                y: splash.titleShown ? 0 : 12
                Behavior on y {
                    enabled: !splash.reduceMotion
                    NumberAnimation { duration: 400; easing.type: Easing.OutQuad }
                }
            }
            Behavior on opacity {
                enabled: !splash.reduceMotion
                NumberAnimation { duration: 400; easing.type: Easing.OutQuad }
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: splash.finish()
    }
}
