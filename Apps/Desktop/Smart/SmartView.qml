import QtQuick
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Smart tab: a picker of two panes over the chosen one. Only that pane
// exists; choosing the other builds it anew, so the automations refresh
// their proposals each time they are shown. The tab opens on Automations.
ColumnLayout {
    id: view

    property ScanModel scanModel: null
    // "Automations" or "Apps", the panes' names and their segments' keys.
    readonly property var panes: [
        "Automations", // text key
        "Apps" // text key
    ]
    property string pane: "Automations"

    spacing: 0

    SegmentedPicker {
        objectName: "smartPanePicker"
        Layout.alignment: Qt.AlignHCenter
        Layout.topMargin: 12
        Layout.leftMargin: 12
        Layout.rightMargin: 12
        Layout.bottomMargin: 8
        model: view.panes
        onActivated: index => view.pane = view.panes[index]
        Accessible.name: Texts.tr("Section")
    }

    Loader {
        objectName: "smartPane"
        Layout.fillWidth: true
        Layout.fillHeight: true
        sourceComponent: {
            switch (view.pane) {
            case "Automations": return automations
            case "Apps": return apps
            }
            return null
        }
    }

    Component {
        id: automations
        AutomationsView {
            objectName: "automationsView"
            scanModel: view.scanModel
        }
    }

    Component {
        id: apps
        UninstallView {
            objectName: "uninstallView"
            scanModel: view.scanModel
        }
    }
}
