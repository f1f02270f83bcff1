pragma Singleton
import QtQuick

// The colour of moving a file into a sorting folder, for every move-related
// symbol and highlight.
QtObject {
    readonly property color move: Qt.rgba(62 / 255, 123 / 255, 214 / 255, 1)
}
