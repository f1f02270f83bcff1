import QtQuick
import Tandor.Shared

// The clutter page's art: six coloured tiles pop in one after the other,
// 0.15 s apart, once. Without `animate` they are all there at once.
Item {
    id: demo

    property bool animate: true
    // False once the page is being left: nothing more starts.
    property bool active: true
    property var items: [
        {symbol: "internaldrive", color: Theme.gray},
        {symbol: "arrow.down.circle", color: Theme.blue},
        {symbol: "doc.on.doc", color: Theme.orange},
        {symbol: "shippingbox", color: Theme.brown},
        {symbol: "hammer", color: Theme.teal},
        {symbol: "film", color: Theme.purple}
    ]
    // How many tiles, from the first, are visible.
    property int shown: animate ? 0 : items.length

    implicitWidth: 280
    implicitHeight: 280
    Accessible.ignored: true

    Timer {
        objectName: "findsTimer"
        interval: 150
        repeat: true
        triggeredOnStart: true
        running: demo.animate && demo.active && demo.shown < demo.items.length
        onTriggered: demo.shown += 1
    }

    Grid {
        anchors.centerIn: parent
        columns: 3
        columnSpacing: 16
        rowSpacing: 16

        Repeater {
            model: demo.items
            delegate: Item {
                id: tile
                required property var modelData
                required property int index
                readonly property bool visibleTile: index < demo.shown
                width: 80
                height: 76

                Rectangle {
                    anchors.centerIn: parent
                    width: 76
                    height: 76
                    radius: 20
                    scale: tile.visibleTile ? 1 : 0.3
                    opacity: tile.visibleTile ? 1 : 0
                    gradient: Gradient {
                        GradientStop { position: 0; color: Qt.lighter(tile.modelData.color, 1.25) }
                        GradientStop { position: 1; color: tile.modelData.color }
                    }

                    Behavior on scale {
                        enabled: demo.animate
                        NumberAnimation { duration: 450; easing.type: Easing.OutBack; easing.overshoot: 2 }
                    }
                    Behavior on opacity {
                        enabled: demo.animate
                        NumberAnimation { duration: 300 }
                    }

                    SymbolIcon {
                        anchors.centerIn: parent
                        name: tile.modelData.symbol
                        size: 30
                        color: "white"
                    }
                }
            }
        }
    }
}
