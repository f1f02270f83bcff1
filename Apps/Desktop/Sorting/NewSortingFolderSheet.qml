import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// Creates a temporary sorting folder with its fate; the folder becomes the
// destination of Move. Reports through done(created) and never closes itself.
Popup {
    id: sheet

    property SortingFolderList folders: null
    readonly property SortingModel sorting: folders && folders.scanModel
                                            ? folders.scanModel.swipe.sorting : null
    // "keep", "moveTo" or "pile".
    property string choice: "pile"
    property int days: 30
    readonly property bool canCreate: choice !== "moveTo" || folders.sheetTarget.length > 0
    // Whether this opening has reported; Escape closes without a report.
    property bool reported: false

    signal done(bool created)

    function create() {
        if (!canCreate) {
            return
        }
        sheet.done(folders.create(nameField.text, choice, days))
    }

    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 440
    padding: 22

    // Every opening starts from an empty form.
    onAboutToShow: {
        nameField.text = ""
        choice = "pile"
        days = 30
        folders.clearSheetTarget()
        nameField.forceActiveFocus()
    }
    onOpened: reported = false
    onDone: reported = true
    onClosed: if (!reported) sheet.done(false)

    ColumnLayout {
        anchors.fill: parent
        spacing: 16

        // Return presses Create wherever the focus is in the sheet, the name
        // field included; Escape cancels through the close policy.
        Shortcut {
            sequences: ["Return", "Enter"]
            enabled: sheet.opened && createButton.enabled
            onActivated: sheet.create()
        }

        Row {
            spacing: 8
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "folder.badge.gearshape"
                size: 18
                color: Theme.bordeaux
            }
            Text {
                text: Texts.tr("New sorting folder")
                font.pixelSize: 17
                font.weight: Font.DemiBold
                color: Theme.bordeaux
            }
        }
        TextField {
            id: nameField
            objectName: "newFolderName"
            Layout.fillWidth: true
            placeholderText: Texts.tr("Name, for example To check")
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 8

            Text {
                text: Texts.tr("When you are done with it")
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
            Repeater {
                model: [
                    { value: "keep", text: Texts.tr("Keep it as a normal folder") },
                    { value: "moveTo", text: Texts.tr("Move the files to another folder") },
                    { value: "pile", text: Texts.tr("Offer the files for the pile") }
                ]
                RadioButton {
                    required property var modelData
                    objectName: "fate_" + modelData.value
                    text: modelData.text
                    checked: sheet.choice === modelData.value
                    onToggled: sheet.choice = modelData.value
                }
            }
            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 20
                visible: sheet.choice === "moveTo"
                Text {
                    objectName: "sheetTarget"
                    Layout.fillWidth: true
                    text: sheet.folders && sheet.folders.sheetTarget.length > 0
                          ? sheet.folders.sheetTarget : Texts.tr("No folder chosen")
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    color: Theme.secondaryText
                }
                Button {
                    objectName: "chooseTarget"
                    enabled: parent.visible
                    focusPolicy: Qt.NoFocus
                    text: Texts.tr("Choose…")
                    onClicked: sheet.folders.chooseSheetTarget(nameField.text)
                }
            }
            ColumnLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 20
                visible: sheet.choice === "pile"
                spacing: 6
                Row {
                    spacing: 8
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        text: Texts.tr("After")
                        color: Theme.primaryText
                    }
                    SegmentedPicker {
                        width: 260
                        enabled: sheet.choice === "pile"
                        readonly property var values: [7, 30, 90]
                        model: [Texts.tr("7 days"), Texts.tr("30 days"), Texts.tr("90 days")]
                        currentIndex: values.indexOf(sheet.days)
                        onActivated: index => sheet.days = values[index]
                    }
                }
                Text {
                    Layout.fillWidth: true
                    wrapMode: Text.Wrap
                    text: Texts.tr("Tandor reminds you. Nothing goes to the Trash unless you confirm the pile.")
                    font.pixelSize: 11
                    color: Theme.secondaryText
                }
            }
        }
        Text {
            objectName: "sheetMessage"
            Layout.fillWidth: true
            visible: text.length > 0
            text: sheet.sorting ? sheet.sorting.message : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.red
        }
        RowLayout {
            Layout.fillWidth: true
            Item { Layout.fillWidth: true }
            ActionButton {
                text: Texts.tr("Cancel")
                onClicked: sheet.done(false)
            }
            ActionButton {
                id: createButton
                objectName: "createFolder"
                primary: true
                text: Texts.tr("Create")
                enabled: sheet.canCreate
                onClicked: sheet.create()
            }
        }
    }
}
