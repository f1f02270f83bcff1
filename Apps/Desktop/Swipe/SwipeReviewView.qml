import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The Swipe tab: the deck picker while no session runs, the card stack while
// a batch runs, the batch summary when it is done. The decks are dealt again
// when the tab shows and when the pile changes, never during a session.
Item {
    id: view

    property ScanModel scanModel: null

    SwipeReview {
        id: swipeReview
        objectName: "swipeReview"
        scanModel: view.scanModel
    }

    Component.onCompleted: swipeReview.refresh()

    Loader {
        anchors.fill: parent
        sourceComponent: {
            switch (swipeReview.screen) {
            case "stack": return stack
            case "summary": return summary
            }
            return picker
        }
    }

    Component {
        id: picker
        SwipeDeckPicker {
            objectName: "deckPicker"
            review: swipeReview
        }
    }

    Component {
        id: stack
        SwipeStackView {
            review: swipeReview
        }
    }

    Component {
        id: summary
        SwipeBatchSummary {
            review: swipeReview
        }
    }
}
