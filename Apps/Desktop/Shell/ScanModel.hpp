#pragma once

#include <QtQml/qqml.h>
#include <QtQml/qqmlregistration.h>

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "Swipe/SwipeModel.hpp"
#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorScanner/ScanProgress.hpp"

class QQmlEngine;
class QJSEngine;

namespace tandor {

class CleanupHistory;

namespace HomeScan {
struct Outcome;
}

// The application's central model: runs the scan of the home folder, publishes
// its results to every screen, owns the review pile and commits it to the
// Trash. One instance lives on the main thread for the whole run; QML reaches
// it as the singleton ScanModel, C++ view models are given a pointer to it.
//
// Threads: every member is called on the main thread. The scan runs on one
// worker thread that touches no member; it posts its progress and its result
// back to the main thread tagged with the scan's generation, and the model
// applies them only while that generation is the current one (and progress
// only while the phase is still scanning). The start-up recovery of the
// history runs on the background pool, touches no member either, and posts
// its end back to the main thread; that post is dropped with the model.
// Destroying the model asks the running scan to stop and waits for the
// worker, which stops after the folders it is reading at that moment.
class ScanModel : public QObject {
    Q_OBJECT

    // "idle", "scanning", "failed" or "ready".
    Q_PROPERTY(QString phase READ phaseName NOTIFY phaseChanged)
    // The failure message while the phase is "failed".
    Q_PROPERTY(QString failureMessage READ failureMessage NOTIFY phaseChanged)
    // The latest progress while the phase is "scanning".
    Q_PROPERTY(QString currentPath READ currentPath NOTIFY phaseChanged)
    Q_PROPERTY(qint64 filesSeen READ filesSeen NOTIFY phaseChanged)
    Q_PROPERTY(qint64 bytesSeen READ bytesSeen NOTIFY phaseChanged)
    Q_PROPERTY(qint64 recoverableBytes READ recoverableBytes NOTIFY suggestionsChanged)
    Q_PROPERTY(int inaccessibleCount READ inaccessibleCount NOTIFY resultsChanged)
    Q_PROPERTY(QString lastCommitMessage READ lastCommitMessage NOTIFY lastCommitMessageChanged)
    Q_PROPERTY(int pileCount READ pileCount NOTIFY pileChanged)
    Q_PROPERTY(qint64 pileBytes READ pileBytes NOTIFY pileChanged)
    // True while the start-up recovery of a commit cut short runs: the
    // history must not be touched until it ends, so committing the pile is
    // refused and the History screen waits.
    Q_PROPERTY(bool recoveringHistory READ isRecoveringHistory NOTIFY recoveringHistoryChanged)
    // The one swipe model, made with the scan model; it owns the sorting model.
    Q_PROPERTY(tandor::SwipeModel* swipe READ swipe CONSTANT)

    // True while a scan runs: the Scan buttons are disabled and scanHome()
    // refuses.
    Q_PROPERTY(bool scanning READ isScanning NOTIFY phaseChanged)
    // A scan tree exists (the Browse and Swipe tabs need one).
    Q_PROPERTY(bool hasRoot READ hasRoot NOTIFY resultsChanged)
    // When the last scan started, for the progress view's elapsed counter.
    Q_PROPERTY(QDateTime scanStarted READ scanStartedTime NOTIFY phaseChanged)
    // The used bytes of the home volume read when the last scan started; -1
    // when they could not be read.
    Q_PROPERTY(qint64 diskUsedBytes READ diskUsedBytesOrNone NOTIFY phaseChanged)
    // The progress view's figures, recomputed with every
    // progress report: the estimated fraction in [0, 0.97], or -1 when there is
    // no estimate (the bar is then indeterminate); the folder being read as its
    // first two levels below home ("" when there is none).
    Q_PROPERTY(double progressFraction READ progressFraction NOTIFY phaseChanged)
    Q_PROPERTY(QString progressFolder READ progressFolder NOTIFY phaseChanged)
    // The files seen, formatted with the locale's grouping, and the bytes seen
    // as ByteFormat writes them.
    Q_PROPERTY(QString filesSeenText READ filesSeenText NOTIFY phaseChanged)
    Q_PROPERTY(QString bytesSeenText READ bytesSeenText NOTIFY phaseChanged)
    // ByteFormat of recoverableBytes, for the header's headline number.
    Q_PROPERTY(QString recoverableText READ recoverableText NOTIFY suggestionsChanged)

  public:
    enum class Phase { scanning, failed, idle, ready };

    explicit ScanModel(QObject* parent = nullptr);
    ~ScanModel() override;

    // Makes model the singleton "ScanModel" of the "Tandor" QML module for the
    // engines created from now on (each engine asks once, when it first meets
    // the name). The model must outlive those engines; the engines never own it.
    static void registerForQml(ScanModel* model);

    Phase phase() const;
    QString phaseName() const;
    QString failureMessage() const;
    QString currentPath() const;
    qint64 filesSeen() const;
    qint64 bytesSeen() const;
    // When the last scan started; used space of the home volume when it started.
    Date scanStarted() const;
    std::optional<std::int64_t> diskUsedBytes() const;
    // The latest progress report of the running scan.
    const ScanProgress& progress() const;

    // The results of the last finished scan (null / empty before the first).
    const FileNodePtr& root() const;
    // The user's folders and the platform's places as the last scan read them;
    // before the first scan, as they are now.
    HomePlaces homePlaces() const;
    const std::vector<Suggestion>& suggestions() const;
    const std::optional<StorageBreakdown>& breakdown() const;
    int inaccessibleCount() const;
    qint64 recoverableBytes() const;

    // The review pile. Every screen changes it only through these calls, so
    // that pileChanged is always emitted. Paths are bytes and never come back
    // from display text: QML asks the C++ view models by row, and they pass
    // the byte paths they hold.
    const ReviewPile& pile() const;
    // Refuses (false) an entry the pile already covers and one of the places
    // that are never moved to the Trash (isProtected).
    bool addToPile(ReviewPile::Entry entry);
    // Adds the suggestion's items that addToPile would take.
    void addSuggestionToPile(const Suggestion& suggestion);
    // The home folder, a folder holding it, Tandor's data or the Trash, with
    // what is inside or holds either of the last two: the screens offer no
    // "add to pile" for it and the pile refuses it.
    static bool isProtected(const std::string& path);
    void removeFromPile(const std::string& path);
    Q_INVOKABLE void undoLastPileAddition();
    // Lets change act on the pile in place (a swipe decision, a finished
    // sorting folder) and announces the result once when the pile changed.
    // An entry change adds keeps what it absorbed, for Undo.
    void changePile(const std::function<void(ReviewPile&)>& change);

    // While one lives, the pile's changes are not announced; when the last
    // one ends, pileChanged follows once if the pile changed meanwhile. For
    // batches added item by item (an automation run, the assistant's "Add
    // all"), whose callers need each item's answer. Main thread; a null
    // model holds nothing.
    class PileBatch {
      public:
        explicit PileBatch(ScanModel* model);
        ~PileBatch();
        PileBatch(const PileBatch&) = delete;
        PileBatch& operator=(const PileBatch&) = delete;

      private:
        QPointer<ScanModel> model_;
    };
    int pileCount() const;
    qint64 pileBytes() const;

    SwipeModel* swipe() const { return swipe_; }

    QString lastCommitMessage() const;
    // Why the last commit left the entry with this path on the pile; null for
    // an entry it did not fail on. Forgotten when the entry leaves the pile.
    const CommitResult::Failure* pileFailure(const std::string& path) const;
    // The original paths of the items the last commit moved to the Trash;
    // lastMovedPathsChanged follows every commit.
    const std::set<std::string>& lastMovedPaths() const;
    // The original paths of everything a commit moved since the published
    // tree was made (the tree still holds them), commits during its scan
    // included; starts again with each new tree.
    const std::set<std::string>& movedSinceScan() const;
    // True when path, or a folder holding it, moved since the tree was made.
    bool movedSinceScan(const std::string& path) const;

    // Starts a scan of the home folder in the background; refused (false)
    // while one runs.
    Q_INVOKABLE bool scanHome();
    // Moves every pile entry to the Trash and publishes the outcome; does
    // nothing while the history is being recovered.
    Q_INVOKABLE void commitPile();
    // At start-up: merges into the history what a commit cut short (killed, or
    // unable to save its history) left in the history's journal. Runs on the
    // background pool, so that the window shows meanwhile; recoveringHistory
    // is true until it ends. A failure becomes the last commit message and
    // stops nothing.
    void recoverInterruptedCommit();
    bool isRecoveringHistory() const { return recoveringHistory_; }

    bool isScanning() const;
    bool hasRoot() const;
    QDateTime scanStartedTime() const;
    qint64 diskUsedBytesOrNone() const;
    double progressFraction() const;
    QString progressFolder() const;
    QString filesSeenText() const;
    QString bytesSeenText() const;
    QString recoverableText() const;

  signals:
    void phaseChanged();
    void resultsChanged();
    void suggestionsChanged();
    void pileChanged();
    void lastCommitMessageChanged();
    void lastMovedPathsChanged();
    void recoveringHistoryChanged();

  private:
    friend struct ScanModelTestAccess;

    // Main thread, posted by the worker of scan `generation`.
    void applyProgress(std::uint64_t generation, const ScanProgress& progress);
    void publishResults(std::uint64_t generation, HomeScan::Outcome outcome);
    void publishFailure(std::uint64_t generation, const QString& message);
    // Adds entry to the pile as part of the user action `action` and remembers
    // what it absorbed; no signal.
    bool addEntryKeepingAbsorbed(ReviewPile::Entry entry, std::uint64_t action);
    // The action that added the entry at path; 0 when unknown.
    std::uint64_t actionOf(const std::string& path) const;
    // The paths at the end of the pile that the last action added, last first.
    std::vector<std::string> lastActionPaths() const;
    // Emits pileChanged now, or once at the end of the open batches.
    void announcePileChange();
    void setLastCommitMessage(const QString& message);
    // Stops the running scan, if any, and waits for its worker.
    void stopWorker();

    Phase phase_ = Phase::idle;
    ScanProgress progress_;
    QString failureMessage_;
    std::string home_;
    Date scanStarted_;
    std::optional<std::int64_t> diskUsedBytes_;
    FileNodePtr root_;
    std::optional<HomePlaces> homePlaces_;
    std::vector<Suggestion> suggestions_;
    std::optional<StorageBreakdown> breakdown_;
    int inaccessibleCount_ = 0;
    ReviewPile pile_;
    // Open PileBatch holds, and whether a change waits for their end.
    int pileBatches_ = 0;
    bool pileChangeHeld_ = false;
    SwipeModel* swipe_;
    // How an entry came onto the pile: the entries inside it that its
    // addition dropped, which Undo puts back, and the user action it was part
    // of, which Undo takes back whole (one suggestion is one action).
    struct Addition {
        std::vector<ReviewPile::Entry> absorbed;
        std::uint64_t action = 0;
    };
    std::map<std::string, Addition> additions_;
    std::uint64_t lastAction_ = 0;
    QString lastCommitMessage_;
    bool recoveringHistory_ = false;
    std::map<std::string, CommitResult::Failure, std::less<>> pileFailures_;
    std::set<std::string> lastMovedPaths_;
    // What commits moved since the running scan started: the scan may have
    // read those items before they went, so its results are pruned of them.
    std::set<std::string> movedDuringScan_;
    std::set<std::string> movedSinceScan_;
    // A history whose last save failed. Its unsaved records go out with the
    // next commit's save instead of being lost with the object.
    std::shared_ptr<CleanupHistory> unsavedHistory_;
    // Counts the scans started; results and progress of any other scan than
    // the latest are dropped.
    std::uint64_t generation_ = 0;
    // The thread of the running (or last) scan; declared last so that it is
    // stopped and joined before the other members go.
    std::jthread worker_;
};

// Registers ScanModel with QML as the singleton "ScanModel" of the "Tandor"
// module: the one model given to ScanModel::registerForQml, shared by every
// engine. "ScanModel" also names the type, so QML properties may be declared
// as ScanModel. (A foreign registration: a default-constructible class with a
// QML_SINGLETON of its own would be constructed by each engine instead.)
struct ScanModelForeign {
    Q_GADGET
    QML_FOREIGN(tandor::ScanModel)
    QML_NAMED_ELEMENT(ScanModel)
    QML_SINGLETON

  public:
    static ScanModel* create(QQmlEngine* engine, QJSEngine* scriptEngine);
};

}  // namespace tandor
