import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Categories tab: the kinds of file by category on the left, the chosen
// kind (the largest until one is chosen) on the right.
Item {
    id: view

    property ScanModel scanModel: null

    CategoryListModel {
        id: categories
        objectName: "categoryList"
        scanModel: view.scanModel
    }

    readonly property KindDetailModel detail: categories.detail

    Text {
        anchors.fill: parent
        visible: view.scanModel !== null && categories.isEmpty
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: Texts.tr("Scan to see your files by category.")
        color: Theme.secondaryText
    }

    Glass {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.bottomMargin: 12
        cornerRadius: 14
        visible: !categories.isEmpty

        RowLayout {
            width: parent.width
            height: parent.height
            spacing: 0

            ListView {
                id: sidebar
                Layout.preferredWidth: 270
                Layout.fillHeight: true
                clip: true
                model: categories
                topMargin: 8
                bottomMargin: 8
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                delegate: ItemDelegate {
                    id: row
                    required property int index
                    required property bool isHeader
                    required property string title
                    required property string sizeText
                    required property string category
                    width: ListView.view.width
                    enabled: !row.isHeader
                    highlighted: row.index === categories.selectedRow
                    leftPadding: 14
                    rightPadding: 14
                    onClicked: categories.select(row.index)
                    contentItem: RowLayout {
                        spacing: 6
                        Rectangle {
                            visible: row.isHeader
                            implicitWidth: 8
                            implicitHeight: 8
                            radius: 4
                            color: Theme.categoryColor(row.category)
                        }
                        Text {
                            Layout.fillWidth: true
                            text: row.title
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            font.weight: row.isHeader ? Font.DemiBold : Font.Normal
                            font.pixelSize: row.isHeader ? 11 : 13
                            color: row.highlighted ? Theme.palette.highlightedText : Theme.primaryText
                        }
                        Text {
                            text: row.sizeText
                            textFormat: Text.PlainText
                            font.pixelSize: row.isHeader ? 11 : 13
                            color: row.highlighted ? Theme.palette.highlightedText
                                                   : (row.isHeader ? Theme.primaryText
                                                                   : Theme.secondaryText)
                        }
                    }
                }
            }

            Rectangle {
                Layout.fillHeight: true
                implicitWidth: 1
                color: Theme.palette.mid
            }

            ScrollView {
                id: detailScroll
                Layout.fillWidth: true
                Layout.fillHeight: true
                contentWidth: availableWidth
                visible: view.detail.hasKind

                // The column sits 16 in from every edge, the bottom included,
                // so that the footer scrolls fully into view.
                contentHeight: detailColumn.implicitHeight + 32

                ColumnLayout {
                    id: detailColumn
                    width: detailScroll.availableWidth - 32
                    x: 16
                    y: 16
                    spacing: 16

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 8
                        // In a narrow column the title and the share elide.
                        Text {
                            Layout.fillWidth: true
                            Layout.maximumWidth: implicitWidth
                            text: view.detail.title
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            font.pixelSize: 22
                            font.weight: Font.DemiBold
                            color: Theme.primaryText
                        }
                        Text {
                            text: view.detail.sizeText
                            textFormat: Text.PlainText
                            font.pixelSize: 22
                            color: Theme.secondaryText
                        }
                        Item { Layout.fillWidth: true }
                        // Its natural width while the row has room; the spacer,
                        // not the share, takes what is left over.
                        Text {
                            Layout.maximumWidth: implicitWidth
                            visible: view.detail.shareText.length > 0
                            text: view.detail.shareText
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            color: Theme.secondaryText
                        }
                    }

                    Rectangle {
                        visible: view.detail.relatedText.length > 0
                        Layout.fillWidth: true
                        implicitHeight: related.implicitHeight + 20
                        radius: 10
                        color: view.detail.hasKind ? Qt.alpha(Theme.categoryColor(view.detail.category), 0.12)
                                                   : "transparent"
                        RowLayout {
                            id: related
                            anchors.fill: parent
                            anchors.margins: 10
                            spacing: 5
                            SymbolIcon {
                                name: "bulb"
                                size: 13
                                color: Theme.primaryText
                            }
                            Text {
                                Layout.fillWidth: true
                                text: view.detail.relatedText
                                textFormat: Text.PlainText
                                wrapMode: Text.Wrap
                                font.pixelSize: 12
                                color: Theme.primaryText
                            }
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 8
                        Text {
                            text: Texts.tr("Who uses the space")
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            color: Theme.primaryText
                        }
                        Repeater {
                            model: view.detail.owners
                            delegate: RowLayout {
                                id: owner
                                required property var modelData
                                Layout.fillWidth: true
                                Text {
                                    Layout.fillWidth: true
                                    Layout.maximumWidth: 180
                                    Layout.preferredWidth: 180
                                    text: owner.modelData.name
                                    textFormat: Text.PlainText
                                    elide: Text.ElideRight
                                    maximumLineCount: 1
                                    color: Theme.primaryText
                                }
                                Item {
                                    Layout.fillWidth: true
                                    implicitHeight: 10
                                    Rectangle {
                                        height: 10
                                        radius: 3
                                        width: Math.max(4, parent.width * owner.modelData.fraction)
                                        color: Qt.alpha(Theme.categoryColor(view.detail.category), 0.7)
                                    }
                                }
                                Text {
                                    Layout.preferredWidth: 80
                                    horizontalAlignment: Text.AlignRight
                                    text: owner.modelData.sizeText
                                    textFormat: Text.PlainText
                                    color: Theme.primaryText
                                }
                            }
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 6
                        Text {
                            text: Texts.tr("Largest items")
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            color: Theme.primaryText
                        }
                        Repeater {
                            model: view.detail.largest
                            delegate: RowLayout {
                                id: item
                                required property var modelData
                                required property int index
                                Layout.fillWidth: true
                                Text {
                                    Layout.fillWidth: true
                                    text: item.modelData.path
                                    textFormat: Text.PlainText
                                    elide: Text.ElideMiddle
                                    maximumLineCount: 1
                                    color: Theme.primaryText
                                }
                                Text {
                                    text: item.modelData.sizeText
                                    textFormat: Text.PlainText
                                    color: Theme.secondaryText
                                }
                                ToolButton {
                                    text: "↗"
                                    hoverEnabled: true
                                    ToolTip.text: Texts.tr("Show in File Manager")
                                    ToolTip.visible: hovered
                                    onClicked: view.detail.showInFileManager(item.index)
                                }
                                ToolButton {
                                    visible: !item.modelData.isProtected
                                    text: item.modelData.inPile ? "▣" : "⇩"
                                    enabled: !item.modelData.inPile
                                    hoverEnabled: true
                                    ToolTip.text: item.modelData.inPile ? Texts.tr("In pile")
                                                                        : Texts.tr("Add to pile")
                                    ToolTip.visible: hovered
                                    onClicked: view.detail.addToPile(item.index)
                                }
                            }
                        }
                    }

                    InfoLine {
                        text: "On this computer only" // text key
                        detail: "Tandor groups files by name and location only, on this computer. Nothing is opened or sent anywhere." // text key
                        font.pixelSize: 10
                        color: Theme.secondaryText
                    }
                }
            }
        }
    }
}
