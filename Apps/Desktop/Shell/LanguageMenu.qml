import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The language picker as a menu (the toolbar's help-and-language menu): the
// system's language, English or Italian. A new choice is stored and the
// relaunch dialog offers to restart.
Menu {
    id: menu

    // Asked to confirm the relaunch after a new choice.
    property RelaunchDialog relaunchDialog: null

    title: Texts.tr("Language")

    Repeater {
        model: ShellSettings.languages

        delegate: MenuItem {
            required property var modelData
            required property int index
            text: index === 0 ? Texts.tr(modelData.title) : modelData.title
            checkable: true
            checked: ShellSettings.language === modelData.code
            onTriggered: {
                if (ShellSettings.chooseLanguage(modelData.code) && menu.relaunchDialog)
                    menu.relaunchDialog.open()
                checked = Qt.binding(() => ShellSettings.language === modelData.code)
            }
        }
    }
}
