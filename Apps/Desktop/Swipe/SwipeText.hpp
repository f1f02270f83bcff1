#pragma once

#include <QString>

#include "TandorReview/SwipeDeckKind.hpp"
#include "TandorReview/SwipeSession.hpp"

namespace tandor::SwipeText {

// The deck's title in the current language.
QString deckTitle(SwipeDeckKind kind);

// The card stack's header: "Batch %lld of %lld · %lld of %lld".
QString progress(const SwipeSession& session);
// "On the pile from this deck: %@" over the whole session; empty before the
// first toss.
QString tossedLine(const SwipeSession& session);

// What the summary of a finished batch shows. Figures count this batch only;
// a toss the pile already covered still counts with its bytes.
struct BatchFigures {
    QString headline;
    // "Nothing left to review here." for a deck without cards.
    QString figures;
    // "%lld moved into folders"; empty when nothing moved.
    QString moved;
    QString reassurance;
    // "Next %lld files" with the next batch's size; empty on the last batch.
    QString next;

    friend bool operator==(const BatchFigures&, const BatchFigures&) = default;
};

BatchFigures batchFigures(const SwipeSession& session);

}  // namespace tandor::SwipeText
