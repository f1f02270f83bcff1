import QtQuick
import QtQuick.Controls

// A button of a screen's action; the primary one of a screen is filled with
// the brand colour (while it can be pressed), the others are bordered.
Button {
    id: button

    property bool primary: false
    readonly property bool prominent: primary && enabled

    palette.button: prominent ? Theme.wine : Theme.palette.button
    palette.buttonText: prominent ? "white" : Theme.palette.buttonText
}
