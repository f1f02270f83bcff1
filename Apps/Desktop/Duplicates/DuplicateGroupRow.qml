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
    required property var inPile
    property IdenticalFilesListModel list: null

    signal noticeSet(string text)
    // The ⋯ menu of a copy; the list holds one menu for all rows.
    signal menuRequested(int row, int file, bool isKeeper)

    objectName: "duplicateGroupRow"
    implicitHeight: disclosure.implicitHeight + 8

    // The open state follows the model without the easing, so that a row the
    // list hands to another group opens or closes at once; a click eases it
    // itself and the model then agrees.
    onExpandedChanged: disclosure.show(row.expanded)

    DisclosureRow {
        id: disclosure
        y: 4
        width: row.width
        onToggled: open => row.list.setExpanded(row.index, open)
        Component.onCompleted: show(row.expanded)

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
                // Why the copy is kept reads in full: it wraps.
                Text {
                    width: parent.width
                    text: row.summary
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
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
                onClicked: row.noticeSet(row.list.addCopies(row.index))
            }
        ]

        Repeater {
            model: row.expanded ? row.files : []

            RowLayout {
                id: fileRow
                required property int index
                required property var modelData
                readonly property bool inPile: row.inPile[index] === true
                // A kept copy that went onto the pile from elsewhere is shown
                // as on the pile, with its button to take it off.
                readonly property bool keptHere: modelData.isKeeper && !inPile

                objectName: "duplicateFile"
                width: disclosure.width
                spacing: 8

                Item {
                    Layout.preferredWidth: 80
                    implicitHeight: 18
                    SymbolLabel {
                        anchors.verticalCenter: parent.verticalCenter
                        visible: fileRow.keptHere
                        objectName: "keepMark"
                        symbol: "checkmark.seal.fill"
                        text: Texts.tr("Keep")
                        color: Theme.wine
                        font.pixelSize: 11
                    }
                    Text {
                        id: sizeText
                        anchors.verticalCenter: parent.verticalCenter
                        visible: !fileRow.keptHere
                        text: fileRow.modelData.sizeText
                        textFormat: Text.PlainText
                        color: Theme.secondaryText
                        font.pixelSize: 11
                        HoverHandler { id: sizeHover }
                        // Made on the first hover: the rows stay cheap to make.
                        Loader {
                            anchors.fill: parent
                            active: sizeHover.hovered
                            sourceComponent: PlainToolTip {
                                text: fileRow.modelData.sizeHelp
                                visible: sizeHover.hovered
                                delay: 600
                            }
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
                    Loader {
                        anchors.fill: parent
                        active: pathHover.hovered
                        sourceComponent: PlainToolTip {
                            text: fileRow.modelData.path
                            visible: pathHover.hovered
                            delay: 600
                        }
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
                    onClicked: row.menuRequested(row.index, fileRow.index, fileRow.keptHere)
                }
                ToolButton {
                    id: toggleButton
                    readonly property string tip: fileRow.inPile
                                                  ? Texts.tr("Take it back out of the pile")
                                                  : Texts.tr("Add to pile")

                    objectName: "togglePile"
                    visible: !fileRow.keptHere
                    implicitWidth: 24
                    implicitHeight: 22
                    Accessible.name: toggleButton.tip
                    contentItem: SymbolIcon {
                        name: fileRow.inPile ? "tray.full" : "tray.and.arrow.down"
                        color: fileRow.inPile ? Theme.wine : Theme.secondaryText
                    }
                    onClicked: row.noticeSet(row.list.toggle(row.index, fileRow.index))
                    HoverHandler { id: toggleHover }
                    Loader {
                        anchors.fill: parent
                        active: toggleHover.hovered
                        sourceComponent: PlainToolTip {
                            text: toggleButton.tip
                            visible: toggleHover.hovered
                            delay: 600
                        }
                    }
                }
            }
        }
    }
}
