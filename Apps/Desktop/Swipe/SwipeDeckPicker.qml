import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The decks to review, with the batch size and the order of the next session,
// the way to see kept files again and the kept files' error line.
ScrollView {
    id: picker

    property SwipeReview review: null
    readonly property SwipeModel swipe: review && review.scanModel ? review.scanModel.swipe : null

    contentWidth: availableWidth

    // Opened from "How it works"; the picker records nothing.
    SortingTutorialView {
        id: tutorial
        onFinish: tutorial.close()
    }

    SortingFolderList {
        id: sortingFolders
        scanModel: picker.review ? picker.review.scanModel : null
    }

    ColumnLayout {
        width: picker.availableWidth - 40
        x: 20
        y: 20
        spacing: 16

        Text {
            text: Texts.tr("Swipe review")
            font.pixelSize: 20
            font.weight: Font.DemiBold
            color: Theme.primaryText
        }
        InfoLine {
            text: "← pile · → keep · ↓ later · ↑ move"
            detail: Texts.tr("One file at a time, in short batches. Swipe left or press ← to put it on the pile, right or → to keep it, down or ↓ to decide later, up or ↑ to move it into a folder. Nothing goes to the Trash until you confirm the pile.")
            color: Theme.secondaryText
        }
        GridLayout {
            Layout.fillWidth: true
            columns: Math.max(1, Math.floor((width + 12) / (230 + 12)))
            columnSpacing: 12
            rowSpacing: 12

            Repeater {
                model: picker.review ? picker.review.decks : []
                SwipeDeckTile {
                    required property var modelData
                    required property int index
                    objectName: "deckTile"
                    Layout.fillWidth: true
                    Layout.preferredWidth: 230
                    deck: modelData
                    onClicked: picker.review.start(index)
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Text {
                text: Texts.tr("Batch size")
                color: Theme.primaryText
            }
            SegmentedPicker {
                objectName: "batchSizePicker"
                Layout.preferredWidth: 240
                readonly property var sizes: [10, 20, 50]
                model: ["10", "20", "50"]
                currentIndex: picker.swipe ? Math.max(0, sizes.indexOf(picker.swipe.batchSize)) : 1
                onActivated: index => picker.swipe.batchSize = sizes[index]
            }
            Text {
                text: Texts.tr("Order")
                color: Theme.primaryText
            }
            ComboBox {
                Layout.preferredWidth: 220
                focusPolicy: Qt.NoFocus
                model: picker.review ? picker.review.orders : []
                currentIndex: picker.review ? picker.review.orderIndex : 0
                onActivated: index => picker.review.orderIndex = index
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "showKeptAgain"
                visible: picker.swipe !== null && picker.swipe.keptCount > 0
                text: picker.swipe ? Texts.tr("Show %lld kept files again", [picker.swipe.keptCount]) : ""
                onClicked: picker.review.showKeptAgain()
            }
        }
        Text {
            Layout.fillWidth: true
            visible: picker.swipe !== null && picker.swipe.errorMessage.length > 0
            text: picker.swipe ? picker.swipe.errorMessage : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.red
        }
        SortingFoldersPanel {
            Layout.fillWidth: true
            folders: sortingFolders
            onTutorial: tutorial.open()
        }
        Item { Layout.preferredHeight: 20 }
    }
}
