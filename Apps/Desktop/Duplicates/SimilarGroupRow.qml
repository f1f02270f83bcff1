import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One group of similar photos: the count, the best shot's date and why it is
// the best, what the others free and a button for all of them, then a strip
// of thumbnails. A click puts a photo on the pile or takes it off; a right
// click offers keeping it as the best, opening it and showing it.
ColumnLayout {
    id: row

    required property int index
    required property string title
    required property string dateText
    required property string reason
    required property string reclaimableText
    required property bool allOthersInPile
    required property var photos
    required property var inPile
    property SimilarPhotosListModel list: null
    readonly property int side: 110

    signal noticeSet(string text)
    // The right-click menu of a photo; the list holds one menu for all rows.
    signal menuRequested(int row, int photo, bool isBest)

    objectName: "similarGroupRow"
    spacing: 6

    RowLayout {
        Layout.fillWidth: true
        Layout.topMargin: 6
        spacing: 8

        Text {
            text: row.title
            textFormat: Text.PlainText
            color: Theme.primaryText
            font.weight: Font.DemiBold
        }
        Text {
            text: row.dateText
            textFormat: Text.PlainText
            color: Theme.secondaryText
        }
        Text {
            Layout.fillWidth: true
            text: row.reason
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: Theme.secondaryText
            font.pixelSize: 11
        }
        Text {
            text: row.reclaimableText
            textFormat: Text.PlainText
            color: Theme.secondaryText
            font.weight: Font.DemiBold
        }
        Button {
            objectName: "addOthers"
            text: Texts.tr("Add others")
            enabled: !row.allOthersInPile
            font.pixelSize: 11
            onClicked: row.noticeSet(row.list.addOthers(row.index))
        }
    }

    ListView {
        Layout.fillWidth: true
        Layout.bottomMargin: 6
        implicitHeight: row.side + 44
        orientation: ListView.Horizontal
        spacing: 10
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // A new group's strip takes the tiles of the last one.
        reuseItems: true
        model: row.photos
        ScrollBar.horizontal: ScrollBar { policy: ScrollBar.AsNeeded }

        delegate: Column {
            id: tile
            required property int index
            required property var modelData
            readonly property bool inPile: row.inPile[index] === true

            objectName: "photoTile"
            width: row.side
            spacing: 3
            Accessible.role: Accessible.Button
            Accessible.name: modelData.name + (modelData.isBest ? Texts.tr(", best shot") : "")
                             + (inPile ? Texts.tr(", in pile") : "")

            Item {
                id: picture
                objectName: "photoPicture"
                width: row.side
                height: row.side

                Rectangle {
                    anchors.fill: parent
                    radius: 6
                    color: Theme.dark ? Qt.rgba(1, 1, 1, 0.08) : Qt.rgba(0, 0, 0, 0.06)
                    opacity: tile.inPile ? 0.45 : 1
                }
                Image {
                    objectName: "photoImage"
                    anchors.fill: parent
                    source: tile.modelData.source
                    sourceSize.width: row.side * 2
                    sourceSize.height: row.side * 2
                    asynchronous: true
                    fillMode: Image.PreserveAspectCrop
                    cache: true
                    opacity: tile.inPile ? 0.45 : 1
                }
                Rectangle {
                    objectName: "bestBadge"
                    visible: tile.modelData.isBest
                    x: 5
                    y: 5
                    width: 22
                    height: 22
                    radius: 11
                    color: Qt.rgba(0, 0, 0, 0.5)
                    SymbolIcon {
                        anchors.centerIn: parent
                        name: "star.fill"
                        size: 12
                        color: Theme.yellow
                    }
                }
                Rectangle {
                    objectName: "pileBadge"
                    visible: tile.inPile
                    x: parent.width - width - 5
                    y: parent.height - height - 5
                    width: 22
                    height: 22
                    radius: 11
                    color: Theme.wine
                    SymbolIcon {
                        anchors.centerIn: parent
                        name: "tray.full.fill"
                        size: 12
                        color: "white"
                    }
                }
                HoverHandler { id: tileHover }
                // Made on the first hover: the tiles stay cheap to make.
                Loader {
                    anchors.fill: parent
                    active: tileHover.hovered
                    sourceComponent: PlainToolTip {
                        text: tile.modelData.path
                        visible: tileHover.hovered
                        delay: 600
                    }
                }
                TapHandler {
                    acceptedButtons: Qt.LeftButton
                    onTapped: row.noticeSet(row.list.toggle(row.index, tile.index))
                }
                TapHandler {
                    acceptedButtons: Qt.RightButton
                    onTapped: row.menuRequested(row.index, tile.index, tile.modelData.isBest)
                }
            }
            Text {
                width: row.side
                text: tile.modelData.name
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                horizontalAlignment: Text.AlignHCenter
                color: Theme.primaryText
                font.pixelSize: 10
            }
            Text {
                width: row.side
                text: tile.modelData.details
                textFormat: Text.PlainText
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
                color: Theme.secondaryText
                font.pixelSize: 10
            }
        }
    }
}
