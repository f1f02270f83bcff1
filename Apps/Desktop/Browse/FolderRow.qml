import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One child of the open folder: icon, name, last-opened date, share bar and
// size. Folders with children open on click; every row has the node menu.
ItemDelegate {
    id: row

    required property FolderListModel folder
    required property int index
    required property string name
    required property bool isDirectory
    required property bool canOpen
    required property string sizeText
    required property real share
    required property bool isHovered
    required property bool showsLastOpened
    required property string lastOpened
    required property bool inPile
    required property bool isProtected

    objectName: "folderRow"
    hoverEnabled: true
    padding: 6
    leftPadding: 12
    rightPadding: 12
    highlighted: false

    background: Rectangle {
        color: row.isHovered ? Qt.alpha(row.palette.highlight, 0.15) : "transparent"
    }

    onHoveredChanged: {
        if (hovered)
            row.folder.hoverEnter(row.index)
        else
            row.folder.hoverLeave(row.index)
    }
    onClicked: row.folder.open(row.index)

    // Takes the right button's press for itself: the row, a button, would
    // take a right click for a click and open the folder.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: menu.popup()
    }

    NodeMenu {
        id: menu
        objectName: "rowMenu"
        inPile: row.inPile
        isProtected: row.isProtected
        onAddToPile: row.folder.addToPile(row.index)
        onShowInFileManager: row.folder.showInFileManager(row.index)
    }

    contentItem: RowLayout {
        spacing: 10
        Accessible.role: Accessible.ListItem
        Accessible.name: row.name + ", " + row.sizeText

        // A folder or a page, drawn small and muted.
        Item {
            implicitWidth: 16
            implicitHeight: 12
            Accessible.ignored: true
            Rectangle {
                visible: row.isDirectory
                width: 7
                height: 4
                radius: 1
                color: Qt.alpha(row.palette.text, 0.45)
            }
            Rectangle {
                visible: row.isDirectory
                y: 2
                width: 16
                height: 10
                radius: 2
                color: Qt.alpha(row.palette.text, 0.45)
            }
            Rectangle {
                visible: !row.isDirectory
                x: 3
                width: 10
                height: 12
                radius: 1
                color: "transparent"
                border.width: 1
                border.color: Qt.alpha(row.palette.text, 0.55)
            }
        }
        Label {
            text: row.name
            textFormat: Text.PlainText
            elide: Text.ElideMiddle
            maximumLineCount: 1
            Layout.fillWidth: true
        }
        Label {
            visible: row.showsLastOpened && row.lastOpened.length > 0
            text: row.lastOpened
            textFormat: Text.PlainText
            font.pixelSize: 11
            opacity: 0.6
        }
        Item {
            Layout.preferredWidth: 120
            Layout.preferredHeight: 6
            Rectangle {
                width: Math.max(2, parent.width * row.share)
                height: parent.height
                radius: height / 2
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0; color: Theme.wine ?? "#b03a58" }
                    GradientStop { position: 1; color: Theme.bordeaux ?? "#7b1e3a" }
                }
            }
        }
        Label {
            text: row.sizeText
            horizontalAlignment: Text.AlignRight
            Layout.preferredWidth: 80
        }
    }
}
