pragma Singleton
import QtQuick

// The brand palette and the fixed colours of categories and safety levels.
// Colours that adapt to light and dark follow the window palette.
QtObject {
    id: theme

    readonly property color wine: Qt.rgba(176 / 255, 58 / 255, 88 / 255, 1)
    readonly property color bordeaux: Qt.rgba(123 / 255, 30 / 255, 58 / 255, 1)
    readonly property color gold: Qt.rgba(226 / 255, 168 / 255, 82 / 255, 1)
    readonly property color canvasLight: Qt.rgba(251 / 255, 247 / 255, 241 / 255, 1)
    readonly property color canvasDark: Qt.rgba(24 / 255, 14 / 255, 18 / 255, 1)

    // Diagonal brand gradient, top-left to bottom-right. QtQuick's Gradient
    // only runs along one axis, so BrandGradientRect draws the diagonal.
    readonly property var brandGradientStops: [wine, bordeaux]

    // Whether the system palette is dark (Qt 6.4 has no colour-scheme hint).
    readonly property SystemPalette palette: SystemPalette {}
    readonly property bool dark: palette.window.hslLightness < 0.5

    readonly property color primaryText: palette.windowText
    readonly property color secondaryText: dark ? Qt.rgba(1, 1, 1, 0.55) : Qt.rgba(0, 0, 0, 0.5)
    readonly property color canvas: dark ? canvasDark : canvasLight

    // The system's standard named colours, light and dark variants.
    readonly property color purple: dark ? "#bf5af2" : "#af52de"
    readonly property color teal: dark ? "#40c8e0" : "#30b0c7"
    readonly property color blue: dark ? "#0a84ff" : "#007aff"
    readonly property color pink: dark ? "#ff375f" : "#ff2d55"
    readonly property color orange: dark ? "#ff9f0a" : "#ff9500"
    readonly property color yellow: dark ? "#ffd60a" : "#ffcc00"
    readonly property color indigo: dark ? "#5e5ce6" : "#5856d6"
    readonly property color green: dark ? "#30d158" : "#28cd41"
    readonly property color red: dark ? "#ff453a" : "#ff3b30"
    readonly property color brown: dark ? "#ac8e68" : "#a2845e"
    readonly property color cyan: dark ? "#64d2ff" : "#55bef0"
    readonly property color gray: dark ? "#98989d" : "#8e8e93"

    // A storage category's colour, by the category's raw name ("developer",
    // "caches", ...). Every category has its own entry.
    function categoryColor(category) {
        switch (category) {
        case "developer": return purple
        case "caches": return teal
        case "downloads": return blue
        case "aiModels": return pink
        case "largeFiles": return orange
        case "media": return yellow
        case "apps": return indigo
        case "messaging": return green
        case "games": return red
        case "backups": return brown
        case "virtualMachines": return cyan
        case "other": return gray
        }
        console.warn("Theme.categoryColor: unknown category", category)
        return gray
    }

    // A safety level's colour, by its raw name.
    function safetyColor(level) {
        switch (level) {
        case "regenerable": return green
        case "existsElsewhere": return blue
        case "needsReview": return orange
        }
        console.warn("Theme.safetyColor: unknown level", level)
        return gray
    }
}
