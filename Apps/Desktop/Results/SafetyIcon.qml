import QtQuick
import Tandor.Shared

// The small symbol of a safety level on a suggestion card.
SymbolIcon {
    property string level: "needsReview"

    name: level === "regenerable" ? "circlepath" : (level === "existsElsewhere" ? "documents"
                                                                                  : "eye")
    color: Theme.safetyColor(level)
    size: 13
}
