#include "Smart/ExplanationLine.hpp"

#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>

#include "Support/BackgroundPool.hpp"
#include "Smart/Explanations.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSmart/ExplanationFacts.hpp"
#include "TandorSmart/TemplateExplainer.hpp"

namespace tandor {

using ui::Texts;

ExplanationLine::ExplanationLine(QObject* parent)
    : QObject(parent), service_(Explanations::service()) {
}

void ExplanationLine::setSuggestions(SuggestionListModel* suggestions) {
    if (suggestions_ == suggestions) {
        return;
    }
    if (suggestions_) {
        disconnect(suggestions_, nullptr, this, nullptr);
    }
    suggestions_ = suggestions;
    if (suggestions_) {
        connect(suggestions_, &QAbstractItemModel::modelReset, this, &ExplanationLine::follow);
        connect(suggestions_, &QAbstractItemModel::dataChanged, this, &ExplanationLine::follow);
    }
    emit requestChanged();
    follow();
}

void ExplanationLine::setSuggestionId(const QString& id) {
    if (suggestionId_ == id) {
        return;
    }
    suggestionId_ = id;
    emit requestChanged();
    follow();
}

void ExplanationLine::setService(std::shared_ptr<ExplanationService> service) {
    service_ = std::move(service);
    asked_.reset();
    follow();
}

void ExplanationLine::follow() {
    if (!suggestions_ || !service_) {
        return;
    }
    const Suggestion* current = suggestions_->suggestionWithID(suggestionId_.toStdString());
    if (current == nullptr || (asked_ && *asked_ == *current)) {
        return;
    }
    asked_ = *current;
    const std::uint64_t generation = ++generation_;
    QtConcurrent::run(BackgroundPool::shared(), [service = service_, suggestion = *asked_] {
        return service->explain(suggestion);
    }).then(this, [this, generation, suggestion = *asked_](Explanation explanation) {
        apply(generation, suggestion, std::move(explanation));
    });
}

void ExplanationLine::apply(std::uint64_t generation, const Suggestion& suggestion,
                            Explanation explanation) {
    if (generation != generation_) {
        return;
    }
    explanation_ = std::move(explanation);
    explained_ = suggestion;
    emit explanationChanged();
}

QString ExplanationLine::text() const {
    if (!explanation_) {
        return {};
    }
    if (explanation_->source == Explanation::Source::onDeviceModel) {
        return ui::fromEngine(explanation_->text);
    }
    // Each template sentence on its own, so that the line follows the
    // interface language; the reason is left out, as the card shows it just
    // above the line.
    QStringList sentences;
    for (const auto& sentence : TemplateExplainer::sentences(ExplanationFacts(*explained_))) {
        if (sentence == explained_->reason) {
            continue;
        }
        sentences.append(Texts::localized(ui::fromEngine(sentence)));
    }
    return sentences.join(QLatin1Char(' '));
}

QString ExplanationLine::symbol() const {
    return explanation_ && explanation_->source == Explanation::Source::onDeviceModel
               ? QStringLiteral("sparkles")
               : QStringLiteral("text.bubble");
}

QString ExplanationLine::help() const {
    if (explanation_ && explanation_->source == Explanation::Source::onDeviceModel) {
        return Texts::tr(
            QStringLiteral("Written on this computer by the on-device language model "
                           "from the facts below. Nothing left your computer."));
    }
    return Texts::tr(QStringLiteral("Written by Tandor from the facts below."));
}

}  // namespace tandor
