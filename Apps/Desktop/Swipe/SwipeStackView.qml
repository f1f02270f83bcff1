import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// One running batch: the header with the way back and the batch's progress,
// up to three cards of which the top one is dragged, and the controls. A
// release beyond the threshold, an arrow key or a button decides the top card;
// it flies out as a detached copy while the next card fades in.
Item {
    id: stack

    property SwipeReview review: null
    readonly property SwipeModel swipe: review && review.scanModel ? review.scanModel.swipe : null
    readonly property var cards: review ? review.cards : []
    readonly property var current: cards.length > 0 ? cards[0] : null
    readonly property bool reduceMotion: ShellSettings.reduceMotion
    // The window's keys act only while no popup of the stack is open.
    readonly property bool keysActive: !preview.opened && !picker.opened && !moveControl.sheetOpen
                                       && !tutorial.opened

    // Applies a decision; Move without a destination asks for a folder first.
    function decide(decision) {
        if (stack.current === null) {
            return
        }
        if (decision === "move" && !review.hasDestination) {
            picker.open()
            return
        }
        const flying = stack.current
        const from = Qt.point(topCard.x, topCard.y)
        const turn = topCard.rotation
        if (review.decide(decision)) {
            preview.close()
            flyer.launch(flying, from, turn, decision)
        }
    }

    function undo() {
        preview.close()
        review.undo()
    }

    function togglePreview() {
        if (preview.opened) {
            preview.close()
        } else if (stack.current !== null) {
            preview.open()
        }
    }

    component KeyShortcut: Shortcut {
        autoRepeat: false
        context: Qt.WindowShortcut
        enabled: stack.keysActive
    }
    KeyShortcut { sequences: ["Left"]; onActivated: stack.decide("toss") }
    KeyShortcut { sequences: ["Right"]; onActivated: stack.decide("keep") }
    KeyShortcut { sequences: ["Down"]; onActivated: stack.decide("later") }
    KeyShortcut { sequences: ["Up"]; onActivated: stack.decide("move") }
    KeyShortcut { sequences: ["Backspace", "Delete"]; onActivated: stack.undo() }
    KeyShortcut {
        sequences: ["Space"]
        enabled: true
        onActivated: stack.togglePreview()
    }

    // A control of the stack. One shown by its icon alone is a compact square
    // with its label as tooltip and accessible name; the style's minimum width
    // would otherwise leave it a wide, mostly empty button.
    component StackButton: Button {
        id: button
        property string symbol
        property bool iconOnly: false
        implicitWidth: iconOnly ? Math.max(implicitHeight, implicitContentWidth + leftPadding + rightPadding)
                                : Math.max(implicitBackgroundWidth + leftInset + rightInset,
                                           implicitContentWidth + leftPadding + rightPadding)
        focusPolicy: Qt.NoFocus
        hoverEnabled: true
        Accessible.name: text
        ToolTip.visible: hovered && ToolTip.text.length > 0
        ToolTip.delay: 600
        contentItem: Row {
            spacing: 6
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                name: button.symbol
                color: button.enabled ? Theme.primaryText : Theme.secondaryText
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: !button.iconOnly
                text: button.text
                color: button.enabled ? Theme.primaryText : Theme.secondaryText
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 14

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 8

            RowLayout {
                Layout.fillWidth: true
                StackButton {
                    objectName: "decksButton"
                    flat: true
                    symbol: "chevron.left"
                    text: Texts.tr("Decks")
                    onClicked: stack.review.close()
                }
                Text {
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    text: stack.review ? stack.review.deckTitle : ""
                    textFormat: Text.PlainText
                    elide: Text.ElideRight
                    font.pixelSize: 15
                    font.weight: Font.DemiBold
                    color: Theme.primaryText
                }
                Text {
                    objectName: "batchProgress"
                    text: stack.review ? stack.review.progressText : ""
                    color: Theme.secondaryText
                }
            }
            // A thin track: the style's own bar is a tall white field that
            // reads as an empty text box under the title.
            ProgressBar {
                id: batchBar
                objectName: "batchBar"
                Layout.fillWidth: true
                from: 0
                to: stack.review ? Math.max(stack.review.batchLength, 1) : 1
                value: stack.review ? stack.review.doneInBatch : 0
                background: Rectangle {
                    implicitHeight: 6
                    radius: 3
                    color: Qt.rgba(Theme.primaryText.r, Theme.primaryText.g, Theme.primaryText.b, 0.1)
                }
                contentItem: Item {
                    implicitHeight: 6
                    Rectangle {
                        width: batchBar.visualPosition * parent.width
                        height: parent.height
                        radius: 3
                        color: Theme.wine
                    }
                }
            }
            Text {
                visible: text.length > 0
                text: stack.review ? stack.review.tossedText : ""
                font.pixelSize: 11
                color: Theme.secondaryText
            }
        }

        Item {
            id: area
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.leftMargin: 24
            Layout.rightMargin: 24
            Layout.bottomMargin: 48
            readonly property real cardWidth: Math.min(width, 520)
            readonly property real cardX: (width - cardWidth) / 2
            // Cards shrink to fit a short window, from their top edge.
            readonly property real fit: topCard.implicitHeight > 0
                                        ? Math.max(0, Math.min(1, (height - 28) / topCard.implicitHeight))
                                        : 1

            Repeater {
                model: Math.max(0, stack.cards.length - 1)
                SwipeCardView {
                    required property int index
                    readonly property int depth: stack.cards.length - 1 - index
                    x: area.cardX
                    y: 14 * depth
                    z: -depth
                    width: area.cardWidth
                    transformOrigin: Item.Top
                    scale: area.fit * (1 - 0.04 * depth)
                    value: stack.cards[depth]
                }
            }

            SwipeCardView {
                id: topCard
                objectName: "topCard"
                property real dragX: 0
                property real dragY: 0
                visible: stack.current !== null
                x: area.cardX + dragX
                y: dragY
                z: 1
                width: area.cardWidth
                transformOrigin: Item.Top
                scale: area.fit
                rotation: dragX / 25
                value: stack.current || ({})

                SwipeStamp {
                    objectName: "stamp"
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.top: parent.top
                    anchors.topMargin: 20
                    value: stack.review ? stack.review.stampAt(topCard.dragX, topCard.dragY) : ({})
                }

                DragHandler {
                    id: dragger
                    target: null
                    dragThreshold: 10
                    onTranslationChanged: {
                        if (active) {
                            springBack.stop()
                            topCard.dragX = translation.x
                            topCard.dragY = translation.y
                        }
                    }
                    onActiveChanged: if (!active) stack.release(topCard.dragX, topCard.dragY)
                }

                ParallelAnimation {
                    id: springBack
                    SpringAnimation { target: topCard; property: "dragX"; to: 0; spring: 4; damping: 0.35 }
                    SpringAnimation { target: topCard; property: "dragY"; to: 0; spring: 4; damping: 0.35 }
                }

                // A new card starts at rest and fades in.
                onValueChanged: {
                    springBack.stop()
                    dragX = 0
                    dragY = 0
                    fadeIn.restart()
                    shown.restart()
                }
                NumberAnimation on opacity {
                    id: fadeIn
                    from: stack.reduceMotion ? 1 : 0
                    to: 1
                    duration: stack.reduceMotion ? 0 : 150
                }
                // Once the next card has faded in, the stack takes decisions
                // again.
                Timer {
                    id: shown
                    interval: fadeIn.duration
                    onTriggered: if (stack.review && stack.review.pending) stack.review.cardShown()
                }
            }

            // The decided card, detached from the session, flying out.
            SwipeCardView {
                id: flyer
                visible: false
                z: 2
                width: area.cardWidth
                transformOrigin: Item.Top
                scale: area.fit

                function launch(card, from, turn, decision) {
                    const offsets = {
                        "keep": Qt.point(700, 0), "toss": Qt.point(-700, 0),
                        "later": Qt.point(0, 600), "move": Qt.point(0, -600)
                    }
                    const offset = offsets[decision]
                    value = card
                    x = from.x
                    y = from.y
                    rotation = turn
                    opacity = 1
                    flyX.to = from.x + offset.x
                    flyY.to = from.y + offset.y
                    visible = !stack.reduceMotion
                    if (visible) {
                        flight.restart()
                    }
                }

                ParallelAnimation {
                    id: flight
                    NumberAnimation { id: flyX; target: flyer; property: "x"; duration: 220; easing.type: Easing.OutQuad }
                    NumberAnimation { id: flyY; target: flyer; property: "y"; duration: 220; easing.type: Easing.OutQuad }
                    NumberAnimation { target: flyer; property: "opacity"; to: 0; duration: 220; easing.type: Easing.OutQuad }
                    onFinished: flyer.visible = false
                }
            }
        }

        Text {
            Layout.fillWidth: true
            visible: text.length > 0
            objectName: "undoNotice"
            text: stack.review ? stack.review.undoNotice : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 11
            color: Theme.secondaryText
        }

        Text {
            Layout.fillWidth: true
            visible: stack.swipe !== null && stack.swipe.sorting.message.length > 0
            objectName: "sortingMessage"
            text: stack.swipe ? stack.swipe.sorting.message : ""
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 11
            color: Theme.secondaryText
        }

        // One centred line of controls where it fits, two in a narrow window.
        Flow {
            id: controls
            readonly property real lineWidth: {
                let sum = -spacing
                for (let index = 0; index < children.length; ++index) {
                    if (children[index].visible) {
                        sum += children[index].width + spacing
                    }
                }
                return sum
            }
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: Math.min(lineWidth, parent.width)
            spacing: 12

            StackButton {
                id: pileButton
                objectName: "pileButton"
                symbol: "arrow.left"
                text: Texts.tr("Pile")
                ToolTip.text: Texts.tr("Pile (←)")
                onClicked: stack.decide("toss")
            }
            StackButton {
                objectName: "undoButton"
                symbol: "arrow.uturn.backward.circle"
                iconOnly: true
                text: Texts.tr("Undo")
                ToolTip.text: Texts.tr("Take back the last decision")
                enabled: stack.review !== null && stack.review.canUndo
                onClicked: stack.undo()
            }
            StackButton {
                objectName: "previewButton"
                symbol: "eye"
                iconOnly: true
                text: Texts.tr("Preview")
                ToolTip.text: Texts.tr("Preview (space)")
                onClicked: stack.togglePreview()
            }
            StackButton {
                objectName: "revealButton"
                symbol: "folder"
                iconOnly: true
                text: Texts.tr("Show in File Manager")
                ToolTip.text: text
                onClicked: stack.review.reveal()
            }
            StackButton {
                objectName: "laterButton"
                symbol: "arrow.down"
                text: Texts.tr("Later")
                ToolTip.text: Texts.tr("Later (↓)")
                onClicked: stack.decide("later")
            }
            MoveControl {
                id: moveControl
                folders: sortingFolders
                onMove: stack.decide("move")
            }
            StackButton {
                objectName: "keepButton"
                symbol: "arrow.right"
                text: Texts.tr("Keep")
                ToolTip.text: Texts.tr("Keep it and stop showing it")
                onClicked: stack.decide("keep")
            }
        }
    }

    // Shown whenever the stack comes on screen until it has been finished once.
    SortingTutorialView {
        id: tutorial
        objectName: "sortingTutorial"
        onFinish: {
            tutorial.close()
            stack.review.tutorialSeen = true
        }
    }
    Component.onCompleted: if (review && !review.tutorialSeen) tutorial.open()

    SortingFolderList {
        id: sortingFolders
        scanModel: stack.review ? stack.review.scanModel : null
    }

    // Move without a destination asks for one first, then moves.
    DestinationPickerSheet {
        id: picker
        objectName: "destinationPicker"
        folders: sortingFolders
        onDone: chosen => {
            picker.close()
            if (chosen) {
                stack.decide("move")
            }
        }
    }

    FeatureTip {
        id: keysTip
        tip: FeatureTip.SwipeKeys
    }
    // Only once the tutorial has been finished: one thing to read at a time
    // (the tutorial opens after the stack, so its being open is known late).
    FeatureTipPopup {
        objectName: "keysTip"
        tip: keysTip
        target: pileButton
        placeAbove: true
        show: stack.visible && !keysTip.dismissed && stack.review !== null
              && stack.review.tutorialSeen && !tutorial.visible
    }

    // The top card's file, larger, with its name, size and type.
    Popup {
        id: preview
        objectName: "preview"
        parent: Overlay.overlay
        anchors.centerIn: parent
        width: Math.min(parent ? parent.width - 80 : 600, 980)
        modal: true
        focus: true
        padding: 16

        ColumnLayout {
            anchors.fill: parent
            spacing: 8
            focus: true
            // The window's Space does not reach past a modal popup.
            Keys.onSpacePressed: preview.close()
            SwipeCardView {
                objectName: "previewCard"
                Layout.fillWidth: true
                showsType: true
                value: stack.current || ({})
            }
        }
    }

    function release(w, h) {
        const decision = review.pending ? "" : review.releaseAt(w, h)
        if (decision === "" || decision === "move") {
            if (stack.reduceMotion) {
                topCard.dragX = 0
                topCard.dragY = 0
            } else {
                springBack.restart()
            }
        }
        if (decision !== "") {
            stack.decide(decision)
        }
    }
}
