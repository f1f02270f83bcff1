import QtQuick
import Tandor
import Tandor.Shared

// What the idle main view shows: the onboarding until it has been finished
// once ("didFinishOnboarding"), the pre-scan welcome ever after.
Item {
    id: gate

    property ScanModel scanModel: null

    Loader {
        anchors.fill: parent
        focus: true
        sourceComponent: ShellSettings.didFinishOnboarding ? emptyState : onboarding
    }

    Component {
        id: emptyState
        EmptyStateView {
            scanModel: gate.scanModel
        }
    }
    Component {
        id: onboarding
        OnboardingView {
            objectName: "onboardingView"
            scanModel: gate.scanModel
            onFinished: ShellSettings.didFinishOnboarding = true
        }
    }
}
