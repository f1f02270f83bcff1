import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// A finished batch: what went onto the pile, was kept, left for later or
// moved, how far the session has got, and the ways on. Delete or Backspace
// takes the last decision back; Return starts the next batch.
Item {
    id: summary

    property SwipeReview review: null
    readonly property SwipeModel swipe: review && review.scanModel ? review.scanModel.swipe : null
    readonly property var figures: review ? review.summary : ({})

    component KeyShortcut: Shortcut {
        autoRepeat: false
        context: Qt.WindowShortcut
    }
    KeyShortcut {
        sequences: ["Backspace", "Delete"]
        enabled: summary.review !== null && summary.review.canUndo
        onActivated: summary.review.undo()
    }
    KeyShortcut {
        sequences: ["Return", "Enter"]
        enabled: (summary.figures.next || "").length > 0
        onActivated: summary.review.startNextBatch()
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 560)
        spacing: 14

        SymbolIcon {
            Layout.alignment: Qt.AlignHCenter
            name: "checkmark.seal.fill"
            size: 48
            color: Theme.green
        }
        Text {
            objectName: "summaryHeadline"
            Layout.alignment: Qt.AlignHCenter
            text: summary.figures.headline || ""
            textFormat: Text.PlainText
            font.pixelSize: 20
            font.weight: Font.DemiBold
            color: Theme.primaryText
        }
        Text {
            objectName: "summaryFigures"
            Layout.alignment: Qt.AlignHCenter
            text: summary.figures.figures || ""
            textFormat: Text.PlainText
            font.pixelSize: 17
            color: Theme.primaryText
        }
        Row {
            Layout.alignment: Qt.AlignHCenter
            visible: (summary.figures.moved || "").length > 0
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: "folder"
                color: SortingPalette.move
            }
            Text {
                text: summary.figures.moved || ""
                color: SortingPalette.move
            }
        }
        Text {
            Layout.fillWidth: true
            Layout.maximumWidth: 420
            Layout.alignment: Qt.AlignHCenter
            text: summary.figures.reassurance || ""
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            color: Theme.secondaryText
        }
        Text {
            objectName: "undoNotice"
            Layout.fillWidth: true
            visible: text.length > 0
            text: summary.review ? summary.review.undoNotice : ""
            textFormat: Text.PlainText
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.secondaryText
        }
        Text {
            objectName: "sortingMessage"
            Layout.fillWidth: true
            visible: text.length > 0
            text: summary.swipe ? summary.swipe.sorting.message : ""
            textFormat: Text.PlainText
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: Theme.secondaryText
        }
        Row {
            Layout.alignment: Qt.AlignHCenter
            spacing: 12

            ActionButton {
                objectName: "undoLast"
                visible: summary.review !== null && summary.review.canUndo
                enabled: visible
                focusPolicy: Qt.NoFocus
                text: Texts.tr("Undo last")
                onClicked: summary.review.undo()
            }
            ActionButton {
                objectName: "backToDecks"
                focusPolicy: Qt.NoFocus
                text: Texts.tr("Back to decks")
                onClicked: summary.review.close()
            }
            ActionButton {
                objectName: "nextBatch"
                visible: (summary.figures.next || "").length > 0
                enabled: visible
                primary: true
                focusPolicy: Qt.NoFocus
                text: summary.figures.next || ""
                onClicked: summary.review.startNextBatch()
            }
        }
    }
}
