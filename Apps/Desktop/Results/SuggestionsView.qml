import QtQuick
import QtQuick.Controls
import Tandor
import Tandor.Shared

// The Suggestions tab: every suggestion of the last scan as a card, in one
// section per safety level.
Item {
    id: view

    property ScanModel scanModel: null

    SuggestionListModel {
        id: suggestionList
        objectName: "suggestionList"
        scanModel: view.scanModel
    }

    Text {
        anchors.fill: parent
        visible: view.scanModel !== null && suggestionList.count === 0
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: Texts.tr("Nothing worth cleaning found.")
        color: Theme.secondaryText
    }

    ListView {
        id: list
        anchors.fill: parent
        visible: suggestionList.count > 0
        clip: true
        model: suggestionList
        leftMargin: 12
        rightMargin: 12
        topMargin: 5
        bottomMargin: 5
        spacing: 10
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        section.property: "safety"
        section.delegate: Item {
            required property string section
            width: ListView.view.width - 24
            height: badge.height + 12
            SafetyBadge {
                id: badge
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 4
                level: parent.section
            }
        }

        delegate: SuggestionCard {
            objectName: "suggestionCard"
            width: ListView.view.width - 24
            suggestions: suggestionList
        }
    }
}
