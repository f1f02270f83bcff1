import QtQuick
import Tandor.Shared

// The screen shown while a scan runs. It takes plain figures from its owner
// and keeps only its own tip rotation and clock.
Item {
    id: view

    // Estimated share done (0...0.97), or undefined when there is no estimate.
    property var fraction: undefined
    property real filesSeen: 0
    property real bytesSeen: 0
    // The folder being read, already shortened below home; empty = no line.
    property string folder
    property date scanStarted: new Date()
    property bool reduceMotion: false

    property int tipIndex: 0
    readonly property var tips: [
        "Tandor only reads during a scan. Nothing moves until you confirm.",  // text key
        "Everything you remove goes to the Trash, and History can put it back.",  // text key
        "Build folders, caches and old installers are usually the quickest wins.",  // text key
        "The Categories view shows where every gigabyte goes, by kind of file.",  // text key
        "Duplicates are compared by content, not by name."  // text key
    ]

    property real now: Date.now()
    property real balloonTime: 0

    implicitWidth: panel.width
    implicitHeight: panel.height

    Timer {
        interval: 1000
        repeat: true
        running: view.visible
        onTriggered: view.now = Date.now()
    }

    FrameAnimation {
        running: view.visible && !view.reduceMotion
        // Seconds on a fixed reference so the sway keeps its phase.
        onTriggered: view.balloonTime = Date.now() / 1000 - 978307200
    }

    Timer {
        interval: 5000
        repeat: true
        running: view.visible
        onTriggered: tipFade.restart()
    }

    SequentialAnimation {
        id: tipFade
        NumberAnimation { target: tip; property: "opacity"; to: 0; duration: 250; easing.type: Easing.InOutQuad }
        ScriptAction { script: view.tipIndex = (view.tipIndex + 1) % view.tips.length }
        NumberAnimation { target: tip; property: "opacity"; to: 1; duration: 250; easing.type: Easing.InOutQuad }
    }

    component Counter: Column {
        property string value
        property string caption
        spacing: 2
        width: Math.max(80, implicitWidth)
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: parent.value
            textFormat: Text.PlainText
            color: Theme.primaryText
            font.pixelSize: 13
            font.weight: Font.DemiBold
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: Texts.tr(parent.caption)
            textFormat: Text.PlainText
            color: Theme.secondaryText
            font.pixelSize: 10
        }
    }

    Glass {
        id: panel
        anchors.centerIn: parent
        cornerRadius: 24
        width: stack.width + 56
        height: stack.height + 56

        Column {
            id: stack
            x: 28
            y: 28
            spacing: 16

            BalloonClimb {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 240
                height: 150
                progress: view.fraction
                time: view.reduceMotion ? 0 : view.balloonTime
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: Texts.tr("Measuring your home folder")
                textFormat: Text.PlainText
                color: Theme.primaryText
                font.pixelSize: 15
                font.weight: Font.DemiBold
            }
            BrandProgressBar {
                objectName: "progressBar"
                anchors.horizontalCenter: parent.horizontalCenter
                width: 320
                height: 8
                fraction: view.fraction
                animate: !view.reduceMotion
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 20
                Counter { value: Texts.count(view.filesSeen); caption: "files" }  // text key
                Counter { value: Texts.bytes(view.bytesSeen); caption: "measured" }  // text key
                Counter {
                    value: Texts.elapsed((view.now - view.scanStarted.getTime()) / 1000)
                    caption: "elapsed"  // text key
                }
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: view.folder.length > 0
                spacing: 5
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "folder"
                    color: Theme.secondaryText
                    size: 13
                }
                Text {
                    id: folderText
                    width: Math.min(implicitWidth, 300)
                    text: view.folder
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    color: Theme.secondaryText
                    font.pixelSize: 12
                    onTextChanged: folderFade.restart()
                    NumberAnimation {
                        id: folderFade
                        target: folderText
                        property: "opacity"
                        from: 0.4
                        to: 1
                        duration: 200
                    }
                }
            }
            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 320
                height: 1
                color: Qt.rgba(Theme.primaryText.r, Theme.primaryText.g, Theme.primaryText.b, 0.12)
            }
            Text {
                id: tip
                anchors.horizontalCenter: parent.horizontalCenter
                width: 340
                height: 40
                text: Texts.tr(view.tips[view.tipIndex])
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.secondaryText
                font.pixelSize: 12
            }
        }
    }
}
