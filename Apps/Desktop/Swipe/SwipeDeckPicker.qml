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

    // The decks as a lazily built grid, with the title above and the choices
    // and sorting folders below as its header and footer: only the tiles in
    // sight are made. Adaptive columns at least 230 wide, 12 apart.
    GridView {
        id: grid
        objectName: "deckGrid"

        readonly property real spacing: 12
        // The right margin is short by one spacing, which each cell's width
        // takes back after its tile.
        readonly property real available: width - leftMargin - rightMargin
        readonly property int columns: Math.max(1, Math.floor(available / (230 + spacing)))
        // Every built tile's height by index; a row is as tall as its tallest.
        property var tileHeights: ({})
        readonly property real tileHeight: Math.max(150, ...Object.values(tileHeights))

        leftMargin: 20
        rightMargin: 20 - spacing
        topMargin: 20
        bottomMargin: 20
        cellWidth: Math.floor(available / columns)
        cellHeight: tileHeight + spacing
        // The scroll view clips only a view of its own making.
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        keyNavigationEnabled: false
        // Tiles are cheap: none is made ahead of being scrolled to.
        cacheBuffer: 0
        model: picker.review ? picker.review.decks : []

        delegate: SwipeDeckTile {
            required property var modelData
            required property int index
            objectName: "deckTile"
            width: grid.cellWidth - grid.spacing
            height: grid.tileHeight
            deck: modelData
            onClicked: picker.review.start(index)
            onImplicitHeightChanged: noteHeight()
            Component.onCompleted: noteHeight()
            function noteHeight() {
                if (grid.tileHeights[index] !== implicitHeight) {
                    grid.tileHeights[index] = implicitHeight
                    grid.tileHeightsChanged()
                }
            }
        }

        header: ColumnLayout {
            width: grid.width - grid.leftMargin - grid.rightMargin - grid.spacing
            spacing: 16

            Text {
                text: Texts.tr("Swipe review")
                font.pixelSize: 20
                font.weight: Font.DemiBold
                color: Theme.primaryText
            }
            InfoLine {
                Layout.bottomMargin: 16
                text: "← pile · → keep · ↓ later · ↑ move"  // text key
                detail: Texts.tr("One file at a time, in short batches. Swipe left or press ← to put it on the pile, right or → to keep it, down or ↓ to decide later, up or ↑ to move it into a folder. Nothing goes to the Trash until you confirm the pile.")
                color: Theme.secondaryText
            }
        }

        footer: ColumnLayout {
            width: grid.width - grid.leftMargin - grid.rightMargin - grid.spacing
            spacing: 16

            RowLayout {
                Layout.fillWidth: true
                Layout.topMargin: 16 - grid.spacing
                spacing: 8

                Text {
                    text: Texts.tr("Batch size")
                    color: Theme.primaryText
                }
                // Both choices narrow down in a narrow window.
                SegmentedPicker {
                    objectName: "batchSizePicker"
                    Layout.fillWidth: true
                    Layout.minimumWidth: 120
                    Layout.maximumWidth: 240
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
                    Layout.fillWidth: true
                    Layout.minimumWidth: 120
                    Layout.maximumWidth: 220
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
        }
    }

    // After the grid, which the scroll view takes as the view it scrolls only
    // when it is the first child. Opened from "How it works"; the picker
    // records nothing.
    SortingTutorialView {
        id: tutorial
        onFinish: tutorial.close()
    }

    SortingFolderList {
        id: sortingFolders
        scanModel: picker.review ? picker.review.scanModel : null
    }
}
