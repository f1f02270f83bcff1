import QtQuick
import QtQuick.Controls
import Tandor.Shared

// A group that opens and closes under its label row: a click anywhere on the
// row toggles it, the chevron turns a quarter while open, and the change eases
// in and out over 0.2 s. The content (the default property) shows while open.
Column {
    id: disclosure

    property string title
    property bool expanded: false
    property alias label: labelRow.data
    default property alias content: body.data
    property bool animated: true

    signal toggled(bool expanded)

    // Opens or closes at once, without the easing: for a row that a list
    // reuses for another group.
    function show(open) {
        animated = false;
        expanded = open;
        animated = true;
    }

    spacing: 6

    AbstractButton {
        id: header

        width: disclosure.width
        implicitHeight: Math.max(chevron.implicitHeight, titleText.implicitHeight,
                                 labelRow.implicitHeight) + 6
        focusPolicy: Qt.TabFocus
        Accessible.name: Texts.tr(disclosure.title)
        onClicked: {
            disclosure.expanded = !disclosure.expanded;
            disclosure.toggled(disclosure.expanded);
        }

        contentItem: Row {
            spacing: 6

            SymbolIcon {
                id: chevron
                anchors.verticalCenter: parent.verticalCenter
                name: "chevron.right"
                size: 11
                color: Theme.secondaryText
                rotation: disclosure.expanded ? 90 : 0

                Behavior on rotation {
                    enabled: disclosure.animated
                    NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
                }
            }
            Text {
                id: titleText
                anchors.verticalCenter: parent.verticalCenter
                visible: disclosure.title !== ""
                text: Texts.tr(disclosure.title)
                textFormat: Text.PlainText
                color: Theme.primaryText
                font.weight: Font.DemiBold
            }
            Row {
                id: labelRow
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6
            }
        }
    }

    Item {
        id: clip

        width: disclosure.width
        height: disclosure.expanded ? body.implicitHeight : 0
        visible: height > 0
        clip: true

        Behavior on height {
            enabled: disclosure.animated
            NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
        }

        Column {
            id: body
            width: parent.width
            spacing: 4
        }
    }
}
