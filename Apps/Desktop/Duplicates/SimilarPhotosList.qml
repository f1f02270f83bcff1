import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The "Similar photos" list: the totals with a button for every photo but
// the best shots, one strip of thumbnails per group, and a reminder to look
// at each group first.
ListView {
    id: listView

    property SimilarPhotosListModel list: null

    // A pile action's outcome for the tab's notice: a refusal, or "" to clear it.
    signal noticeSet(string text)

    objectName: "similarPhotosList"
    clip: true
    model: list
    // Rows that scroll out serve the groups that scroll in, instead of being
    // made anew for each of a thousand strips.
    reuseItems: true
    leftMargin: 12
    rightMargin: 12
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    header: ColumnLayout {
        width: listView.width - 24
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 8
            Text {
                objectName: "similarHeader"
                Layout.fillWidth: true
                text: listView.list ? listView.list.header : ""
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: Theme.secondaryText
                font.weight: Font.DemiBold
            }
            Button {
                objectName: "addAllButBest"
                text: Texts.tr("Add all but the best to pile")
                enabled: listView.list !== null && !listView.list.isEmpty
                onClicked: listView.list.addAll()
            }
        }
        Text {
            visible: listView.list !== null && listView.list.isEmpty
            text: Texts.tr("No similar photos found.")
            textFormat: Text.PlainText
            color: Theme.secondaryText
        }
    }

    delegate: SimilarGroupRow {
        width: listView.width - 24
        list: listView.list
        onNoticeSet: text => listView.noticeSet(text)
        onMenuRequested: (row, photo, isBest) => photoMenu.openFor(row, photo, isBest)
    }

    // The right-click menu of a photo: one for the whole list, made once.
    Menu {
        id: photoMenu

        property int row: -1
        property int photo: -1
        property bool isBest: false

        function openFor(row, photo, isBest) {
            photoMenu.row = row;
            photoMenu.photo = photo;
            photoMenu.isBest = isBest;
            popup();
        }

        MenuItem {
            objectName: "keepAsBest"
            visible: !photoMenu.isBest
            height: visible ? implicitHeight : 0
            text: Texts.tr("Keep this one as the best")
            onTriggered: {
                listView.noticeSet(listView.list.keepBest(photoMenu.row, photoMenu.photo));
            }
        }
        MenuItem {
            objectName: "openPhoto"
            text: Texts.tr("Open")
            onTriggered: listView.list.open(photoMenu.row, photoMenu.photo)
        }
        MenuItem {
            objectName: "showPhotoInFileManager"
            text: Texts.tr("Show in File Manager")
            onTriggered: listView.list.showInFileManager(photoMenu.row, photoMenu.photo)
        }
    }

    footer: Item {
        width: listView.width - 24
        implicitHeight: footLine.implicitHeight + 20
        InfoLine {
            id: footLine
            y: 8
            text: "Check each group first"  // text key
            detail: "Similar is not identical: look at each group before moving anything. Click a photo to add it to the pile or take it out; right-click for more."  // text key
            color: Theme.secondaryText
            font.pixelSize: 11
        }
    }
}
