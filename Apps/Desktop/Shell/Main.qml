import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window
    visible: true
    minimumWidth: 900
    minimumHeight: 560
    width: 1100
    height: 720
    title: "Tandor"
}
