import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The tour as a modal sheet of 620 by 600 on the brand backdrop (in a shorter
// window as tall as fits, the tour scrolling inside), open while
// the setting "tutorialOpen" is true (the Help menu sets it); closing it, by
// "Skip", "Get Started" or Escape, sets it back to false. Each opening starts
// a fresh tour at its first page.
Popup {
    id: sheet

    objectName: "tutorialSheet"
    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 620
    height: Math.min(600, parent ? parent.height - 24 : 600)
    padding: 32
    modal: true
    focus: true
    visible: ShellSettings.tutorialOpen
    closePolicy: Popup.CloseOnEscape

    onClosed: ShellSettings.tutorialOpen = false

    background: BrandBackdrop {
        Accessible.ignored: true
    }

    contentItem: Flickable {
        id: scroller

        // The tour's own height, that of the full sheet.
        readonly property real tourHeight: 600 - sheet.topPadding - sheet.bottomPadding

        clip: true
        contentHeight: tour.height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Loader {
            id: tour
            objectName: "tutorialLoader"
            width: scroller.width
            height: Math.max(scroller.height, scroller.tourHeight)
            active: sheet.visible
            focus: true
            sourceComponent: TutorialTour {
                objectName: "sheetTour"
                focus: true
                onDone: sheet.close()
            }
            onLoaded: item.forceActiveFocus()
        }
    }
}
