import QtQuick
import QtQuick.Controls
import Tandor.Shared

// The menu of an item in the browser, on a list row or a map cell: put it on
// the pile, or show it in the file manager. The owner says what the item is
// and carries out the choice.
Menu {
    id: menu

    // Exactly this item is on the pile.
    property bool inPile: false
    // The pile refuses it (ScanModel::isProtected).
    property bool isProtected: false

    signal addToPile()
    signal showInFileManager()

    MenuItem {
        objectName: "addToPileItem"
        text: menu.isProtected ? Texts.tr("Tandor never moves this to the Trash.")
                               : menu.inPile ? Texts.tr("In Pile") : Texts.tr("Add to Pile")
        enabled: !menu.inPile && !menu.isProtected
        onTriggered: menu.addToPile()
    }
    MenuItem {
        text: Texts.tr("Show in File Manager")
        onTriggered: menu.showInFileManager()
    }
}
