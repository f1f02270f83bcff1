#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Sorting/SortingModel.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/SwipeCard.hpp"
#include "TandorReview/SwipeDecision.hpp"
#include "TandorReview/SwipeDeckKind.hpp"
#include "TandorReview/SwipeMemory.hpp"
#include "TandorReview/SwipeOrder.hpp"
#include "TandorReview/SwipeSession.hpp"

namespace tandor {

// The Swipe tab's model: deals the scanned tree into the four decks, drops the
// cards that need no decision any more, runs a session on one deck batch by
// batch, applies each decision (toss onto the pile, keep, later, move into a
// sorting folder), remembers kept files across runs and takes the last
// decision of a batch back. It owns the one sorting model.
//
// The pile is the scan model's: every call that may change it is given it in
// place.
//
// Main thread only. A refresh runs on a worker: dealing a large tree and
// checking every card against the pile, the kept files and the disk take
// longer than a frame. The deal is kept per root and calendar day, so that a
// refresh after a pile change only filters again; the result of a refresh
// that a newer one replaced is dropped. A session asked for while a refresh
// runs starts on that refresh's deal: the previous one may still hold cards a
// decision has since put on the pile. A Move runs on the sorting model's
// worker; while it runs no decision is accepted.
class SwipeModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The scan model makes the one swipe model.")

    Q_PROPERTY(tandor::SortingModel* sorting READ sorting CONSTANT)
    Q_PROPERTY(int batchSize READ batchSize WRITE setBatchSize NOTIFY batchSizeChanged)
    Q_PROPERTY(int keptCount READ keptCount NOTIFY keptCountChanged)
    // Why the kept files could not be opened or saved; empty when they could.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    // A Move is on its way: decisions wait for it.
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)

  public:
    using Clock = std::function<Date()>;

    struct Services {
        // "swipe-kept.json".
        std::string memoryURL;
        Clock now;
        SortingModel::Services sorting;

        static Services standard();
    };

    // One tile of the deck picker.
    struct DeckSummary {
        SwipeDeckKind kind;
        int count = 0;
        std::int64_t bytes = 0;

        friend bool operator==(const DeckSummary&, const DeckSummary&) = default;
    };

    static constexpr std::int64_t downloadsMinimumBytes = 1'000'000;
    static constexpr std::int64_t installerMinimumBytes = 1'000'000;
    static constexpr std::int64_t largeVideoBytes = 200'000'000;
    static constexpr std::int64_t oldFileBytes = 50'000'000;
    static constexpr std::int64_t oldFileDays = 365;

    explicit SwipeModel(Services services, QObject* parent = nullptr);
    ~SwipeModel() override;

    SortingModel* sorting() { return sorting_; }
    // One summary per deck, in deck order, after the first refresh.
    const std::vector<DeckSummary>& decks() const { return decks_; }
    const std::optional<SwipeSession>& session() const { return session_; }
    int batchSize() const { return batchSize_; }
    void setBatchSize(int size);
    SwipeOrder order() const { return order_; }
    void setOrder(SwipeOrder order);
    int keptCount() const { return keptCount_; }
    QString errorMessage() const { return errorMessage_; }
    bool isBusy() const;

    // Deals root again (unless this root was dealt today) and publishes the
    // decks without the cards pile covers, the kept ones and those whose file
    // is gone, once the worker is done. places are those of the scan that made
    // root. Never touches a running session.
    void refresh(const FileNodePtr& root, const HomePlaces& places, const ReviewPile& pile);
    // A new session on the kind's cards in the current order and batch size;
    // while a refresh runs, once it has published, and only when the kind
    // still has cards then.
    void start(SwipeDeckKind kind);
    // Back to the deck picker; forgets a start that waits for a refresh.
    void endSession();
    void startNextBatch();
    // One decision on the current card. A Move goes through moveTop.
    void decide(SwipeDecision decision, ReviewPile& pile);
    // Moves the current card's item into the sorting destination; the
    // session records the decision once the item has moved. False when no
    // move started (no card, a move running); the sorting model says why a
    // move that started did not happen.
    bool moveTop();
    // Takes back the last decision of the batch with its effect. A Move is
    // taken back only once its item is back where it came from.
    void undo(ReviewPile& pile);
    // Forgets every kept file, then refreshes.
    void showKeptAgain(const FileNodePtr& root, const HomePlaces& places, const ReviewPile& pile);

  signals:
    void decksChanged();
    void sessionChanged();
    void batchSizeChanged();
    void orderChanged();
    void keptCountChanged();
    void errorMessageChanged();
    void busyChanged();

  private:
    using Decks = std::map<SwipeDeckKind, std::vector<SwipeCard>>;

    // The deal of one root on one calendar day.
    struct Deal {
        FileNodePtr root;
        int day = 0;
        std::shared_ptr<const Decks> decks;
    };

    int dayOf(Date date) const;
    // The dealt cards that still need a decision; any thread.
    static Decks filtered(const Decks& dealt, const ReviewPile& pile, const SwipeMemory* memory);
    void publish(Decks cards);
    void setSession(std::optional<SwipeSession> session);
    void setErrorMessage(const QString& message);
    void publishKeptCount();
    // Runs a change of the kept files and reports its save.
    void changeMemory(const std::function<void(SwipeMemory&)>& change);

    Services services_;
    SortingModel* sorting_;
    // Shared with the refresh running on the worker.
    std::shared_ptr<SwipeMemory> memory_;
    std::vector<DeckSummary> decks_;
    std::optional<SwipeSession> session_;
    // Counts the sessions started; a Move that ends in another one is undone.
    std::uint64_t sessionNumber_ = 0;
    int batchSize_ = 20;
    SwipeOrder order_ = SwipeOrder::largestFirst;
    int keptCount_ = 0;
    QString errorMessage_;
    Decks cards_;
    // For each Move of the session, the card's position and its record.
    std::map<std::size_t, UUID> moveRecords_;
    std::optional<Deal> deal_;
    // Counts the refreshes started; only the latest one publishes.
    std::uint64_t refreshGeneration_ = 0;
    // A refresh runs whose deal is not published yet.
    bool dealing_ = false;
    // The deck to start once that deal is published.
    std::optional<SwipeDeckKind> startWhenDealt_;
};

}  // namespace tandor
