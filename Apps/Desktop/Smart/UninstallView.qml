import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Apps pane: the installed applications, searchable by name, on the
// left; the chosen one's leftovers and "Add to pile" on the right. The list
// is read anew each time the pane is built.
SplitView {
    id: view

    property ScanModel scanModel: null
    // The chosen application's index among all applications; -1 for none.
    property int selection: -1

    orientation: Qt.Horizontal

    InstalledAppList {
        id: appList
        objectName: "installedAppList"
        scanModel: view.scanModel
        onCountChanged: {
            if (view.selection >= 0 && !appList.isListed(view.selection))
                view.selection = -1
        }
    }

    ColumnLayout {
        SplitView.minimumWidth: 200
        SplitView.preferredWidth: 240
        spacing: 0

        TextField {
            objectName: "appSearchField"
            Layout.fillWidth: true
            Layout.margins: 8
            placeholderText: Texts.tr("Search apps")
            onTextChanged: appList.filter = text
        }

        ListView {
            id: list
            objectName: "appListView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: appList
            ScrollBar.vertical: ScrollBar {}

            delegate: ItemDelegate {
                id: appRow
                required property string name
                required property int appIndex
                required property bool isProtected
                required property string iconSource

                objectName: "appRow"
                width: ListView.view.width
                highlighted: appRow.appIndex === view.selection
                onClicked: view.selection = appRow.appIndex

                contentItem: RowLayout {
                    spacing: 8
                    AppIconImage {
                        source: appRow.iconSource
                        size: 20
                    }
                    Text {
                        Layout.fillWidth: true
                        text: appRow.name
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: Theme.primaryText
                    }
                    SymbolIcon {
                        visible: appRow.isProtected
                        name: "lock"
                        size: 13
                        color: Theme.secondaryText
                        HoverHandler { id: lockHover }
                        ToolTip.visible: lockHover.hovered
                        ToolTip.text: Texts.tr("Apple app, Tandor leaves it alone")
                    }
                }
            }

            BusyIndicator {
                anchors.centerIn: parent
                visible: appList.loading
                running: visible
            }

            // In the list's content, which has no height while it is empty.
            Text {
                objectName: "noAppsText"
                x: 16
                y: 16
                width: list.width - 32
                visible: !appList.loading && appList.count === 0
                text: Texts.tr("No apps found.")
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                color: Theme.secondaryText
            }
        }
    }

    Item {
        SplitView.minimumWidth: 320
        SplitView.fillWidth: true

        Text {
            anchors.fill: parent
            anchors.margins: 16
            visible: detail.status !== Loader.Ready
            text: Texts.tr("Choose an app to see what it keeps on your computer.")
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: Theme.secondaryText
        }

        // A new detail for every application chosen, so that its plan and
        // its chosen leftovers start over.
        Loader {
            id: detail
            anchors.fill: parent
        }
        Connections {
            target: view
            function onSelectionChanged() {
                detail.sourceComponent = null
                detail.sourceComponent = view.selection >= 0 ? detailComponent : null
            }
        }

        Component {
            id: detailComponent
            UninstallDetail {
                scanModel: view.scanModel
                apps: appList
                appIndex: view.selection
            }
        }
    }
}
