import QtQuick
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One page of the tour: square art above a large title and a subtitle, all
// centred. The art is laid out at its design size and scaled as a whole to
// the side TourGeometry.artSide gives for the height; the page never scrolls.
Item {
    id: page

    property string title  // text key
    property string subtitle  // text key
    property Component art
    // The least empty space kept under the subtitle.
    property real bottomRoom: 8
    readonly property real artSide: TourGeometry.artSide(height, bottomRoom)

    ColumnLayout {
        anchors.fill: parent
        spacing: 16

        Item {
            Layout.fillHeight: true
            Layout.minimumHeight: 8
        }
        Item {
            objectName: "pageArt"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: page.artSide
            Layout.preferredHeight: page.artSide

            Loader {
                anchors.centerIn: parent
                width: 280
                height: 280
                scale: page.artSide / 280
                sourceComponent: page.art
            }
        }
        Text {
            objectName: "pageTitle"
            Layout.fillWidth: true
            text: Texts.tr(page.title)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            color: Theme.primaryText
            font.pixelSize: 26
            font.bold: true
        }
        Text {
            Layout.fillWidth: true
            Layout.leftMargin: 24
            Layout.rightMargin: 24
            text: Texts.tr(page.subtitle)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            color: Theme.secondaryText
            font.pixelSize: 18
        }
        Item {
            Layout.fillHeight: true
            Layout.minimumHeight: page.bottomRoom
        }
    }
}
