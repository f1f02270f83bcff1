import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One application: its name and identifier, its size and when it was last
// opened, the files it keeps in the Library with a checkbox each, and the
// footer that puts it with the chosen files on the pile.
Item {
    id: view

    property alias scanModel: detail.scanModel
    property alias apps: detail.apps
    property alias appIndex: detail.appIndex

    UninstallDetailModel {
        id: detail
        objectName: "uninstallDetail"
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10

        // Every line takes the column's width: a long name elides or wraps
        // instead of pushing the sizes and the button out of the column.
        RowLayout {
            Layout.fillWidth: true
            spacing: 12
            AppIconImage {
                objectName: "appIcon"
                source: detail.iconSource
                size: 48
            }
            ColumnLayout {
                Layout.fillWidth: true
                Text {
                    objectName: "uninstallName"
                    Layout.fillWidth: true
                    text: detail.name
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    font.pixelSize: 20
                    font.weight: Font.DemiBold
                    color: Theme.primaryText
                }
                Text {
                    Layout.fillWidth: true
                    text: detail.subtitle
                    textFormat: Text.PlainText
                    elide: Text.ElideMiddle
                    font.pixelSize: 11
                    color: Theme.secondaryText
                }
            }
        }

        ColumnLayout {
            visible: !detail.planReady
            Layout.fillWidth: true
            Layout.fillHeight: true
            BusyIndicator {
                Layout.alignment: Qt.AlignHCenter
                running: parent.visible
            }
            Text {
                Layout.alignment: Qt.AlignHCenter
                Layout.maximumWidth: parent.width
                text: Texts.tr("Looking for leftovers…")
                elide: Text.ElideRight
                color: Theme.secondaryText
            }
        }

        Text {
            Layout.fillWidth: true
            visible: detail.planReady
            text: detail.factsText
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: Theme.secondaryText
        }
        Text {
            Layout.fillWidth: true
            visible: detail.planReady && detail.leftovers.length === 0
            text: Texts.tr("No leftovers found in your Library.")
            wrapMode: Text.Wrap
            color: Theme.secondaryText
        }
        Text {
            Layout.fillWidth: true
            visible: detail.planReady && detail.leftovers.length > 0
            text: Texts.tr("Files it keeps in your Library")
            wrapMode: Text.Wrap
            font.pixelSize: 13
            font.weight: Font.DemiBold
            color: Theme.primaryText
        }
        ListView {
            visible: detail.planReady
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 6
            model: detail.leftovers
            ScrollBar.vertical: ScrollBar {}

            delegate: RowLayout {
                id: leftoverRow
                required property int index
                required property var modelData

                objectName: "leftoverRow"
                width: ListView.view.width
                spacing: 8
                HoverHandler { id: rowHover }
                PlainToolTip {
                    text: leftoverRow.modelData.path
                    visible: rowHover.hovered
                }

                CheckBox {
                    objectName: "leftoverCheck"
                    Layout.alignment: Qt.AlignTop
                    checked: leftoverRow.modelData.chosen
                    onToggled: detail.setChosen(leftoverRow.index, checked)
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 2
                    RowLayout {
                        Layout.fillWidth: true
                        Text {
                            Layout.fillWidth: true
                            Layout.maximumWidth: Math.min(implicitWidth, 260)
                            text: leftoverRow.modelData.name
                            textFormat: Text.PlainText
                            elide: Text.ElideMiddle
                            color: Theme.primaryText
                        }
                        SafetyBadge {
                            level: leftoverRow.modelData.safety
                        }
                    }
                    Text {
                        Layout.fillWidth: true
                        text: leftoverRow.modelData.details
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: 11
                        color: Theme.secondaryText
                    }
                    Text {
                        visible: leftoverRow.modelData.byName
                        Layout.fillWidth: true
                        text: Texts.tr("Matched by name only: check it is not used by another app.")
                        wrapMode: Text.Wrap
                        font.pixelSize: 11
                        color: Theme.orange
                    }
                }
                Text {
                    Layout.alignment: Qt.AlignTop
                    text: leftoverRow.modelData.sizeText
                    textFormat: Text.PlainText
                    color: Theme.secondaryText
                }
            }
        }

        RowLayout {
            visible: detail.planReady
            Layout.fillWidth: true
            Text {
                id: uninstallNote
                objectName: "uninstallNote"
                Layout.fillWidth: true
                visible: detail.noteText.length > 0
                text: detail.noteText
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: detail.noteKind === "quit" ? Theme.orange : Theme.secondaryText
            }
            Item {
                Layout.fillWidth: !uninstallNote.visible
                Layout.preferredWidth: 0
            }
            Item {
                Layout.maximumWidth: parent.width
                implicitWidth: addButton.implicitWidth
                implicitHeight: addButton.implicitHeight
                ActionButton {
                    id: addButton
                    objectName: "uninstallAddButton"
                    anchors.fill: parent
                    primary: true
                    text: detail.buttonText
                    enabled: detail.canAdd
                    onClicked: detail.addToPile()
                }
                HoverHandler { id: addHover }
                ToolTip.visible: addHover.hovered
                ToolTip.text: Texts.tr("The app and the selected files go to the pile. Nothing moves until you confirm.")
                ToolTip.delay: 600
            }
        }
        Text {
            objectName: "uninstallCount"
            Layout.fillWidth: true
            visible: detail.planReady && detail.countText.length > 0
            text: detail.countText
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }
}
