import QtQuick
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The onboarding's last step: what the first scan does, and the button that
// ends the onboarding and starts it (Return presses it).
FittingPage {
    id: page

    required property OnboardingModel model

    Keys.onReturnPressed: model.scanHomeFolder()
    Keys.onEnterPressed: model.scanHomeFolder()

    SymbolIcon {
        anchors.horizontalCenter: parent.horizontalCenter
        name: "sparkle.magnifyingglass"
        color: Theme.wine
        size: 48
    }
    Text {
        width: parent.width
        text: Texts.tr("Ready for a first look")
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.primaryText
        font.pixelSize: 22
        font.weight: Font.DemiBold
    }
    Text {
        width: parent.width
        text: Texts.tr("Usually under a minute.")
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.secondaryText
        font.pixelSize: 13
    }
    Text {
        objectName: "accessOffNote"
        width: parent.width
        visible: page.model.showsAccessOffNote
        text: Texts.tr("Full Disk Access is off. You can turn it on later.")
        textFormat: Text.PlainText
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        color: Theme.orange
        font.pixelSize: 12
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
                objectName: "readyBackButton"
                text: Texts.tr("Back")
                onClicked: page.model.back()
            }
            Item { Layout.fillWidth: true }
            ActionButton {
                objectName: "scanHomeFolderButton"
                text: Texts.tr("Scan Home Folder")
                primary: true
                onClicked: page.model.scanHomeFolder()
            }
        }
    }
}
