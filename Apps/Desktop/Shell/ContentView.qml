import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The root view of the main window: the toolbar, then a split
// view with the tab strip, the summary header and the content of the current
// phase and tab on the left, and the review pile on the right. What shows
// where is decided by ContentViewModel; this file only lays it out.
Item {
    id: contentView

    // The shared scan model (the singleton unless a test gives another).
    property ScanModel scanModel: ScanModel
    readonly property alias state: viewModel
    // Also asked for by the Settings window, which is too small to hold it.
    readonly property alias relaunchDialog: relaunchDialog

    ContentViewModel {
        id: viewModel
        objectName: "contentViewModel"
        scanModel: contentView.scanModel
    }

    BrandBackdrop {
        anchors.fill: parent
    }

    RelaunchDialog {
        id: relaunchDialog
    }

    // The sheets load from their files when they open, so that a launch
    // neither reads nor makes them.
    Loader {
        active: ShellSettings.tutorialOpen
        source: "../Onboarding/TutorialSheet.qml"
    }

    Loader {
        id: assistantSheet

        function open() {
            if (item === null) {
                setSource(Qt.resolvedUrl("../Assistant/AssistantSheet.qml"),
                          {objectName: "assistantSheet", scanModel: contentView.scanModel})
            }
            item.open()
        }
    }

    FolderChooserDialog {
        objectName: "folderChooserDialog"
        chooser: contentView.scanModel ? contentView.scanModel.swipe.sorting.folderChooser : null
    }

    component SymbolToolButton: ToolButton {
        id: toolButton
        property string symbol
        contentItem: SymbolLabel {
            symbol: toolButton.symbol
            text: toolButton.text
            color: toolButton.enabled ? Theme.primaryText : Theme.secondaryText
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // The toolbar: the assistant, help and language, then Measure Again
        // on System Data and Scan.
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            Layout.topMargin: 6
            spacing: 6

            // Until the start-up recovery of a cleanup cut short ends, the
            // pile's Move to Trash and the History screen wait for it.
            Text {
                objectName: "finishingCleanupLine"
                Layout.leftMargin: 4
                visible: contentView.scanModel !== null && contentView.scanModel.recoveringHistory
                text: Texts.tr("Finishing the last cleanup…")
                color: Theme.secondaryText
            }

            Item { Layout.fillWidth: true }

            SymbolToolButton {
                objectName: "assistantButton"
                symbol: "brain"
                text: Texts.tr("AI assistant")
                ToolTip.visible: hovered
                ToolTip.text: Texts.tr("AI assistant")
                ToolTip.delay: 600
                onClicked: assistantSheet.open()
            }

            SymbolToolButton {
                id: helpButton
                objectName: "helpAndLanguageButton"
                symbol: "questionmark.circle"
                text: Texts.tr("Help and language")
                hoverEnabled: true
                // Not over the open menu's first item.
                ToolTip.visible: hovered && !helpMenu.visible
                ToolTip.text: Texts.tr("Tutorial and language")
                ToolTip.delay: 600
                onClicked: helpMenu.open()

                Menu {
                    id: helpMenu
                    y: helpButton.height

                    MenuItem {
                        id: tutorialItem
                        text: Texts.tr("Tandor Tutorial")
                        onTriggered: ShellSettings.tutorialOpen = true
                        contentItem: SymbolLabel {
                            symbol: "play.rectangle"
                            text: tutorialItem.text
                            color: tutorialItem.highlighted ? tutorialItem.palette.highlightedText
                                                            : tutorialItem.palette.text
                        }
                    }
                    MenuSeparator {}
                    LanguageMenu {
                        relaunchDialog: relaunchDialog
                    }
                }
            }

            SymbolToolButton {
                objectName: "measureAgainButton"
                visible: content.route === "systemData"
                symbol: "circlepath"
                text: Texts.tr("Measure Again")
                enabled: visible && content.item !== null && content.item.loading === false
                onClicked: content.item.measureAgain()
            }

            SymbolToolButton {
                objectName: "scanButton"
                symbol: "arrow.clockwise"
                text: Texts.tr("Scan")
                enabled: viewModel.canScan
                onClicked: contentView.scanModel.scanHome()
            }
        }

        SplitView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            orientation: Qt.Horizontal

            ColumnLayout {
                SplitView.minimumWidth: 560
                SplitView.fillWidth: true
                spacing: 0

                ViewTabBar {
                    objectName: "viewTabBar"
                    Layout.fillWidth: true
                    tabs: viewModel.tabs
                    selection: viewModel.tab
                    onSelected: title => viewModel.tab = title
                }

                SummaryHeader {
                    objectName: "summaryHeader"
                    Layout.fillWidth: true
                    visible: viewModel.showsHeader
                    scanModel: contentView.scanModel
                }

                Loader {
                    id: content
                    objectName: "content"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    // The route names what fills the area: see ContentView::Route.
                    readonly property string route: viewModel.route
                    // The screens no launch starts on load from their files when
                    // their route shows: naming their types in this file would
                    // read them, and all they use, before the first frame.
                    readonly property var screens: ({
                        "suggestions": {file: "../Results/SuggestionsView.qml", name: ""},
                        "categories": {file: "../Results/CategoriesView.qml", name: ""},
                        "browse": {file: "../Browse/BrowsePane.qml", name: ""},
                        "history": {file: "../History/HistoryView.qml", name: "historyView"},
                        "systemData": {file: "../SystemData/SystemDataView.qml",
                                       name: "systemDataView"},
                        "duplicates": {file: "../Duplicates/DuplicatesView.qml",
                                       name: "duplicatesView"},
                        "swipe": {file: "../Swipe/SwipeReviewView.qml", name: "swipeView"},
                        "smart": {file: "../Smart/SmartView.qml", name: "smartView"}
                    })

                    onRouteChanged: show()
                    Component.onCompleted: show()

                    function show() {
                        const screen = screens[route]
                        if (screen !== undefined) {
                            setSource(Qt.resolvedUrl(screen.file), {
                                objectName: screen.name,
                                scanModel: contentView.scanModel
                            })
                            return
                        }
                        switch (route) {
                        case "emptyState": sourceComponent = emptyState; return
                        case "progress": sourceComponent = progress; return
                        case "failure": sourceComponent = failure; return
                        }
                        // The tabs whose views come with later work, and
                        // "nothing": an empty pane.
                        sourceComponent = emptyPane
                    }
                }
            }

            Item {
                SplitView.minimumWidth: 280
                SplitView.preferredWidth: 320
                SplitView.maximumWidth: 400

                Glass {
                    anchors.fill: parent
                    anchors.margins: 10
                    cornerRadius: 18

                    PilePanel {
                        objectName: "pilePanel"
                        anchors.fill: parent
                        scanModel: contentView.scanModel
                    }
                }
            }
        }
    }

    Component {
        id: emptyState
        FirstLaunchGate {
            scanModel: contentView.scanModel
        }
    }

    Component {
        id: progress
        ScanProgressView {
            readonly property ScanModel model: contentView.scanModel
            fraction: model.progressFraction < 0 ? undefined : model.progressFraction
            filesSeen: model.filesSeen
            bytesSeen: model.bytesSeen
            folder: model.progressFolder
            scanStarted: model.scanStarted
            reduceMotion: ShellSettings.reduceMotion
        }
    }

    Component {
        id: failure
        Item {
            Text {
                objectName: "failureMessage"
                anchors.fill: parent
                anchors.margins: 16
                text: contentView.scanModel.failureMessage
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                color: Theme.red
            }
        }
    }

    Component {
        id: emptyPane
        Item {
            objectName: "emptyPane"
        }
    }
}
