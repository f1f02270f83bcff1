import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// Asks where a file should go when Move has no destination yet: a sorting
// folder, one of the user's folders or a new sorting folder becomes the
// destination. Reports through done(chosen) and never moves a file itself.
// The sorting model's message says why a chosen folder was not taken.
Popup {
    id: sheet

    property SortingFolderList folders: null
    readonly property SortingModel sorting: folders && folders.scanModel
                                            ? folders.scanModel.swipe.sorting : null
    property bool reported: false

    signal done(bool chosen)

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    parent: Overlay.overlay
    anchors.centerIn: parent
    // Wider when the buttons need it, never wider than the window; the
    // folders scroll in a window too short for them all.
    width: Math.min(Math.max(480, buttons.implicitWidth + leftPadding + rightPadding),
                    parent ? parent.width - 24 : 480)
    height: Math.min(implicitHeight, parent ? parent.height - 24 : implicitHeight)
    padding: 22

    onOpened: reported = false
    onDone: reported = true
    onClosed: if (!reported) sheet.done(false)

    Connections {
        target: sheet.folders
        enabled: sheet.opened
        function onOwnFolderChosen(chosen) {
            if (chosen) {
                sheet.done(true)
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 14

        Text {
            Layout.fillWidth: true
            text: Texts.tr("Where should this file go?")
            wrapMode: Text.Wrap
            font.pixelSize: 17
            font.weight: Font.DemiBold
            color: Theme.primaryText
        }
        Text {
            Layout.fillWidth: true
            text: Texts.tr("Tandor moves it right away. You can put it back at any time.")
            wrapMode: Text.Wrap
            color: Theme.secondaryText
        }
        ListView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: contentHeight
            clip: true
            interactive: contentHeight > height
            boundsBehavior: Flickable.StopAtBounds
            spacing: 14
            model: sheet.folders ? sheet.folders.folders : []
            ScrollBar.vertical: ScrollBar {}
            delegate: AbstractButton {
                id: choice
                required property var modelData
                required property int index
                objectName: "pickFolder"
                width: ListView.view.width
                focusPolicy: Qt.NoFocus
                padding: 10
                background: Glass {
                    cornerRadius: 10
                }
                contentItem: SortingFolderLabel {
                    folder: choice.modelData
                }
                onClicked: {
                    sheet.folders.useForMove(index)
                    sheet.done(true)
                }
            }
        }
        Text {
            objectName: "pickerMessage"
            Layout.fillWidth: true
            visible: text.length > 0
            text: sheet.sorting ? sheet.sorting.message : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.red
        }
        RowLayout {
            id: buttons
            Layout.fillWidth: true
            spacing: 10
            ActionButton {
                objectName: "ownFolder"
                text: Texts.tr("One of My Folders…")
                onClicked: sheet.folders.chooseOwnFolder()
            }
            ActionButton {
                objectName: "newSortingFolder"
                primary: true
                text: Texts.tr("New Sorting Folder…")
                onClicked: newFolder.open()
            }
            Item { Layout.fillWidth: true }
            ActionButton {
                text: Texts.tr("Cancel")
                onClicked: sheet.done(false)
            }
        }
    }

    NewSortingFolderSheet {
        id: newFolder
        folders: sheet.folders
        onDone: created => {
            newFolder.close()
            if (created) {
                sheet.done(true)
            }
        }
    }
}
