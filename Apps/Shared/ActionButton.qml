import QtQuick
import QtQuick.Controls

// A button of a screen's action; the primary one of a screen is filled with
// the brand colour (while it can be pressed), the others are bordered.
Button {
    id: button

    property bool primary: false
    readonly property bool prominent: primary && enabled

    // The colours below hold for every state of the button, so a disabled one
    // names the system's disabled colours itself: it must look unavailable.
    SystemPalette {
        id: disabledColours
        colorGroup: SystemPalette.Disabled
    }

    palette.button: prominent ? Theme.wine
                              : enabled ? Theme.palette.button : disabledColours.button
    palette.buttonText: prominent ? "white"
                                  : enabled ? Theme.palette.buttonText : disabledColours.buttonText
}
