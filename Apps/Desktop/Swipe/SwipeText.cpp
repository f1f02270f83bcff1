#include "Swipe/SwipeText.hpp"

#include <algorithm>

#include "TandorCore/CheckedMath.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::SwipeText {
namespace {

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

}  // namespace

QString deckTitle(SwipeDeckKind kind) {
    return ui::Texts::localized(ui::fromEngine(title(kind)));
}

QString progress(const SwipeSession& session) {
    return ui::Texts::tr(QStringLiteral("Batch %lld of %lld · %lld of %lld"),
                         {qlonglong(session.batchIndex() + 1), qlonglong(session.batchCount()),
                          qlonglong(session.doneInBatch()), qlonglong(session.batchLength())});
}

QString tossedLine(const SwipeSession& session) {
    if (session.tossedBytes() <= 0) {
        return {};
    }
    return ui::Texts::tr(QStringLiteral("On the pile from this deck: %@"),
                         {bytesText(session.tossedBytes())});
}

BatchFigures batchFigures(const SwipeSession& session) {
    BatchFigures figures;
    figures.headline =
        session.isFinished()
            ? ui::Texts::tr(QStringLiteral("%@: all done"), {deckTitle(session.kind())})
            : ui::Texts::tr(QStringLiteral("Batch %lld of %lld done"),
                            {qlonglong(session.batchIndex() + 1), qlonglong(session.batchCount())});
    const auto tossed = session.tossedInBatch();
    const auto moved = session.movedInBatch();
    if (session.cards().empty()) {
        figures.figures = ui::Texts::tr(QStringLiteral("Nothing left to review here."));
    } else {
        std::int64_t tossedBytes = 0;
        for (const auto& card : tossed) {
            tossedBytes = saturatingAdd(tossedBytes, card.bytes);
        }
        figures.figures = ui::Texts::tr(
            QStringLiteral("%lld on the pile (%@) · %lld kept · %lld for later"),
            {qlonglong(tossed.size()), bytesText(tossedBytes),
             qlonglong(session.keptInBatch().size()), qlonglong(session.laterInBatch().size())});
        if (!moved.empty()) {
            figures.moved =
                ui::Texts::tr(QStringLiteral("%lld moved into folders"), {qlonglong(moved.size())});
        }
    }
    figures.reassurance = moved.empty()
                              ? ui::Texts::tr(QStringLiteral("Nothing has moved yet."))
                              : ui::Texts::tr(QStringLiteral("Nothing has gone to the Trash yet."));
    if (session.hasNextBatch()) {
        const std::size_t remaining = session.cards().size() - session.batchRange().end;
        figures.next = ui::Texts::tr(QStringLiteral("Next %lld files"),
                                     {qlonglong(std::min(session.batchSize(), remaining))});
    }
    return figures;
}

}  // namespace tandor::SwipeText
