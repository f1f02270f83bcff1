import QtQuick
import QtQuick.Controls

// A tooltip for text that comes from the disk or an engine (paths, names,
// reasons): shown as written, never read as markup, which the standard
// tooltip would do with a name like "a<b>c".
ToolTip {
    id: tip

    width: Math.min(implicitWidth, 480)

    contentItem: Text {
        text: tip.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font: tip.font
        color: tip.palette.toolTipText
    }
}
