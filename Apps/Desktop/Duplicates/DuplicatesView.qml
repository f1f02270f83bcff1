import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tandor
import Tandor.Shared

// The Duplicates tab: the start card until a search has run, its progress
// with Stop, a failure with Try again, and the results with a picker between
// identical files and similar photos. The notice holds the last refusal of a
// pile action; both lists write it, and it lives only while the tab is shown.
Item {
    id: view

    property ScanModel scanModel: ScanModel
    property DuplicatesModel model: DuplicatesModel
    property int mode: 0
    property string notice: ""

    function run() {
        notice = "";
        model.run();
    }

    Loader {
        anchors.fill: parent
        sourceComponent: {
            switch (view.model.phase) {
            case "working": return working
            case "failed": return failed
            case "ready": return results
            }
            return start
        }
    }

    Component {
        id: start
        Item {
            ColumnLayout {
                anchors.centerIn: parent
                width: Math.min(parent.width - 80, 480)
                spacing: 16

                SymbolIcon {
                    Layout.alignment: Qt.AlignHCenter
                    name: "doc.on.doc"
                    size: 44
                    color: Theme.secondaryText
                }
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: parent.width
                    text: Texts.tr("Find identical files and similar photos")
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.primaryText
                    font.pixelSize: 17
                    font.weight: Font.DemiBold
                }
                InfoLine {
                    Layout.alignment: Qt.AlignHCenter
                    text: "One copy always stays"  // text key
                    detail: "Tandor compares files of the same size byte for byte, and looks at photos through image fingerprints, all on this computer. It reads files but never changes them, and one copy of everything always stays."  // text key
                    color: Theme.secondaryText
                }
                ActionButton {
                    objectName: "findDuplicatesButton"
                    Layout.alignment: Qt.AlignHCenter
                    text: Texts.tr("Find duplicates")
                    primary: true
                    enabled: view.scanModel.hasRoot
                    onClicked: view.run()
                }
            }
        }
    }

    Component {
        id: working
        Item {
            ColumnLayout {
                anchors.centerIn: parent
                spacing: 12

                BusyIndicator {
                    Layout.alignment: Qt.AlignHCenter
                    running: true
                }
                Text {
                    objectName: "duplicatesProgress"
                    Layout.alignment: Qt.AlignHCenter
                    text: view.model.phaseText
                    textFormat: Text.PlainText
                    color: Theme.secondaryText
                }
                Button {
                    objectName: "stopSearchButton"
                    Layout.alignment: Qt.AlignHCenter
                    text: Texts.tr("Stop")
                    onClicked: view.model.cancel()
                }
            }
        }
    }

    Component {
        id: failed
        Item {
            ColumnLayout {
                anchors.centerIn: parent
                width: parent.width - 32
                spacing: 12

                Text {
                    objectName: "duplicatesFailure"
                    Layout.fillWidth: true
                    text: view.model.phaseText
                    textFormat: Text.PlainText
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.red
                }
                Button {
                    Layout.alignment: Qt.AlignHCenter
                    text: Texts.tr("Try again")
                    onClicked: view.run()
                }
            }
        }
    }

    Component {
        id: results
        ColumnLayout {
            spacing: 0

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.topMargin: 8

                SegmentedPicker {
                    objectName: "duplicatesModePicker"
                    model: [
                        "Identical files",  // text key
                        "Similar photos"  // text key
                    ]
                    currentIndex: view.mode
                    onActivated: index => view.mode = index
                }
                Item { Layout.fillWidth: true }
                Button {
                    id: searchAgain
                    objectName: "searchAgainButton"
                    text: Texts.tr("Search again")
                    onClicked: view.run()
                    contentItem: SymbolLabel {
                        symbol: "arrow.clockwise"
                        text: searchAgain.text
                        color: Theme.primaryText
                    }
                }
            }
            Text {
                objectName: "staleNote"
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.topMargin: 6
                visible: !view.model.resultsAreCurrent
                text: Texts.tr("These results come from an earlier scan. Search again to update them.")
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                color: Theme.secondaryText
                font.pixelSize: 11
            }
            Text {
                objectName: "duplicatesNotice"
                Layout.fillWidth: true
                Layout.leftMargin: 12
                Layout.rightMargin: 12
                Layout.topMargin: 6
                visible: view.notice !== ""
                text: view.notice
                textFormat: Text.PlainText
                wrapMode: Text.WordWrap
                color: Theme.wine
                font.pixelSize: 11
            }
            Loader {
                Layout.fillWidth: true
                Layout.fillHeight: true
                sourceComponent: view.mode === 0 ? identicalList : similarList
            }
        }
    }

    Component {
        id: identicalList
        IdenticalFilesList {
            list: view.model.identical
            footnotes: view.model.footnotes
            onNoticeSet: text => view.notice = text
        }
    }

    Component {
        id: similarList
        SimilarPhotosList {
            list: view.model.similar
            onNoticeSet: text => view.notice = text
        }
    }
}
