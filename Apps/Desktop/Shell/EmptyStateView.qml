import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The pre-scan welcome: the balloon,
// what Tandor does, and the one button that starts the first scan.
Item {
    id: emptyState

    property ScanModel scanModel: null

    Glass {
        id: panel
        anchors.centerIn: parent
        cornerRadius: 24
        width: stack.width + 64
        height: stack.height + 56

        Column {
            id: stack
            x: 32
            y: 28
            width: 380
            spacing: 14

            Item {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 120
                height: 128

                BalloonImage {
                    width: 120
                    height: 120
                    y: 8

                    SequentialAnimation on y {
                        loops: Animation.Infinite
                        running: emptyState.visible && !ShellSettings.reduceMotion
                        NumberAnimation { from: 8; to: 0; duration: 1800; easing.type: Easing.InOutSine }
                        NumberAnimation { from: 0; to: 8; duration: 1800; easing.type: Easing.InOutSine }
                    }
                }
            }
            Text {
                width: parent.width
                text: Texts.tr("See where the space in your home folder goes")
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.primaryText
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            Text {
                width: parent.width
                text: Texts.tr("Tandor measures every folder, then suggests what can go. Nothing moves until you confirm, and everything goes to the Trash first.")
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.secondaryText
                font.pixelSize: 13
            }
            ActionButton {
                objectName: "scanHomeButton"
                anchors.horizontalCenter: parent.horizontalCenter
                text: Texts.tr("Scan home folder")
                primary: true
                enabled: emptyState.scanModel !== null && !emptyState.scanModel.scanning
                onClicked: emptyState.scanModel.scanHome()
            }
        }
    }
}
