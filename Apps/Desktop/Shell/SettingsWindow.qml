import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Settings window: the language picker, and the motion
// setting that stands in for the system's reduce-motion switch.
ApplicationWindow {
    id: settingsWindow

    // The main window's offer to restart after a new language. The window
    // closes when it opens: it would hide the dialog behind it.
    property RelaunchDialog relaunchDialog: null

    objectName: "settingsWindow"
    title: Texts.tr("Settings")
    width: 360
    height: form.implicitHeight + 40
    minimumWidth: 360
    maximumWidth: 360
    minimumHeight: height
    maximumHeight: height
    flags: Qt.Dialog
    color: Theme.canvas

    ColumnLayout {
        id: form
        x: 20
        y: 20
        width: settingsWindow.width - 40
        spacing: 14

        LanguagePicker {
            Layout.fillWidth: true
            relaunchDialog: settingsWindow.relaunchDialog
        }

        Switch {
            objectName: "reduceMotionSwitch"
            Layout.fillWidth: true
            text: Texts.tr("Reduce motion")
            checked: ShellSettings.reduceMotion
            onToggled: ShellSettings.reduceMotion = checked
        }
    }

    Connections {
        target: settingsWindow.relaunchDialog
        function onAboutToShow() {
            settingsWindow.close()
        }
    }
}
