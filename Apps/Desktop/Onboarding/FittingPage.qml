import QtQuick
import QtQuick.Controls

// A centred column of one onboarding page, spacing 18: as it is when it fits
// the height, else in a vertical scroll view with 8 points above and below,
// so that a short window never clips it.
Flickable {
    id: fitting

    default property alias content: column.data
    readonly property bool fits: column.implicitHeight <= height

    contentWidth: width
    contentHeight: fits ? height : column.implicitHeight + 16
    interactive: !fits
    clip: true
    boundsBehavior: Flickable.StopAtBounds

    ScrollBar.vertical: ScrollBar {
        objectName: "fittingScrollBar"
        policy: fitting.fits ? ScrollBar.AlwaysOff : ScrollBar.AlwaysOn
    }

    Column {
        id: column
        width: fitting.width
        y: fitting.fits ? (fitting.height - implicitHeight) / 2 : 8
        spacing: 18
    }
}
