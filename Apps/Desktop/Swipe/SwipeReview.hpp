#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <string>

#include "Shell/ScanModel.hpp"
#include "TandorReview/SwipeCard.hpp"

namespace tandor {

// What the Swipe tab's views read, over the scan model's swipe model: the
// screen to show (deck picker, card stack or batch summary), the deck tiles,
// the cards of the running batch, the header and the summary texts; and the
// decisions, which reach the scan model's pile in place.
//
// One press decides exactly one card: after a decision is applied, further
// decisions, undos and releases are dropped until the view says the next card
// has shown (cardShown), the batch is finished, or a Move that did not happen
// has ended.
//
// Main thread only. Cards are named to QML by their position in the session;
// paths stay here as bytes.
class SwipeReview : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // "picker", "stack" or "summary".
    Q_PROPERTY(QString screen READ screen NOTIFY screenChanged)
    // One map per deck: kind, title, subtitle, symbol, safety, count, countText.
    Q_PROPERTY(QVariantList decks READ decks NOTIFY changed)
    Q_PROPERTY(QStringList orders READ orders CONSTANT)
    Q_PROPERTY(int orderIndex READ orderIndex WRITE setOrderIndex NOTIFY changed)
    // The batch's cards from the current one on, at most three: position,
    // name, sizeText, location, safety, evidence ([{text, observed}]), type
    // (the file's kind, for the preview) and the image sources of its picture
    // and icon.
    Q_PROPERTY(QVariantList cards READ cards NOTIFY changed)
    Q_PROPERTY(QString deckTitle READ deckTitle NOTIFY changed)
    Q_PROPERTY(QString progressText READ progressText NOTIFY changed)
    Q_PROPERTY(int doneInBatch READ doneInBatch NOTIFY changed)
    Q_PROPERTY(int batchLength READ batchLength NOTIFY changed)
    Q_PROPERTY(QString tossedText READ tossedText NOTIFY changed)
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY changed)
    // Why the last Undo took nothing back; empty after any other change.
    Q_PROPERTY(QString undoNotice READ undoNotice NOTIFY changed)
    // The summary: headline, figures, moved, reassurance, next.
    Q_PROPERTY(QVariantMap summary READ summary NOTIFY changed)
    Q_PROPERTY(bool hasDestination READ hasDestination NOTIFY changed)
    Q_PROPERTY(bool pending READ isPending NOTIFY pendingChanged)
    // The sorting tutorial was finished once ("didSeeSortingTutorial").
    Q_PROPERTY(bool tutorialSeen READ tutorialSeen WRITE setTutorialSeen NOTIFY tutorialSeenChanged)

  public:
    using Revealer = std::function<void(const std::string& path)>;

    static constexpr auto tutorialSeenKey = "didSeeSortingTutorial";

    explicit SwipeReview(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    // Tests put a fake file manager in the place of the desktop's.
    void setRevealer(Revealer reveal) { reveal_ = std::move(reveal); }

    QString screen() const;
    QVariantList decks() const;
    QStringList orders() const;
    int orderIndex() const;
    void setOrderIndex(int index);
    QVariantList cards() const;
    QString deckTitle() const;
    QString progressText() const;
    int doneInBatch() const;
    int batchLength() const;
    QString tossedText() const;
    bool canUndo() const;
    QString undoNotice() const { return undoNotice_; }
    QVariantMap summary() const;
    bool hasDestination() const;
    bool isPending() const { return pending_; }
    bool tutorialSeen() const;
    void setTutorialSeen(bool seen);

    // The path of the card at this position of the running session.
    std::optional<std::string> pathAt(int position) const;

    // Deals the decks again from the last scan, only while no session runs.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void start(int deck);
    // Ends the session and deals again.
    Q_INVOKABLE void close();
    // "keep", "toss", "later" or "move"; false when dropped or refused.
    Q_INVOKABLE bool decide(const QString& decision);
    Q_INVOKABLE void undo();
    Q_INVOKABLE void startNextBatch();
    Q_INVOKABLE void showKeptAgain();
    // Shows the current card's file in the file manager.
    Q_INVOKABLE void reveal();
    // The view drew the card that followed the last decision.
    Q_INVOKABLE void cardShown();

    // The stamp of a drag (key, text, opacity, tilt); empty without a drag.
    Q_INVOKABLE QVariantMap stampAt(double w, double h) const;
    // The decision a release at (w, h) makes; empty when the card springs back.
    Q_INVOKABLE QString releaseAt(double w, double h) const;

  signals:
    void scanModelChanged();
    void changed();
    // Only when the screen to show is another one: the view swaps its screen.
    void screenChanged();
    void pendingChanged();
    void tutorialSeenChanged();

  private:
    SwipeModel* swipe() const;
    QVariantMap cardMap(const SwipeCard& card, std::size_t position) const;
    // The card of the last decision when a commit has since moved its file to
    // the Trash: taking the decision back would not bring the file back.
    std::optional<SwipeCard> lastDecisionTrashed() const;
    void setPending(bool pending);
    // Announces a change, and a new screen when there is one.
    void publish();

    QPointer<ScanModel> scanModel_;
    Revealer reveal_;
    bool pending_ = false;
    // The session changed since the decision that made the review pending.
    bool advanced_ = false;
    QString shownScreen_;
    QString undoNotice_;
};

}  // namespace tandor
