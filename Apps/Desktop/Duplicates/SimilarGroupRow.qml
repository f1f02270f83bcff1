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
    property SimilarPhotosListModel list: null
    readonly property int side: 110

    signal noticeSet(string text)

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
            onClicked: row.list.addOthers(row.index)
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
        model: row.photos
        ScrollBar.horizontal: ScrollBar { policy: ScrollBar.AsNeeded }

        delegate: Column {
            id: tile
            required property int index
            required property var modelData

            objectName: "photoTile"
            width: row.side
            spacing: 3
            Accessible.role: Accessible.Button
            Accessible.name: modelData.accessibleName

            Item {
                id: picture
                objectName: "photoPicture"
                width: row.side
                height: row.side

                Rectangle {
                    anchors.fill: parent
                    radius: 6
                    color: Theme.dark ? Qt.rgba(1, 1, 1, 0.08) : Qt.rgba(0, 0, 0, 0.06)
                    opacity: tile.modelData.inPile ? 0.45 : 1
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
                    opacity: tile.modelData.inPile ? 0.45 : 1
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
                    visible: tile.modelData.inPile
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
                PlainToolTip {
                    text: tile.modelData.path
                    visible: tileHover.hovered
                    delay: 600
                }
                TapHandler {
                    acceptedButtons: Qt.LeftButton
                    onTapped: row.noticeSet(row.list.toggle(row.index, tile.index))
                }
                TapHandler {
                    acceptedButtons: Qt.RightButton
                    onTapped: photoMenu.popup()
                }
                Menu {
                    id: photoMenu
                    MenuItem {
                        objectName: "keepAsBest"
                        visible: !tile.modelData.isBest
                        height: visible ? implicitHeight : 0
                        text: Texts.tr("Keep this one as the best")
                        // The best shot changes the row's photos, which makes
                        // this tile anew: nothing may follow it.
                        onTriggered: {
                            row.noticeSet("");
                            row.list.keepBest(row.index, tile.index);
                        }
                    }
                    MenuItem {
                        objectName: "openPhoto"
                        text: Texts.tr("Open")
                        onTriggered: row.list.open(row.index, tile.index)
                    }
                    MenuItem {
                        objectName: "showPhotoInFileManager"
                        text: Texts.tr("Show in File Manager")
                        onTriggered: row.list.showInFileManager(row.index, tile.index)
                    }
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
