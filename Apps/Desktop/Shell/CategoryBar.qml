import QtQuick
import Tandor
import Tandor.Shared

// The header's bar of what the suggestions could free per storage category:
// one stacked bar in the category colours and a legend below it.
Column {
    id: categoryBar

    property ScanModel scanModel: null

    spacing: 6

    Accessible.role: Accessible.StaticText
    Accessible.name: Texts.tr("What you could free, by category") + ": " + model.summary

    CategoryBarModel {
        id: model
        scanModel: categoryBar.scanModel
    }

    StackedBar {
        objectName: "categoryStackedBar"
        width: categoryBar.width
        height: StackedBar.barHeight
        segments: model.segments.map(segment => ({
            id: segment.category,
            value: segment.bytes,
            color: Theme.categoryColor(segment.category)
        }))
    }

    Flow {
        width: categoryBar.width
        spacing: 12

        Repeater {
            model: model.segments

            delegate: Row {
                required property var modelData
                spacing: 5

                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    width: 8
                    height: 8
                    radius: 4
                    color: Theme.categoryColor(parent.modelData.category)
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: Texts.tr(parent.modelData.title) + "  " + parent.modelData.bytesText
                    textFormat: Text.PlainText
                    color: Theme.secondaryText
                    font.pixelSize: 11
                }
            }
        }
    }
}
