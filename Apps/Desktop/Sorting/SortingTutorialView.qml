import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// Three short pages on sorting folders, each with a looping demonstration
// drawn from the clock alone. Reports finish() on "Skip" or "Start sorting"
// and never closes or records anything itself.
Popup {
    id: tutorial

    property int page: 0
    readonly property int pageCount: 3
    readonly property bool lastPage: page === pageCount - 1
    readonly property bool reduceMotion: ShellSettings.reduceMotion

    signal finish()

    readonly property var texts: [
        { title: Texts.tr("Sort while you swipe"),
          body: Texts.tr("Swipe up or press ↑ to move a file into a folder. It moves right away.") },
        { title: Texts.tr("Your folders, or Tandor's"),
          body: Texts.tr("Pick one of your folders, or let Tandor make a sorting folder in ~/Tandor.") },
        { title: Texts.tr("Decide later, undo anytime"),
          body: Texts.tr("A sorting folder can stay, move its files on, or offer them for the pile after a few days. History puts every move back.") }
    ]

    modal: true
    closePolicy: Popup.NoAutoClose
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 460
    padding: 24
    focus: true

    onAboutToShow: page = 0

    background: BrandBackdrop {}

    SortingTutorialFrame {
        id: frame
    }

    FrameAnimation {
        running: tutorial.opened && !tutorial.reduceMotion
        onTriggered: frame.time += frameTime
    }
    onReduceMotionChanged: if (reduceMotion) frame.holdStill()

    component MiniCard: Rectangle {
        property color tint
        width: 110
        height: 76
        radius: 10
        color: Theme.palette.window
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 8
            height: 40
            radius: 10
            color: parent.tint
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 18
        focus: true
        Keys.onReturnPressed: primary.clicked()
        Keys.onEnterPressed: primary.clicked()

        RowLayout {
            Layout.fillWidth: true
            Label {
                text: Texts.tr("New")
                font.pixelSize: 11
                font.bold: true
                leftPadding: 8
                rightPadding: 8
                topPadding: 3
                bottomPadding: 3
                color: Theme.bordeaux
                background: Rectangle {
                    radius: height / 2
                    color: Qt.rgba(Theme.gold.r, Theme.gold.g, Theme.gold.b, 0.25)
                }
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "tutorialSkip"
                flat: true
                focusPolicy: Qt.NoFocus
                text: Texts.tr("Skip")
                // Invisible on the last page, and then inert too.
                opacity: tutorial.lastPage ? 0 : 1
                enabled: !tutorial.lastPage
                onClicked: tutorial.finish()
            }
        }

        Item {
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 320
            Layout.preferredHeight: 200
            clip: true

            // A card rises into a folder.
            Item {
                anchors.centerIn: parent
                visible: tutorial.page === 0
                SymbolIcon {
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: -62
                    name: "folder"
                    size: 64
                    scale: frame.folderScale
                    color: SortingPalette.move
                }
                MiniCard {
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 14
                    scale: 0.94
                    tint: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.25)
                }
                MiniCard {
                    objectName: "risingCard"
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: frame.cardOffset
                    scale: frame.cardScale
                    opacity: frame.cardOpacity
                    tint: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.5)
                    SymbolIcon {
                        anchors.horizontalCenter: parent.horizontalCenter
                        y: -22
                        name: "arrow.up"
                        size: 22
                        opacity: 1 - frame.eased
                        color: SortingPalette.move
                    }
                }
            }
            // Two kinds of folder.
            Row {
                anchors.centerIn: parent
                visible: tutorial.page === 1
                spacing: 40
                Repeater {
                    model: [
                        { symbol: "folder", label: Texts.tr("Photos 2024") },
                        { symbol: "folder.badge.gearshape", label: Texts.tr("To check") }
                    ]
                    Column {
                        required property var modelData
                        required property int index
                        spacing: 8
                        SymbolIcon {
                            anchors.horizontalCenter: parent.horizontalCenter
                            transform: Translate { y: index === 0 ? frame.firstBob : frame.secondBob }
                            name: modelData.symbol
                            size: 58
                            color: SortingPalette.move
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: modelData.label
                            font.weight: Font.Medium
                            color: Theme.primaryText
                        }
                    }
                }
            }
            // The three fates, lit in turn.
            Row {
                anchors.centerIn: parent
                visible: tutorial.page === 2
                spacing: 30
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    name: "folder.badge.gearshape"
                    size: 54
                    color: SortingPalette.move
                }
                Column {
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 16
                    Repeater {
                        model: [
                            { symbol: "folder", text: Texts.tr("Stays") },
                            { symbol: "shippingbox", text: Texts.tr("Moves on") },
                            { symbol: "tray.full", text: Texts.tr("To the pile") }
                        ]
                        Row {
                            required property var modelData
                            required property int index
                            readonly property bool active: index === frame.activeFate
                            readonly property color tint: active ? Theme.bordeaux : Theme.secondaryText
                            spacing: 8
                            Item {
                                anchors.verticalCenter: parent.verticalCenter
                                width: 50
                                height: 4
                                Rectangle {
                                    width: parent.parent.active ? frame.barWidth : 20
                                    height: 4
                                    radius: 2
                                    color: parent.parent.active
                                           ? Theme.gold
                                           : Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                                                     Theme.secondaryText.b, 0.25)
                                }
                            }
                            SymbolIcon {
                                anchors.verticalCenter: parent.verticalCenter
                                name: modelData.symbol
                                color: parent.tint
                            }
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                text: modelData.text
                                font.weight: parent.active ? Font.DemiBold : Font.Normal
                                color: parent.tint
                            }
                        }
                    }
                }
            }
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 380
            spacing: 6
            Text {
                Layout.alignment: Qt.AlignHCenter
                text: tutorial.texts[tutorial.page].title
                font.pixelSize: 20
                font.bold: true
                color: Theme.primaryText
            }
            Text {
                Layout.fillWidth: true
                Layout.maximumWidth: 380
                text: tutorial.texts[tutorial.page].body
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                color: Theme.secondaryText
            }
        }

        Row {
            Layout.alignment: Qt.AlignHCenter
            spacing: 6
            Repeater {
                model: tutorial.pageCount
                Rectangle {
                    required property int index
                    width: 7
                    height: 7
                    radius: 3.5
                    color: index === tutorial.page
                           ? Theme.bordeaux
                           : Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                                     Theme.secondaryText.b, 0.3)
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            ActionButton {
                objectName: "tutorialBack"
                visible: tutorial.page > 0
                enabled: visible
                focusPolicy: Qt.NoFocus
                text: Texts.tr("Back")
                onClicked: tutorial.page -= 1
            }
            Item { Layout.fillWidth: true }
            ActionButton {
                id: primary
                objectName: "tutorialNext"
                primary: true
                focusPolicy: Qt.NoFocus
                text: tutorial.lastPage ? Texts.tr("Start sorting") : Texts.tr("Next")
                onClicked: {
                    if (tutorial.lastPage) {
                        tutorial.finish()
                    } else {
                        tutorial.page += 1
                    }
                }
            }
        }
    }
}
