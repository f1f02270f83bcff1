import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The "Identical files" list: the totals with a button for every extra copy,
// one disclosure row per group, and the search's notes below.
ListView {
    id: listView

    property IdenticalFilesListModel list: null
    property var footnotes: []

    // A pile action's outcome for the tab's notice: a refusal, or "" to clear it.
    signal noticeSet(string text)

    objectName: "identicalFilesList"
    clip: true
    model: list
    // Rows that scroll out serve the groups that scroll in, instead of being
    // made anew for each of thousands of groups.
    reuseItems: true
    spacing: 0
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
                objectName: "identicalHeader"
                Layout.fillWidth: true
                text: listView.list ? listView.list.header : ""
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: Theme.secondaryText
                font.weight: Font.DemiBold
            }
            Button {
                objectName: "addAllExtraCopies"
                text: Texts.tr("Add all extra copies to pile")
                enabled: listView.list !== null && !listView.list.isEmpty
                onClicked: listView.list.addAll()
            }
        }
        Text {
            visible: listView.list !== null && listView.list.isEmpty
            text: Texts.tr("No identical files found.")
            textFormat: Text.PlainText
            color: Theme.secondaryText
        }
    }

    delegate: DuplicateGroupRow {
        width: listView.width - 24
        list: listView.list
        onNoticeSet: text => listView.noticeSet(text)
        onMenuRequested: (row, file, isKeeper) => fileMenu.openFor(row, file, isKeeper)
    }

    // The ⋯ menu of a copy: one for the whole list, made once.
    Menu {
        id: fileMenu

        property int row: -1
        property int file: -1
        property bool isKeeper: false

        function openFor(row, file, isKeeper) {
            fileMenu.row = row;
            fileMenu.file = file;
            fileMenu.isKeeper = isKeeper;
            popup();
        }

        MenuItem {
            objectName: "keepThisCopy"
            visible: !fileMenu.isKeeper
            height: visible ? implicitHeight : 0
            text: Texts.tr("Keep this copy instead")
            onTriggered: {
                listView.noticeSet(listView.list.keep(fileMenu.row, fileMenu.file));
            }
        }
        MenuItem {
            objectName: "showCopyInFileManager"
            text: Texts.tr("Show in File Manager")
            onTriggered: listView.list.showInFileManager(fileMenu.row, fileMenu.file)
        }
    }

    footer: Column {
        width: listView.width - 24
        topPadding: 8
        bottomPadding: 12
        spacing: 2

        Repeater {
            model: listView.footnotes
            Text {
                required property string modelData
                width: parent.width
                text: modelData
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                color: Theme.secondaryText
                font.pixelSize: 11
            }
        }
    }
}
