import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One group of identical files: the kept copy's name, the counts and why it
// is kept, what the extra copies free and a button for all of them; opened,
// every copy with its size or keeper mark, path, date, menu and pile button.
Item {
    id: row

    required property int index
    required property string keeperName
    required property string summary
    required property string reclaimableText
    required property bool allExtrasInPile
    required property bool expanded
    required property var files
    property IdenticalFilesListModel list: null

    signal noticeSet(string text)

    objectName: "duplicateGroupRow"
    implicitHeight: disclosure.implicitHeight + 8

    DisclosureRow {
        id: disclosure
        y: 4
        width: row.width
        expanded: row.expanded
        onToggled: open => row.list.setExpanded(row.index, open)

        label: [
            SymbolIcon {
                name: "doc.on.doc"
                color: Theme.secondaryText
            },
            Column {
                width: Math.max(120, row.width - 330)
                spacing: 2
                Text {
                    width: parent.width
                    text: row.keeperName
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    color: Theme.primaryText
                    font.weight: Font.DemiBold
                }
                Text {
                    width: parent.width
                    text: row.summary
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    color: Theme.secondaryText
                    font.pixelSize: 11
                }
            },
            Text {
                width: 80
                horizontalAlignment: Text.AlignRight
                text: row.reclaimableText
                textFormat: Text.PlainText
                color: Theme.secondaryText
                font.weight: Font.DemiBold
            },
            Button {
                objectName: "addCopies"
                text: row.allExtrasInPile ? Texts.tr("In pile") : Texts.tr("Add copies")
                enabled: !row.allExtrasInPile
                font.pixelSize: 11
                onClicked: row.list.addCopies(row.index)
            }
        ]

        Repeater {
            model: row.expanded ? row.files : []

            RowLayout {
                id: fileRow
                required property int index
                required property var modelData

                objectName: "duplicateFile"
                width: disclosure.width
                spacing: 8

                Item {
                    Layout.preferredWidth: 80
                    implicitHeight: 18
                    SymbolLabel {
                        anchors.verticalCenter: parent.verticalCenter
                        visible: fileRow.modelData.isKeeper
                        objectName: "keepMark"
                        symbol: "checkmark.seal.fill"
                        text: Texts.tr("Keep")
                        color: Theme.wine
                        font.pixelSize: 11
                    }
                    Text {
                        id: sizeText
                        anchors.verticalCenter: parent.verticalCenter
                        visible: !fileRow.modelData.isKeeper
                        text: fileRow.modelData.sizeText
                        textFormat: Text.PlainText
                        color: Theme.secondaryText
                        font.pixelSize: 11
                        HoverHandler { id: sizeHover }
                        PlainToolTip {
                            text: fileRow.modelData.sizeHelp
                            visible: sizeHover.hovered
                            delay: 600
                        }
                    }
                }
                Text {
                    Layout.fillWidth: true
                    text: fileRow.modelData.path
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    color: Theme.primaryText
                    font.pixelSize: 11
                    HoverHandler { id: pathHover }
                    PlainToolTip {
                        text: fileRow.modelData.path
                        visible: pathHover.hovered
                        delay: 600
                    }
                }
                Text {
                    visible: fileRow.modelData.dateText !== ""
                    text: fileRow.modelData.dateText
                    textFormat: Text.PlainText
                    color: Theme.secondaryText
                    font.pixelSize: 11
                }
                ToolButton {
                    objectName: "fileMenuButton"
                    implicitWidth: 24
                    implicitHeight: 22
                    Accessible.name: Texts.tr("More")
                    contentItem: SymbolIcon {
                        name: "ellipsis.circle"
                        color: Theme.secondaryText
                    }
                    onClicked: fileMenu.popup()

                    Menu {
                        id: fileMenu
                        MenuItem {
                            objectName: "keepThisCopy"
                            visible: !fileRow.modelData.isKeeper
                            height: visible ? implicitHeight : 0
                            text: Texts.tr("Keep this copy instead")
                            // The kept copy changes the row's copies, which
                            // makes this item anew: nothing may follow it.
                            onTriggered: {
                                row.noticeSet("");
                                row.list.keep(row.index, fileRow.index);
                            }
                        }
                        MenuItem {
                            objectName: "showCopyInFileManager"
                            text: Texts.tr("Show in File Manager")
                            onTriggered: row.list.showInFileManager(row.index, fileRow.index)
                        }
                    }
                }
                ToolButton {
                    objectName: "togglePile"
                    visible: !fileRow.modelData.isKeeper
                    implicitWidth: 24
                    implicitHeight: 22
                    Accessible.name: toggleTip.text
                    contentItem: SymbolIcon {
                        name: fileRow.modelData.inPile ? "tray.full" : "tray.and.arrow.down"
                        color: fileRow.modelData.inPile ? Theme.wine : Theme.secondaryText
                    }
                    onClicked: row.noticeSet(row.list.toggle(row.index, fileRow.index))
                    HoverHandler { id: toggleHover }
                    PlainToolTip {
                        id: toggleTip
                        text: fileRow.modelData.inPile ? Texts.tr("Take it back out of the pile")
                                                       : Texts.tr("Add to pile")
                        visible: toggleHover.hovered
                        delay: 600
                    }
                }
            }
        }
    }
}
