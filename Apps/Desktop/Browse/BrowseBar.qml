import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// Breadcrumbs from the root to the map's folder, the highlighted cell's
// details and the switch that shows or hides the map.
Item {
    id: bar

    required property BrowseState browse

    implicitHeight: row.implicitHeight + 12

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.topMargin: 6
        anchors.bottomMargin: 6
        spacing: 4

        Repeater {
            model: bar.browse.crumbs

            RowLayout {
                id: crumb
                required property string modelData
                required property int index
                spacing: 4
                Layout.maximumWidth: implicitWidth

                Label {
                    visible: crumb.index > 0
                    text: "\u203A"
                    font.pixelSize: 11
                    opacity: 0.45
                }
                ToolButton {
                    flat: true
                    padding: 2
                    Layout.maximumWidth: 240
                    onClicked: bar.browse.openCrumb(crumb.index)
                    contentItem: Label {
                        text: crumb.modelData
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        maximumLineCount: 1
                        font.weight: crumb.index === bar.browse.crumbs.length - 1 ? Font.DemiBold
                                                                                 : Font.Normal
                    }
                }
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.minimumWidth: 12
        }

        Label {
            visible: text.length > 0
            text: bar.browse.hoveredDetails
            textFormat: Text.PlainText
            elide: Text.ElideMiddle
            maximumLineCount: 1
            font.pixelSize: 11
            opacity: 0.6
            Layout.maximumWidth: bar.width / 2
        }

        Button {
            id: mapToggle
            checkable: true
            checked: bar.browse.showMap
            onToggled: bar.browse.showMap = checked
            text: Texts.tr("Map")
            font.pixelSize: 11
            padding: 4
            contentItem: SymbolLabel {
                symbol: "chart.bar.doc.horizontal"
                text: mapToggle.text
                font.pixelSize: 11
                color: Theme.primaryText
            }
            ToolTip.visible: hovered
            ToolTip.delay: 1000
            ToolTip.text: bar.browse.showMap ? Texts.tr("Hide the disk map")
                                             : Texts.tr("Show the disk map")
        }
    }
}
