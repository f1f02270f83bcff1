import QtQuick
import Tandor
import Tandor.Shared

// The first launch: the tour, the disk-access page, then the ready page whose
// button ends the onboarding (`finished`) and starts the first scan. Its
// state lives as long as the view: coming back starts again at the tour.
Item {
    id: view

    property ScanModel scanModel: null

    signal finished()

    OnboardingModel {
        id: onboarding
        objectName: "onboardingModel"
        scanModel: view.scanModel
        onFinished: view.finished()
        onStepChanged: stepFade.restart()
    }

    Loader {
        id: stepLoader
        objectName: "onboardingStep"
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.topMargin: 20
        anchors.bottomMargin: 20
        width: Math.min(600, view.width - 64)
        focus: true
        // The later steps load from their files when they show, so that the
        // first launch's first frame waits only for the tour.
        readonly property string step: onboarding.step
        onStepChanged: show()
        Component.onCompleted: show()

        function show() {
            switch (step) {
            case "access":
                setSource(Qt.resolvedUrl("AccessPage.qml"),
                          {objectName: "accessPage", model: onboarding})
                return
            case "ready":
                setSource(Qt.resolvedUrl("ReadyPage.qml"), {objectName: "readyPage", model: onboarding})
                return
            }
            sourceComponent = tourStep
        }
        onLoaded: item.forceActiveFocus()

        NumberAnimation on opacity {
            id: stepFade
            running: false
            from: 0
            to: 1
            duration: 200
            easing.type: Easing.InOutQuad
        }
    }

    Component {
        id: tourStep
        TutorialTour {
            objectName: "onboardingTour"
            onDone: onboarding.finishTour()
        }
    }
}
