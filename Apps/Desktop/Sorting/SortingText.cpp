#include "Sorting/SortingText.hpp"

#include <QStringList>

#include "TandorReview/MoveError.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorShared/TildePath.hpp"

namespace tandor::SortingText {

QString couldNotSave(const std::string& error) {
    return ui::Texts::tr(QStringLiteral("Could not save the list of sorting folders: %@"),
                         {ui::fromEngine(error)});
}

QString failure(const std::exception& error, const std::string& home) {
    const auto* refused = dynamic_cast<const MoveError*>(&error);
    if (refused == nullptr) {
        return ui::fromEngine(error.what());
    }
    const QString path = ui::displayPath(ui::tildePath(refused->path(), home));
    switch (refused->errorCase()) {
        case MoveError::Case::movedItemChanged:
            return ui::Texts::tr(
                QStringLiteral("Not put back: %@ is no longer the file that was moved there."),
                {path});
        case MoveError::Case::notRecorded:
            return ui::Texts::tr(
                QStringLiteral("%@ was not moved, because Tandor could not record the move "
                               "first: %@"),
                {path, ui::fromEngine(refused->reason())});
        default:
            return ui::fromEngine(error.what());
    }
}

QString linkRefused(const std::string& path, const std::optional<std::string>& target,
                    const std::string& home) {
    const QString link = ui::displayPath(ui::tildePath(path, home));
    if (target) {
        return ui::Texts::tr(QStringLiteral("%@ is a link to %@. Choose that folder itself."),
                             {link, ui::displayPath(ui::tildePath(*target, home))});
    }
    return ui::Texts::tr(QStringLiteral("%@ is a link, not a folder."), {link});
}

QString finishMessage(const SortingStore::FinishResult& result, const std::string& name) {
    const QString folder = ui::displayPath(name);
    QStringList pieces;
    if (!result.moved.empty() && !result.failed.empty()) {
        pieces << ui::Texts::tr(
            QStringLiteral("Moved %lld files on. You can put them back from History."),
            {qlonglong(result.moved.size())});
    }
    if (!result.failed.empty()) {
        pieces << ui::Texts::tr(QStringLiteral("%lld files could not be moved on and stay in %@."),
                                {qlonglong(result.failed.size()), folder});
    } else if (!result.forPile.empty()) {
        pieces << ui::Texts::tr(
            QStringLiteral(
                "%lld files from %@ are on the pile. Nothing moves until you confirm it."),
            {qlonglong(result.forPile.size()), folder});
    } else if (!result.moved.empty()) {
        pieces << ui::Texts::tr(
            QStringLiteral("Moved %lld files on. You can put them back from History."),
            {qlonglong(result.moved.size())});
    } else {
        pieces << ui::Texts::tr(QStringLiteral("%@ stays as a normal folder."), {folder});
    }
    if (result.recordError) {
        pieces << ui::Texts::tr(
            QStringLiteral(
                "Moving on stopped, because Tandor could not record the moves first: %@"),
            {ui::fromEngine(*result.recordError)});
    }
    if (result.saveError) {
        pieces << couldNotSave(*result.saveError);
    }
    return pieces.join(QLatin1Char(' '));
}

}  // namespace tandor::SortingText
