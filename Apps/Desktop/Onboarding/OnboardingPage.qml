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
            id: title
            objectName: "pageTitle"
            // Two lines at most: past them the title shrinks into the height
            // of two full-size lines, down to 0.7 of its size, and only then
            // is it cut short.
            readonly property bool tooLong: fullSize.lineCount > 2
            Layout.fillWidth: true
            Layout.preferredHeight: tooLong ? 2 * fullSize.implicitHeight / fullSize.lineCount : -1
            text: Texts.tr(page.title)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            // Shrinking fills the two lines' height: with a line count, text
            // that is cut short would count as fitting.
            maximumLineCount: tooLong ? 1000 : 2
            fontSizeMode: tooLong ? Text.Fit : Text.FixedSize
            minimumPixelSize: 18
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            color: Theme.primaryText
            font.pixelSize: 26
            font.bold: true

            // The title at its full size, in as many lines as it takes.
            Text {
                id: fullSize
                visible: false
                width: title.width
                text: title.text
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                font.pixelSize: 26
                font.bold: true
            }
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
