import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The System Data tab: what Tandor measured of the space the system keeps
// for itself, part by part, with what each part is and what the user can do.
// It measures and explains; it removes nothing. Each showing of the tab makes
// a new view with a new model, which measures once when it appears.
Item {
    id: view

    property ScanModel scanModel: null
    readonly property alias model: systemData
    // An inspection runs: "Measure Again" waits for it.
    readonly property bool loading: systemData.isLoading

    // "Measure Again" in the window's toolbar.
    function measureAgain() {
        systemData.load(view.scanModel)
    }

    SystemDataModel {
        id: systemData
        objectName: "systemDataModel"
    }

    Component.onCompleted: {
        if (!systemData.hasReport)
            systemData.load(view.scanModel)
    }

    component Legend: Row {
        property color dot
        property string text
        spacing: 4
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: 8
            radius: 4
            color: parent.dot
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: parent.text
            textFormat: Text.PlainText
            font.pixelSize: 11
            color: Theme.primaryText
        }
    }

    ColumnLayout {
        objectName: "systemDataProgress"
        anchors.centerIn: parent
        visible: !systemData.hasReport
        spacing: 12

        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: parent.visible
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: Texts.tr("Measuring System Data…")
            color: Theme.secondaryText
        }
    }

    ScrollView {
        id: scroll
        anchors.fill: parent
        visible: systemData.hasReport
        contentWidth: availableWidth

        ColumnLayout {
            width: scroll.availableWidth
            spacing: 12

            Glass {
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.topMargin: 12
                implicitHeight: summary.implicitHeight + 28
                cornerRadius: 14

                // The volume summary: headline, bar, legends and the hint.
                ColumnLayout {
                    id: summary
                    x: 14
                    y: 14
                    width: parent.width - 28
                    spacing: 8

                    Text {
                        objectName: "systemDataHeadline"
                        Layout.fillWidth: true
                        text: systemData.headline
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        font.pixelSize: 20
                        font.weight: Font.DemiBold
                        color: Theme.primaryText
                    }
                    StackedBar {
                        objectName: "volumeBar"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 14
                        visible: systemData.hasVolume
                        segments: systemData.volumeValues.length !== 3 ? [] : [
                            {id: "used", value: systemData.volumeValues[0], color: Theme.wine},
                            {id: "purgeable", value: systemData.volumeValues[1],
                             color: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.4)},
                            {id: "free", value: systemData.volumeValues[2],
                             color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                                            Theme.secondaryText.b, 0.2)}
                        ]
                    }
                    Flow {
                        Layout.fillWidth: true
                        visible: systemData.hasVolume
                        spacing: 14

                        Legend {
                            objectName: "usedLegend"
                            dot: Theme.wine
                            text: systemData.usedText
                        }
                        Legend {
                            objectName: "purgeableLegend"
                            visible: systemData.purgeableText.length > 0
                            dot: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.4)
                            text: systemData.purgeableText
                        }
                        Legend {
                            objectName: "freeLegend"
                            dot: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                                         Theme.secondaryText.b, 0.2)
                            text: systemData.freeText
                        }
                    }
                    FullDiskAccessHint {
                        objectName: "systemDataHint"
                        Layout.fillWidth: true
                        visible: systemData.unreadableCount > 0
                        skippedFolders: systemData.unreadableCount
                    }
                }
            }

            Text {
                Layout.leftMargin: 16
                text: Texts.tr("What is in System Data")
                font.pixelSize: 13
                font.weight: Font.DemiBold
                color: Theme.secondaryText
            }

            Repeater {
                model: systemData.rows

                delegate: Glass {
                    id: rowPanel
                    objectName: "systemDataRow"
                    required property var modelData
                    required property int index
                    Layout.fillWidth: true
                    Layout.leftMargin: 12
                    Layout.rightMargin: 12
                    implicitHeight: row.implicitHeight + 20
                    cornerRadius: 12

                    ColumnLayout {
                        id: row
                        x: 14
                        y: 10
                        width: parent.width - 28
                        spacing: 6

                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 8
                            Text {
                                text: rowPanel.modelData.title
                                textFormat: Text.PlainText
                                font.pixelSize: 13
                                font.weight: Font.DemiBold
                                color: Theme.primaryText
                            }
                            Text {
                                objectName: "systemDataSize"
                                text: rowPanel.modelData.sizeText
                                textFormat: Text.PlainText
                                font.pixelSize: 13
                                font.weight: Font.DemiBold
                                color: Theme.secondaryText
                            }
                            Item { Layout.fillWidth: true }
                            Rectangle {
                                visible: rowPanel.modelData.handledBySystem
                                implicitWidth: badge.implicitWidth + 16
                                implicitHeight: badge.implicitHeight + 6
                                radius: height / 2
                                color: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.12)
                                SymbolLabel {
                                    id: badge
                                    anchors.centerIn: parent
                                    symbol: "gearshape.2"
                                    text: Texts.tr("macOS handles it")
                                    color: Theme.wine
                                    font.pixelSize: 11
                                    font.weight: Font.Medium
                                }
                            }
                        }
                        Text {
                            Layout.fillWidth: true
                            text: rowPanel.modelData.explanation
                            textFormat: Text.PlainText
                            wrapMode: Text.Wrap
                            font.pixelSize: 12
                            color: Theme.secondaryText
                        }
                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 6
                            SymbolIcon {
                                Layout.alignment: Qt.AlignTop
                                name: "bulb"
                                size: 14
                                color: Theme.primaryText
                            }
                            Text {
                                Layout.fillWidth: true
                                text: rowPanel.modelData.advice
                                textFormat: Text.PlainText
                                wrapMode: Text.Wrap
                                font.pixelSize: 12
                                color: Theme.primaryText
                            }
                        }
                        Repeater {
                            model: rowPanel.modelData.details
                            delegate: Text {
                                required property string modelData
                                Layout.fillWidth: true
                                text: modelData
                                textFormat: Text.PlainText
                                wrapMode: Text.Wrap
                                font.pixelSize: 11
                                color: Theme.secondaryText
                            }
                        }
                        DisclosureRow {
                            objectName: "whereDisclosure"
                            Layout.fillWidth: true
                            visible: rowPanel.modelData.paths.length > 0
                            title: "Where"  // text key

                            ColumnLayout {
                                width: parent ? parent.width : 0
                                spacing: 4

                                Repeater {
                                    model: rowPanel.modelData.paths
                                    delegate: RowLayout {
                                        id: pathLine
                                        required property string modelData
                                        required property int index
                                        Layout.fillWidth: true
                                        spacing: 6
                                        Text {
                                            Layout.fillWidth: true
                                            text: pathLine.modelData
                                            textFormat: Text.PlainText
                                            elide: Text.ElideMiddle
                                            font.pixelSize: 11
                                            color: Theme.primaryText
                                        }
                                        ToolButton {
                                            objectName: "openFolder"
                                            implicitWidth: 24
                                            implicitHeight: 24
                                            hoverEnabled: true
                                            ToolTip.visible: hovered
                                            ToolTip.text: Texts.tr("Open in File Manager")
                                            ToolTip.delay: 600
                                            contentItem: SymbolIcon {
                                                name: "magnifyingglass"
                                                size: 14
                                                color: Theme.secondaryText
                                            }
                                            onClicked: systemData.openFolder(rowPanel.index,
                                                                             pathLine.index)
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }

            InfoLine {
                Layout.leftMargin: 16
                Layout.bottomMargin: 16
                text: "Measured parts only"  // text key
                detail: "The system does not tell apps an exact System Data number. Tandor shows the parts it can measure, and never removes them by itself."  // text key
                font.pixelSize: 11
                color: Theme.secondaryText
            }
        }
    }
}
