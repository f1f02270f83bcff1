#include "Shell/PileCommit.hpp"

#include <string_view>

#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor::PileCommit {
bool isCovered(const std::string& path, const std::set<std::string>& movedPaths) {
    // The path itself, then each enclosing folder: "/a/b/c", "/a/b", "/a", "/".
    std::string_view candidate = path;
    while (!candidate.empty()) {
        if (movedPaths.contains(std::string(candidate))) {
            return true;
        }
        const auto slash = candidate.find_last_of('/');
        if (slash == std::string_view::npos || candidate == "/") {
            return false;
        }
        candidate = slash == 0 ? std::string_view("/") : candidate.substr(0, slash);
    }
    return false;
}

std::vector<Suggestion> pruned(const std::vector<Suggestion>& suggestions,
                               const std::set<std::string>& movedPaths) {
    std::vector<Suggestion> kept;
    kept.reserve(suggestions.size());
    for (const auto& suggestion : suggestions) {
        std::vector<SuggestionItem> items;
        for (const auto& item : suggestion.items) {
            if (!isCovered(item.path, movedPaths)) {
                items.push_back(item);
            }
        }
        if (items.size() == suggestion.items.size()) {
            kept.push_back(suggestion);
        } else if (!items.empty()) {
            kept.push_back(suggestion.replacing(std::nullopt, std::move(items)));
        }
    }
    return kept;
}

QString historyFailure(const std::string& error) {
    return ui::Texts::tr(QStringLiteral("Could not update the cleanup history: %@"),
                         {ui::fromEngine(error)});
}

namespace {

// The engine's sentence with the entry's path, where it appears, decoded from
// the path's own bytes: a name that is not UTF-8 reads as the file manager
// shows it.
QString errorText(const CommitResult::Failure& failure) {
    const std::string_view error = failure.error;
    const auto at = failure.path.empty() ? std::string_view::npos : error.find(failure.path);
    if (at == std::string_view::npos) {
        return ui::fromEngine(error);
    }
    return ui::fromEngine(error.substr(0, at)) + ui::displayPath(failure.path) +
           ui::fromEngine(error.substr(at + failure.path.size()));
}

}  // namespace

QString failureReason(const CommitResult::Failure& failure) {
    using enum CommitResult::Failure::Reason;
    switch (failure.reason) {
        case gone:
            return ui::Texts::tr(QStringLiteral("It is no longer there."));
        case inUse:
            return ui::Texts::tr(QStringLiteral("It is in use."));
        case noPermission:
            return ui::Texts::tr(QStringLiteral("You have no permission to move it."));
        case noSpace:
            return ui::Texts::tr(QStringLiteral("Its disk is full."));
        case protectedPlace:
            return ui::Texts::tr(QStringLiteral("Tandor never moves this to the Trash."));
        case noTrash:
            return ui::Texts::tr(QStringLiteral("Its disk has no Trash that can be used safely."));
        case notRecorded:
            return ui::Texts::tr(
                QStringLiteral("The cleanup history could not be written, so it stayed."));
        case other:
            break;
    }
    return ui::Texts::tr(QStringLiteral("It could not be moved: %@"), {errorText(failure)});
}

QString message(std::int64_t movedCount, std::int64_t freedBytes, std::int64_t failedCount,
                const std::optional<std::string>& historySaveError) {
    QString text = ui::Texts::tr(
        QStringLiteral(
            "Moved %lld items (%@) to the Trash. Empty the Trash to get the space back."),
        {qlonglong{movedCount}, ui::Texts::byteCount(freedBytes)});
    if (failedCount > 0) {
        text += QLatin1Char(' ') +
                ui::Texts::tr(QStringLiteral("%lld could not be moved and stay in the pile."),
                              {qlonglong{failedCount}});
    }
    if (historySaveError) {
        text += QLatin1Char(' ') + historyFailure(*historySaveError);
    }
    return text;
}

}  // namespace tandor::PileCommit
