import QtQuick
import Tandor.Shared

// How safe a suggestion is to clean: a capsule with an icon and a word in
// the level's colour. `level` is the raw name ("regenerable", ...).
Item {
    id: badge

    property string level: "needsReview"

    readonly property var styles: ({
        "regenerable": { text: "Regenerable", symbol: "circlepath" },
        "existsElsewhere": { text: "Exists elsewhere", symbol: "documents" },
        "needsReview": { text: "Needs review", symbol: "eye" }
    })
    readonly property var style: styles[level] || styles.needsReview
    readonly property color tint: Theme.safetyColor(level)
    readonly property alias text: label.text
    // Off where an enclosing element already reads the level out.
    property bool readable: true

    implicitWidth: row.implicitWidth + 16
    implicitHeight: row.implicitHeight + 6

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: Qt.rgba(badge.tint.r, badge.tint.g, badge.tint.b, 0.15)
    }

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 4

        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            name: badge.style.symbol
            color: badge.tint
            size: 12
        }
        Text {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            Accessible.ignored: !badge.readable
            text: Texts.localized(badge.style.text)
            textFormat: Text.PlainText
            color: badge.tint
            font.pixelSize: 10
            font.weight: Font.Medium
        }
    }
}
