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

        RowLayout {
            spacing: 12
            AppIconImage {
                objectName: "appIcon"
                source: detail.iconSource
                size: 48
            }
            ColumnLayout {
                Text {
                    text: detail.name
                    textFormat: Text.PlainText
                    font.pixelSize: 20
                    font.weight: Font.DemiBold
                    color: Theme.primaryText
                }
                Text {
                    text: detail.subtitle
                    textFormat: Text.PlainText
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
                text: Texts.tr("Looking for leftovers…")
                color: Theme.secondaryText
            }
        }

        Text {
            visible: detail.planReady
            text: detail.factsText
            textFormat: Text.PlainText
            color: Theme.secondaryText
        }
        Text {
            visible: detail.planReady && detail.leftovers.length === 0
            text: Texts.tr("No leftovers found in your Library.")
            color: Theme.secondaryText
        }
        Text {
            visible: detail.planReady && detail.leftovers.length > 0
            text: Texts.tr("Files it keeps in your Library")
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
                        Text {
                            text: leftoverRow.modelData.name
                            textFormat: Text.PlainText
                            elide: Text.ElideMiddle
                            Layout.maximumWidth: 260
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
                objectName: "uninstallNote"
                visible: detail.noteText.length > 0
                text: detail.noteText
                textFormat: Text.PlainText
                color: detail.noteKind === "quit" ? Theme.orange : Theme.secondaryText
            }
            Item { Layout.fillWidth: true }
            Item {
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
            visible: detail.planReady && detail.countText.length > 0
            text: detail.countText
            textFormat: Text.PlainText
            font.pixelSize: 11
            color: Theme.secondaryText
        }
    }
}
