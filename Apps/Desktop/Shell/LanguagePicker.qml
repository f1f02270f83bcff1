import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The control of the interface language: the system's language, English or Italian. The choice is
// stored as "tandorLanguage" and takes effect when Tandor restarts, which
// the relaunch dialog offers at once.
RowLayout {
    id: picker

    property RelaunchDialog relaunchDialog: null

    spacing: 10

    Label {
        text: Texts.tr("Language")
        textFormat: Text.PlainText
    }

    ComboBox {
        id: choice
        objectName: "languageChoice"
        Layout.fillWidth: true
        model: ShellSettings.languages.map((language, index) =>
            index === 0 ? Texts.tr(language.title) : language.title)
        currentIndex: ShellSettings.languages.findIndex(
            language => language.code === ShellSettings.language)
        Accessible.name: Texts.tr("Language")

        onActivated: index => {
            const code = ShellSettings.languages[index].code
            if (ShellSettings.chooseLanguage(code) && picker.relaunchDialog)
                picker.relaunchDialog.open()
        }
    }
}
