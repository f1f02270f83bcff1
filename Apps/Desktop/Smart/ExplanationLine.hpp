#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "Results/SuggestionListModel.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorSmart/Explanation.hpp"
#include "TandorSmart/ExplanationService.hpp"

namespace tandor {

// The explanation of one suggestion card: asks the explanation service off
// the main thread whenever the card's suggestion value changes, and shows the
// answer in the interface language. An earlier answer stays until the new one
// arrives; an answer to an older request is dropped, so a late answer never
// replaces a newer one.
class ExplanationLine : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tandor::SuggestionListModel* suggestions READ suggestions WRITE setSuggestions NOTIFY
                   requestChanged)
    Q_PROPERTY(QString suggestionId READ suggestionId WRITE setSuggestionId NOTIFY requestChanged)
    // False until the first answer; the card shows a spinner meanwhile.
    Q_PROPERTY(bool ready READ isReady NOTIFY explanationChanged)
    Q_PROPERTY(QString text READ text NOTIFY explanationChanged)
    // "sparkles" for the on-device model, "text.bubble" for the templates.
    Q_PROPERTY(QString symbol READ symbol NOTIFY explanationChanged)
    Q_PROPERTY(QString help READ help NOTIFY explanationChanged)

  public:
    explicit ExplanationLine(QObject* parent = nullptr);

    SuggestionListModel* suggestions() const { return suggestions_; }
    void setSuggestions(SuggestionListModel* suggestions);
    QString suggestionId() const { return suggestionId_; }
    void setSuggestionId(const QString& id);
    // The service asked from now on; the process's one by default.
    void setService(std::shared_ptr<ExplanationService> service);

    bool isReady() const { return explanation_.has_value(); }
    QString text() const;
    QString symbol() const;
    QString help() const;

  signals:
    void requestChanged();
    void explanationChanged();

  private:
    // Asks again when the card's suggestion is not the one last asked about.
    void follow();
    void apply(std::uint64_t generation, const Suggestion& suggestion, Explanation explanation);

    QPointer<SuggestionListModel> suggestions_;
    QString suggestionId_;
    std::shared_ptr<ExplanationService> service_;
    std::optional<Suggestion> asked_;
    std::uint64_t generation_ = 0;
    // The answer shown and the suggestion it answers.
    std::optional<Explanation> explanation_;
    std::optional<Suggestion> explained_;
};

}  // namespace tandor
