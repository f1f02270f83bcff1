import QtQuick
import Tandor.Shared

// An application's icon from AppIconProvider; until it arrives, and when
// neither the bundle nor the icon theme has one (a single pixel), our own
// outline.
Item {
    id: icon

    property string source
    property real size: 20

    implicitWidth: size
    implicitHeight: size

    Image {
        id: picture
        anchors.fill: parent
        source: icon.source
        sourceSize.width: icon.size * 2
        sourceSize.height: icon.size * 2
        fillMode: Image.PreserveAspectFit
        smooth: true
        visible: status === Image.Ready && implicitWidth > 1
    }

    SymbolIcon {
        anchors.centerIn: parent
        visible: !picture.visible
        name: "documents"
        size: icon.size * 0.9
    }
}
