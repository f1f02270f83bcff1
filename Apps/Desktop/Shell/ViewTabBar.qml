import QtQuick
import QtQuick.Controls
import Qt5Compat.GraphicalEffects
import Tandor
import Tandor.Shared

// The strip of tab buttons at the top of the left pane. One
// capsule per tab in one row that scrolls sideways when the pane is too
// narrow; a side where buttons lie hidden fades out and carries a chevron
// that scrolls them into view. The owner keeps the selection.
//
// A row that would not fit whole drops the symbols and some padding first,
// so that every tab shows at the usual window size.
Item {
    id: bar

    // The tabs in order: {title, symbol} (ContentViewModel.tabs).
    property var tabs: []
    // The selected tab's title (its raw value).
    property string selection
    // Asks the owner to select the tab with this title.
    signal selected(string title)

    readonly property alias contentX: strip.contentX
    // The row with symbols would not fit: titles only, closer together.
    readonly property bool compact: roomyWidth() > strip.width

    implicitHeight: strip.height + 5

    FontMetrics {
        id: titleMetrics
        font.pixelSize: 13
        font.weight: Font.DemiBold
    }

    // The strip's content width with symbols and the full padding, from the
    // titles alone (the row's own width follows `compact`).
    function roomyWidth() {
        let width = 2 * 12 + Math.max(0, tabs.length - 1) * 6
        for (const tab of tabs)
            width += Math.ceil(titleMetrics.advanceWidth(Texts.tr(tab.title))) + 2 * 12 + 14 + 6
        return width
    }

    ViewTabBarEdges {
        id: edges
        contentX: strip.contentX
        contentWidth: strip.contentWidth
        viewportWidth: strip.width
    }

    NumberAnimation {
        id: scroll
        target: strip
        property: "contentX"
        duration: 250
        easing.type: Easing.InOutQuad
    }

    function scrollTo(target) {
        scroll.stop()
        scroll.to = target
        scroll.start()
    }

    function buttonOf(title) {
        for (let index = 0; index < buttons.count; ++index) {
            const button = buttons.itemAt(index)
            if (button && button.title === title)
                return button
        }
        return null
    }

    // A newly selected tab scrolls into view (once the row is laid out), and
    // stays in view when the strip narrows.
    onSelectionChanged: Qt.callLater(revealSelection)
    onWidthChanged: Qt.callLater(revealSelection)

    function revealSelection() {
        const button = buttonOf(selection)
        if (button)
            scrollTo(edges.revealTarget(button.x + row.x, button.width))
    }

    Flickable {
        id: strip
        y: 5
        width: parent.width
        height: row.height + 10
        contentWidth: row.width + 24
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        // The software scene graph (no GPU) draws no shader effects: there
        // the row goes unfaded rather than unseen.
        layer.enabled: (edges.leadingHidden || edges.trailingHidden)
                       && GraphicsInfo.api !== GraphicsInfo.Software
        layer.effect: OpacityMask {
            maskSource: LinearGradient {
                width: strip.width
                height: strip.height
                start: Qt.point(0, 0)
                end: Qt.point(strip.width, 0)
                gradient: Gradient {
                    GradientStop { position: 0; color: edges.leadingHidden ? "transparent" : "black" }
                    GradientStop { position: edges.leadingFadeEnd; color: "black" }
                    GradientStop { position: edges.trailingFadeStart; color: "black" }
                    GradientStop { position: 1; color: edges.trailingHidden ? "transparent" : "black" }
                }
            }
        }

        Row {
            id: row
            x: 12
            y: 5
            spacing: bar.compact ? 4 : 6

            Repeater {
                id: buttons
                model: bar.tabs

                delegate: AbstractButton {
                    id: button

                    required property var modelData
                    readonly property string title: modelData.title
                    readonly property bool isSelection: title === bar.selection

                    objectName: "tab:" + title
                    leftPadding: bar.compact ? 8 : 12
                    rightPadding: bar.compact ? 8 : 12
                    topPadding: 6
                    bottomPadding: 6
                    hoverEnabled: true
                    focusPolicy: Qt.TabFocus

                    Accessible.role: Accessible.PageTab
                    Accessible.name: Texts.tr(title)
                    Accessible.selected: isSelection
                    Accessible.selectable: true

                    background: Rectangle {
                        radius: height / 2
                        color: button.isSelection
                               ? Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.25)
                               : (button.hovered ? Qt.rgba(Theme.wine.r, Theme.wine.g, Theme.wine.b, 0.08)
                                                 : "transparent")
                        border.width: button.visualFocus ? 1 : 0
                        border.color: Theme.wine
                    }

                    contentItem: Row {
                        spacing: 6
                        TabIcon {
                            visible: !bar.compact
                            anchors.verticalCenter: parent.verticalCenter
                            name: button.modelData.symbol
                            size: 14
                            color: button.isSelection ? Theme.wine : Theme.primaryText
                        }
                        // As wide as the semibold title, so that selecting a
                        // tab never moves the others.
                        TextMetrics {
                            id: semibold
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            text: Texts.tr(button.title)
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            width: Math.ceil(semibold.advanceWidth)
                            horizontalAlignment: Text.AlignHCenter
                            text: Texts.tr(button.title)
                            textFormat: Text.PlainText
                            color: Theme.primaryText
                            font.pixelSize: 13
                            font.weight: button.isSelection ? Font.DemiBold : Font.Normal
                        }
                    }

                    onClicked: bar.selected(title)
                }
            }
        }
    }

    component Chevron: AbstractButton {
        id: chevron
        property bool leading
        width: 34
        height: 26
        leftPadding: 4
        rightPadding: 4
        ToolTip.visible: hovered
        ToolTip.text: Texts.tr("More views")
        ToolTip.delay: 600
        Accessible.name: Texts.tr("More views")
        hoverEnabled: true

        background: Item {
            Rectangle {
                id: circle
                anchors.centerIn: parent
                width: 26
                height: 26
                radius: 13
                color: Theme.dark ? Qt.rgba(0.2, 0.16, 0.18, 0.92) : Qt.rgba(1, 1, 1, 0.92)
            }
            DropShadow {
                anchors.fill: circle
                source: circle
                z: -1
                color: Qt.rgba(0.5, 0.5, 0.5, 0.33)
                radius: 4
                samples: 9
                verticalOffset: 1
                transparentBorder: true
            }
        }
        contentItem: Text {
            text: chevron.leading ? "\u2039" : "\u203a"
            textFormat: Text.PlainText
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: Theme.primaryText
            font.pixelSize: 18
            font.weight: Font.DemiBold
        }
        onClicked: bar.scrollTo(edges.chevronTarget(leading))
    }

    Chevron {
        objectName: "leadingChevron"
        leading: true
        visible: edges.leadingHidden
        anchors.left: parent.left
        y: strip.y + (strip.height - height) / 2
    }

    Chevron {
        objectName: "trailingChevron"
        leading: false
        visible: edges.trailingHidden
        anchors.right: parent.right
        y: strip.y + (strip.height - height) / 2
    }
}
