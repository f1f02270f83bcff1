import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The list of the open folder's children, with its title, size and file count
// and a way back up.
Item {
    id: folderView

    required property BrowseState browse
    readonly property FolderListModel folder: browse.folder

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.topMargin: 6
            Layout.bottomMargin: 6
            spacing: 8

            ToolButton {
                visible: folderView.browse.canGoBack
                text: "\u2039"
                font.pixelSize: 18
                onClicked: folderView.browse.goBack()
                Accessible.name: Texts.tr("Back")
            }
            ColumnLayout {
                spacing: 0
                Layout.fillWidth: true
                Label {
                    text: folderView.folder.title
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    font.weight: Font.DemiBold
                    Layout.fillWidth: true
                }
                Label {
                    visible: !folderView.folder.folderMissing
                    text: folderView.folder.subtitle
                    textFormat: Text.PlainText
                    font.pixelSize: 11
                    opacity: 0.6
                }
            }
        }

        Label {
            visible: folderView.folder.folderMissing
            text: Texts.tr("This folder is no longer in the scan.")
            opacity: 0.6
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 24
        }

        ListView {
            id: list
            visible: !folderView.folder.folderMissing
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: folderView.folder
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            delegate: FolderRow {
                width: ListView.view.width
                folder: folderView.folder
            }

            Connections {
                target: folderView.folder
                function onScrollToRow(row) {
                    list.positionViewAtIndex(row, ListView.Contain)
                }
            }
        }
    }
}
