import QtQuick
import QtQuick.Controls
import Tandor.Shared

// A row of exclusive segments, one of them chosen, as a screen's mode switch.
// `model` holds the segments' text keys; a click on another segment sets
// `currentIndex` and emits `activated`.
Row {
    id: picker

    property var model: []
    property int currentIndex: 0

    signal activated(int index)

    spacing: 0

    Repeater {
        model: picker.model

        Button {
            required property int index
            required property var modelData

            readonly property bool chosen: index === picker.currentIndex

            text: Texts.tr(modelData)
            focusPolicy: Qt.TabFocus
            palette.button: chosen ? Theme.wine : Theme.palette.button
            palette.buttonText: chosen ? "white" : Theme.palette.buttonText
            Accessible.role: Accessible.RadioButton
            Accessible.checked: chosen
            onClicked: {
                if (!chosen) {
                    picker.currentIndex = index;
                    picker.activated(index);
                }
            }
        }
    }
}
