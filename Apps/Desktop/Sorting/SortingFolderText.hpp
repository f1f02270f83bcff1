#pragma once

#include <QString>

#include "TandorCore/Date.hpp"
#include "TandorReview/SortingFolder.hpp"

namespace tandor::SortingFolderText {

// Where the folder's files go next, in the current language: "then to %@"
// with the target's last component, "to the pile in %lld days" (a started
// day counts as a whole one), "ready for the pile" once due, or "stays a
// folder" / "your folder" for a temporary or an own folder that is kept.
QString fate(const SortingFolder& folder, Date now);

// The row's finish button, which temporary folders alone have.
struct FinishButton {
    QString title;
    bool enabled = false;

    friend bool operator==(const FinishButton&, const FinishButton&) = default;
};

// "Move On Now", "Add to Pile" or "Done" by the folder's fate; an empty
// folder can only be finished when it is kept.
FinishButton finishButton(const SortingFolder& folder, int count);

// The name a new sorting folder gets for what was typed: without blanks and
// tabs at either end (line breaks stay, for the model to make safe), and
// "To check" in the current language when nothing is left.
QString newFolderName(const QString& typed);

}  // namespace tandor::SortingFolderText
