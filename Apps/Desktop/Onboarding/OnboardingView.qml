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
        sourceComponent: {
            switch (onboarding.step) {
            case "access": return accessStep
            case "ready": return readyStep
            }
            return tourStep
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
    Component {
        id: accessStep
        AccessPage {
            objectName: "accessPage"
            model: onboarding
        }
    }
    Component {
        id: readyStep
        ReadyPage {
            objectName: "readyPage"
            model: onboarding
        }
    }
}
