import QtQuick
import Tandor
import Tandor.Shared

// The Browse tab as the main view shows it: the browser on a glass pane.
Item {
    id: pane

    property ScanModel scanModel: null

    Glass {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.bottomMargin: 12
        cornerRadius: 14

        BrowseView {
            anchors.fill: parent
            scanModel: pane.scanModel
        }
    }
}
