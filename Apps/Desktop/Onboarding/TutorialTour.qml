import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The four-page tour of what Tandor does, paged by its buttons and the left
// and right arrow keys; pages slide in the direction of travel. It knows
// nothing of where it is shown: `done` says it was skipped or finished.
FocusScope {
    id: tour

    signal done()

    // Reduce motion stills the art; the pages still slide.
    readonly property bool animate: !ShellSettings.reduceMotion
    readonly property alias page: tourModel.page

    readonly property var titles: [
        "Welcome to Tandor",  // text key
        "Tandor finds the clutter",  // text key
        "Swipe to decide",  // text key
        "Nothing is lost by mistake"  // text key
    ]
    readonly property var subtitles: [
        "Light as a balloon: drop what you don't need.",  // text key
        "Caches, old downloads, duplicates, leftovers of apps.",  // text key
        "Left to the pile, right to keep. Arrow keys work too.",  // text key
        "You confirm the whole pile. It goes to the Trash, and History can put it back."  // text key
    ]

    Accessible.role: Accessible.Pane
    Keys.onPressed: event => { event.accepted = tourModel.pressKey(event.key) }
    Keys.onReturnPressed: tourModel.pressMain()
    Keys.onEnterPressed: tourModel.pressMain()

    TutorialTourModel {
        id: tourModel
        objectName: "tourModel"
        onDone: tour.done()
        onPageChanged: pages.replace(pageComponent, {index: tourModel.page})
    }

    Component {
        id: pageComponent
        OnboardingPage {
            id: tourPage
            property int index: 0
            // While the page slides out its art starts and runs nothing more.
            readonly property bool onScreen: StackView.status === StackView.Active
                                             || StackView.status === StackView.Activating
            objectName: "tourPage" + index
            title: tour.titles[index]
            subtitle: tour.subtitles[index]
            bottomRoom: 8
            art: [balloonArt, findsArt, swipeArt, safeArt][index]

            Component {
                id: balloonArt
                Item {
                    BalloonClimb {
                        anchors.fill: parent
                        progress: 0.55
                        NumberAnimation on time {
                            objectName: "balloonAnimation"
                            from: 0
                            to: 3600
                            duration: 3600 * 1000
                            loops: Animation.Infinite
                            running: tour.animate && tourPage.onScreen
                        }
                    }
                }
            }
            Component {
                id: findsArt
                FindsDemo {
                    animate: tour.animate
                    active: tourPage.onScreen
                }
            }
            Component {
                id: swipeArt
                SwipeDemo {
                    animate: tour.animate
                    active: tourPage.onScreen
                }
            }
            Component {
                id: safeArt
                SafeDemo {
                    animate: tour.animate
                }
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 18

        StackView {
            id: pages
            objectName: "tourPages"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            focus: false
            Component.onCompleted: push(pageComponent, {index: 0}, StackView.Immediate)

            // A spring of 0.45 s with little bounce, approximated.
            readonly property int slide: 450
            readonly property real direction: tourModel.forward ? 1 : -1

            replaceEnter: Transition {
                ParallelAnimation {
                    NumberAnimation {
                        property: "x"
                        from: pages.direction * pages.width
                        to: 0
                        duration: pages.slide
                        easing.type: Easing.OutCubic
                    }
                    NumberAnimation { property: "opacity"; from: 0; to: 1; duration: pages.slide }
                }
            }
            replaceExit: Transition {
                ParallelAnimation {
                    NumberAnimation {
                        property: "x"
                        from: 0
                        to: -pages.direction * pages.width
                        duration: pages.slide
                        easing.type: Easing.OutCubic
                    }
                    NumberAnimation { property: "opacity"; from: 1; to: 0; duration: pages.slide }
                }
            }
        }

        Row {
            objectName: "stepIndicator"
            Layout.alignment: Qt.AlignHCenter
            spacing: 8
            Accessible.role: Accessible.Indicator
            Accessible.name: Texts.tr("Step %lld of %lld", [tourModel.page + 1, tourModel.count])

            Repeater {
                model: tourModel.count
                delegate: Rectangle {
                    required property int index
                    readonly property bool current: index === tourModel.page
                    width: current ? 24 : 8
                    height: 8
                    radius: 4
                    color: current ? Theme.wine
                                   : Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g,
                                             Theme.secondaryText.b, 0.3)
                    Behavior on width { NumberAnimation { duration: 300; easing.type: Easing.OutCubic } }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true

            ToolButton {
                objectName: "tourSkipButton"
                visible: tourModel.leadingButton === "Skip"
                text: Texts.tr("Skip")
                focusPolicy: Qt.NoFocus
                palette.buttonText: Theme.secondaryText
                onClicked: tourModel.pressLeading()
            }
            ActionButton {
                objectName: "tourBackButton"
                visible: tourModel.leadingButton === "Back"
                text: Texts.tr("Back")
                focusPolicy: Qt.NoFocus
                onClicked: tourModel.pressLeading()
            }
            Item { Layout.fillWidth: true }
            ActionButton {
                objectName: "tourMainButton"
                Layout.minimumWidth: 140
                primary: true
                focusPolicy: Qt.NoFocus
                text: tourModel.mainButton === "Next" ? Texts.tr("Next") : Texts.tr("Get Started")
                onClicked: tourModel.pressMain()
            }
        }
    }
}
