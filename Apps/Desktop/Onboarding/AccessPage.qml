import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The onboarding's disk-access step, in the form the model gives: "granted"
// (the green label, "Continue"); "instructions" where the permission and its
// settings page exist (three steps, the two buttons that lead there,
// "Skip for Now"); "plain" where they do not, which says what Tandor can read
// instead and only goes on.
FittingPage {
    id: page

    required property OnboardingModel model
    readonly property string form: model.accessForm

    Keys.onReturnPressed: page.pressDefault()
    Keys.onEnterPressed: page.pressDefault()

    function pressDefault() {
        if (form !== "instructions") {
            model.continueToReady()
        }
    }

    component Instruction: RowLayout {
        id: instruction
        property int number
        property string text  // text key
        width: parent.width
        spacing: 10

        Rectangle {
            Layout.alignment: Qt.AlignTop
            width: 22
            height: 22
            radius: 11
            color: Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.15)
            Text {
                anchors.centerIn: parent
                text: Texts.count(instruction.number)
                color: Theme.primaryText
                font.pixelSize: 12
                font.bold: true
            }
        }
        Text {
            Layout.fillWidth: true
            Layout.topMargin: 3
            text: Texts.tr(instruction.text)
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            color: Theme.primaryText
            font.pixelSize: 13
        }
    }

    SymbolIcon {
        objectName: "accessSymbol"
        anchors.horizontalCenter: parent.horizontalCenter
        name: page.form === "granted" ? "checkmark.shield" : "lock.shield"
        color: page.form === "granted" ? Theme.green : Theme.wine
        size: 48
    }
    Text {
        width: parent.width
        text: Texts.tr("Let Tandor see your whole home folder")
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.primaryText
        font.pixelSize: 22
        font.weight: Font.DemiBold
    }
    Text {
        objectName: "accessExplanation"
        width: parent.width
        text: page.form === "plain"
              ? Texts.tr("Tandor reads what your user account can read and counts the folders it cannot.")
              : Texts.tr("Without it, Mail, Messages and app data are skipped.")
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.secondaryText
        font.pixelSize: 13
    }
    Row {
        objectName: "accessOnLabel"
        anchors.horizontalCenter: parent.horizontalCenter
        visible: page.form === "granted"
        spacing: 6
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: "checkmark.circle"
            color: Theme.green
            size: 16
        }
        Text {
            text: Texts.tr("Full Disk Access is on")
            textFormat: Text.PlainText
            color: Theme.green
            font.pixelSize: 13
            font.bold: true
        }
    }
    Rectangle {
        objectName: "accessInstructions"
        visible: page.form === "instructions"
        width: parent.width
        height: steps.implicitHeight + 24
        radius: 10
        color: Qt.rgba(Theme.secondaryText.r, Theme.secondaryText.g, Theme.secondaryText.b, 0.08)

        Column {
            id: steps
            x: 12
            y: 12
            width: parent.width - 24
            spacing: 10
            Instruction { number: 1; text: "Open Privacy & Security › Full Disk Access." }  // text key
            Instruction {
                number: 2
                text: "Turn on Tandor. If it is not in the list, click +, or drag Tandor from the file manager window into the list."  // text key
            }
            Instruction {
                number: 3
                text: "If the system asks to quit and reopen Tandor, say yes. This screen turns green on its own."  // text key
            }
        }
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        visible: page.form === "instructions"
        spacing: 8
        ActionButton {
            objectName: "openSettingsButton"
            text: Texts.tr("Open System Settings")
            primary: true
            onClicked: page.model.openSettings()
        }
        ActionButton {
            text: Texts.tr("Show Tandor in File Manager")
            onClicked: page.model.showApplication()
        }
    }
    // The navigation, 8 points further down.
    Item {
        width: parent.width
        height: navigation.implicitHeight + 8

        RowLayout {
            id: navigation
            y: 8
            width: parent.width
            ActionButton {
                objectName: "accessBackButton"
                text: Texts.tr("Back")
                onClicked: page.model.back()
            }
            Item { Layout.fillWidth: true }
            ActionButton {
                id: skipButton
                objectName: "skipForNowButton"
                visible: page.form === "instructions"
                text: Texts.tr("Skip for Now")
                onClicked: page.model.skipForNow()
                PlainToolTip {
                    visible: skipButton.hovered
                    text: Texts.tr("Tandor can scan without it and tells you how many folders it skipped.")
                }
            }
            ActionButton {
                objectName: "continueButton"
                visible: page.form !== "instructions"
                text: Texts.tr("Continue")
                primary: true
                onClicked: page.model.continueToReady()
            }
        }
    }
}
