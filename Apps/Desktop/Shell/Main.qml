import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The main window: at least 900 by 560, the main view with the
// splash over it at start, the menu bar with the Help menu's tutorial item,
// and the Settings window.
ApplicationWindow {
    id: window

    // Once the splash has finished it stays gone for the rest of the run.
    property bool showSplash: true

    visible: true
    minimumWidth: 900
    minimumHeight: 560
    width: 1100
    height: 720
    title: "Tandor"
    color: Theme.canvas

    // Back where it was when the language change restarted Tandor.
    Component.onCompleted: ShellSettings.placeMainWindow(window)

    menuBar: MenuBar {
        Menu {
            title: "Tandor"
            MenuItem {
                objectName: "settingsMenuItem"
                text: Texts.tr("Settings…")
                onTriggered: settings.show()
            }
            MenuSeparator {}
            MenuItem {
                text: Texts.tr("Quit Tandor")
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: Texts.tr("Help")
            MenuItem {
                objectName: "tutorialMenuItem"
                text: Texts.tr("Tandor Tutorial")
                onTriggered: ShellSettings.tutorialOpen = true
            }
        }
    }

    // Spelled out: the platform's Preferences key is unbound on X11.
    Shortcut {
        sequence: "Ctrl+,"
        onActivated: settings.show()
    }

    ContentView {
        id: contentView
        objectName: "contentView"
        anchors.fill: parent
    }

    Loader {
        objectName: "splashLoader"
        anchors.fill: parent
        z: 1
        active: window.showSplash
        sourceComponent: SplashView {
            objectName: "splash"
            reduceMotion: ShellSettings.reduceMotion
            onFinished: window.showSplash = false
        }
    }

    // The Settings window is made the first time it is asked for.
    Loader {
        id: settings

        function show() {
            if (item === null) {
                setSource(Qt.resolvedUrl("SettingsWindow.qml"),
                          {relaunchDialog: contentView.relaunchDialog})
            }
            item.show()
        }
    }
}
