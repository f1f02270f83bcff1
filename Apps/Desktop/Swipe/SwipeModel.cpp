#include "Swipe/SwipeModel.hpp"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <ctime>
#include <exception>
#include <utility>

#include "Support/BackgroundPool.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorReview/SwipeDeckBuilder.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

QString couldNotSave(const std::exception& error) {
    return ui::Texts::tr(QStringLiteral("Could not save the list of kept files: %@"),
                         {ui::fromEngine(error.what())});
}

}  // namespace

SwipeModel::Services SwipeModel::Services::standard() {
    return {SwipeMemory::defaultURL(), [] { return std::chrono::system_clock::now(); },
            SortingModel::Services::standard()};
}

SwipeModel::SwipeModel(Services services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      sorting_(new SortingModel(services_.sorting, this)) {
    connect(sorting_, &SortingModel::movingChanged, this, &SwipeModel::busyChanged);
    try {
        memory_ = std::make_shared<SwipeMemory>(services_.memoryURL);
    } catch (const std::exception&) {
        // Keeps work without the memory: kept cards are dealt again next time.
        memory_ = nullptr;
        errorMessage_ = ui::Texts::tr(QStringLiteral("Could not open the list of kept files."));
    }
    publishKeptCount();
}

SwipeModel::~SwipeModel() = default;

void SwipeModel::setBatchSize(int size) {
    if (batchSize_ != size) {
        batchSize_ = size;
        emit batchSizeChanged();
    }
}

void SwipeModel::setOrder(SwipeOrder order) {
    if (order_ != order) {
        order_ = order;
        emit orderChanged();
    }
}

bool SwipeModel::isBusy() const {
    return sorting_->isMoving();
}

int SwipeModel::dayOf(Date date) const {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(date);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return (local.tm_year + 1900) * 10'000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

void SwipeModel::refresh(const FileNodePtr& root, const HomePlaces& places,
                         const ReviewPile& pile) {
    if (!root) {
        return;
    }
    const std::uint64_t generation = ++refreshGeneration_;
    dealing_ = true;
    const int day = dayOf(services_.now());
    std::shared_ptr<const Decks> dealt =
        deal_ && deal_->root == root && deal_->day == day ? deal_->decks : nullptr;
    const SwipeDeckBuilder builder(places, services_.now(), downloadsMinimumBytes,
                                   installerMinimumBytes, largeVideoBytes, oldFileBytes,
                                   oldFileDays);
    using Outcome = std::pair<std::shared_ptr<const Decks>, Decks>;
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this,
            [this, watcher, generation, root, day] {
                watcher->deleteLater();
                if (generation != refreshGeneration_) {
                    return;
                }
                Outcome outcome = watcher->result();
                deal_ = Deal{root, day, std::move(outcome.first)};
                dealing_ = false;
                publish(std::move(outcome.second));
                if (const auto kind = std::exchange(startWhenDealt_, std::nullopt);
                    kind && !cards_[*kind].empty()) {
                    start(*kind);
                }
            });
    watcher->setFuture(QtConcurrent::run(
        BackgroundPool::shared(), [builder, root, dealt, pile, memory = memory_]() {
            const std::shared_ptr<const Decks> decks =
                dealt ? dealt : std::make_shared<const Decks>(builder.decks(root));
            return Outcome{decks, filtered(*decks, pile, memory.get())};
        }));
}

SwipeModel::Decks SwipeModel::filtered(const Decks& dealt, const ReviewPile& pile,
                                       const SwipeMemory* memory) {
    Decks cards;
    for (const SwipeDeckKind kind : allSwipeDeckKinds) {
        std::vector<SwipeCard>& kept = cards[kind];
        const auto found = dealt.find(kind);
        if (found == dealt.end()) {
            continue;
        }
        for (const auto& card : found->second) {
            if (!pile.covers(card.path) && !(memory && memory->isKept(card)) &&
                FileMover::exists(card.path)) {
                kept.push_back(card);
            }
        }
    }
    return cards;
}

void SwipeModel::publish(Decks cards) {
    cards_ = std::move(cards);
    decks_.clear();
    for (const SwipeDeckKind kind : allSwipeDeckKinds) {
        const std::vector<SwipeCard>& kept = cards_[kind];
        std::int64_t bytes = 0;
        for (const auto& card : kept) {
            bytes = saturatingAdd(bytes, card.bytes);
        }
        decks_.push_back({kind, int(kept.size()), bytes});
    }
    emit decksChanged();
    publishKeptCount();
}

void SwipeModel::start(SwipeDeckKind kind) {
    if (dealing_) {
        startWhenDealt_ = kind;
        return;
    }
    const auto found = cards_.find(kind);
    std::vector<SwipeCard> cards = found == cards_.end() ? std::vector<SwipeCard>{} : found->second;
    ++sessionNumber_;
    moveRecords_.clear();
    setSession(SwipeSession(kind, sorted(order_, std::move(cards)), batchSize_));
}

void SwipeModel::endSession() {
    startWhenDealt_.reset();
    ++sessionNumber_;
    moveRecords_.clear();
    setSession(std::nullopt);
}

void SwipeModel::startNextBatch() {
    if (session_) {
        SwipeSession next = *session_;
        next.startNextBatch();
        setSession(std::move(next));
    }
}

void SwipeModel::setSession(std::optional<SwipeSession> session) {
    session_ = std::move(session);
    emit sessionChanged();
}

void SwipeModel::decide(SwipeDecision decision, ReviewPile& pile) {
    if (decision == SwipeDecision::move) {
        moveTop();
        return;
    }
    if (!session_ || isBusy()) {
        return;
    }
    SwipeSession next = *session_;
    const auto move = next.decide(decision, pile);
    if (!move) {
        return;
    }
    setSession(std::move(next));
    if (decision == SwipeDecision::keep && memory_) {
        changeMemory(
            [&](SwipeMemory& memory) { memory.remember(move->card.path, services_.now()); });
    }
}

bool SwipeModel::moveTop() {
    if (!session_ || isBusy()) {
        return false;
    }
    const auto card = session_->currentCard();
    if (!card) {
        return false;
    }
    const std::uint64_t startedIn = sessionNumber_;
    sorting_->move(card->path, card->bytes, [this, startedIn](std::optional<MoveRecord> record) {
        if (!record) {
            return;
        }
        // The item has moved; without a session to record it in, it goes back.
        std::optional<SwipeSession> next = session_;
        ReviewPile untouched;
        const auto move = startedIn == sessionNumber_ && next
                              ? next->decide(SwipeDecision::move, untouched)
                              : std::nullopt;
        if (!move) {
            sorting_->undo(record->id);
            return;
        }
        moveRecords_[move->index] = record->id;
        setSession(std::move(next));
    });
    return true;
}

void SwipeModel::undo(ReviewPile& pile) {
    if (!session_ || isBusy() || !session_->canUndo()) {
        return;
    }
    const SwipeMove& last = session_->moves().back();
    if (last.decision == SwipeDecision::move) {
        // The file first: when it cannot go back, the decision stays with its
        // record, and the sorting model's message says why.
        const auto recorded = moveRecords_.find(last.index);
        if (recorded != moveRecords_.end()) {
            if (!sorting_->undo(recorded->second)) {
                return;
            }
            moveRecords_.erase(recorded);
        }
    }
    SwipeSession next = *session_;
    const auto undone = next.undo(pile);
    if (!undone) {
        return;
    }
    setSession(std::move(next));
    if (undone->decision == SwipeDecision::keep && memory_) {
        changeMemory([&](SwipeMemory& memory) { memory.forget(undone->card.path); });
    }
}

void SwipeModel::showKeptAgain(const FileNodePtr& root, const HomePlaces& places,
                               const ReviewPile& pile) {
    if (memory_) {
        changeMemory([](SwipeMemory& memory) { memory.forgetAll(); });
    }
    refresh(root, places, pile);
}

void SwipeModel::changeMemory(const std::function<void(SwipeMemory&)>& change) {
    try {
        change(*memory_);
        setErrorMessage({});
    } catch (const std::exception& error) {
        setErrorMessage(couldNotSave(error));
    }
    publishKeptCount();
}

void SwipeModel::setErrorMessage(const QString& message) {
    if (errorMessage_ != message) {
        errorMessage_ = message;
        emit errorMessageChanged();
    }
}

void SwipeModel::publishKeptCount() {
    const int count = memory_ ? int(memory_->count()) : 0;
    if (keptCount_ != count) {
        keptCount_ = count;
        emit keptCountChanged();
    }
}

}  // namespace tandor
