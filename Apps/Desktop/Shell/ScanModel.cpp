#include "Shell/ScanModel.hpp"

#include <QtQml/qqml.h>

#include <QFile>
#include <QJSEngine>
#include <QLocale>
#include <QMetaObject>
#include <QPointer>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <chrono>
#include <exception>
#include <iterator>
#include <limits>
#include <memory>

#include "Support/BackgroundPool.hpp"
#include "Shell/HomeScan.hpp"
#include "Shell/PileCommit.hpp"
#include "TandorAssistant/ProtectedPlaces.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistoryJournal.hpp"
#include "TandorReview/ReviewCommitter.hpp"
#include "TandorReview/SystemTrasher.hpp"
#include "TandorScanner/ScanError.hpp"
#include "TandorScanner/ScanEstimate.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

constexpr auto lastScanFileCountKey = "lastScanFileCount";

// The previous scan's file count; absent when none is stored or it is not
// positive.
std::optional<std::int64_t> previousFileCount() {
    bool ok = false;
    const qlonglong stored = QSettings().value(lastScanFileCountKey, 0).toLongLong(&ok);
    if (!ok || stored <= 0) {
        return std::nullopt;
    }
    return stored;
}

}  // namespace

ScanModel::ScanModel(QObject* parent)
    : QObject(parent),
      scanStarted_(std::chrono::system_clock::now()),
      swipe_(new SwipeModel(SwipeModel::Services::standard(), this)) {
}

ScanModel::~ScanModel() {
    stopWorker();
}

namespace {
QPointer<ScanModel>& registeredModel() {
    static QPointer<ScanModel> model;
    return model;
}
}  // namespace

void ScanModel::registerForQml(ScanModel* model) {
    registeredModel() = model;
}

ScanModel* ScanModelForeign::create(QQmlEngine* /*engine*/, QJSEngine* /*scriptEngine*/) {
    ScanModel* model = registeredModel();
    if (model != nullptr) {
        QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
    }
    return model;
}

void ScanModel::stopWorker() {
    if (worker_.joinable()) {
        worker_.request_stop();
        worker_.join();
    }
}

ScanModel::Phase ScanModel::phase() const {
    return phase_;
}

QString ScanModel::phaseName() const {
    switch (phase_) {
        case Phase::scanning:
            return QStringLiteral("scanning");
        case Phase::failed:
            return QStringLiteral("failed");
        case Phase::idle:
            return QStringLiteral("idle");
        case Phase::ready:
            return QStringLiteral("ready");
    }
    return QStringLiteral("idle");
}

QString ScanModel::failureMessage() const {
    return phase_ == Phase::failed ? failureMessage_ : QString();
}

QString ScanModel::currentPath() const {
    return phase_ == Phase::scanning ? ui::displayPath(progress_.currentPath) : QString();
}

qint64 ScanModel::filesSeen() const {
    return phase_ == Phase::scanning ? progress_.filesSeen : 0;
}

qint64 ScanModel::bytesSeen() const {
    return phase_ == Phase::scanning ? progress_.bytesSeen : 0;
}

Date ScanModel::scanStarted() const {
    return scanStarted_;
}

std::optional<std::int64_t> ScanModel::diskUsedBytes() const {
    return diskUsedBytes_;
}

const ScanProgress& ScanModel::progress() const {
    return progress_;
}

const FileNodePtr& ScanModel::root() const {
    return root_;
}

HomePlaces ScanModel::homePlaces() const {
    return homePlaces_ ? *homePlaces_ : HomePlaces::read(home_.empty() ? homeFolderPath() : home_);
}

const std::vector<Suggestion>& ScanModel::suggestions() const {
    return suggestions_;
}

const std::optional<StorageBreakdown>& ScanModel::breakdown() const {
    return breakdown_;
}

int ScanModel::inaccessibleCount() const {
    return inaccessibleCount_;
}

qint64 ScanModel::recoverableBytes() const {
    std::int64_t total = 0;
    for (const auto& suggestion : suggestions_) {
        total = saturatingAdd(total, suggestion.totalBytes());
    }
    return total;
}

const ReviewPile& ScanModel::pile() const {
    return pile_;
}

bool ScanModel::addToPile(ReviewPile::Entry entry) {
    const bool added = addEntryKeepingAbsorbed(std::move(entry), ++lastAction_);
    if (added) {
        announcePileChange();
    }
    return added;
}

void ScanModel::addSuggestionToPile(const Suggestion& suggestion) {
    const std::uint64_t action = ++lastAction_;
    bool added = false;
    for (const auto& item : suggestion.items) {
        added =
            addEntryKeepingAbsorbed({item.path, item.bytes, suggestion.ruleID}, action) || added;
    }
    if (added) {
        announcePileChange();
    }
}

bool ScanModel::isProtected(const std::string& path) {
    return protectedPlaces::refusal(path).has_value();
}

bool ScanModel::addEntryKeepingAbsorbed(ReviewPile::Entry entry, std::uint64_t action) {
    if (isProtected(entry.path)) {
        return false;
    }
    std::vector<ReviewPile::Entry> inside;
    std::copy_if(
        pile_.entries().begin(), pile_.entries().end(), std::back_inserter(inside),
        [&](const ReviewPile::Entry& onPile) { return paths::isInside(onPile.path, entry.path); });
    const std::string path = entry.path;
    if (!pile_.add(std::move(entry))) {
        return false;
    }
    additions_[path] = {std::move(inside), action};
    return true;
}

void ScanModel::removeFromPile(const std::string& path) {
    if (pile_.contains(path)) {
        pile_.remove(path);
        announcePileChange();
    }
}

std::uint64_t ScanModel::actionOf(const std::string& path) const {
    const auto addition = additions_.find(path);
    return addition == additions_.end() ? 0 : addition->second.action;
}

std::vector<std::string> ScanModel::lastActionPaths() const {
    const auto& entries = pile_.entries();
    if (entries.empty()) {
        return {};
    }
    const std::uint64_t action = actionOf(entries.back().path);
    std::vector<std::string> paths{entries.back().path};
    for (auto entry = std::next(entries.rbegin());
         action != 0 && entry != entries.rend() && actionOf(entry->path) == action; ++entry) {
        paths.push_back(entry->path);
    }
    return paths;
}

void ScanModel::undoLastPileAddition() {
    const std::vector<std::string> undone = lastActionPaths();
    if (undone.empty()) {
        return;
    }
    const std::uint64_t action = actionOf(undone.front());
    for (const auto& path : undone) {
        pile_.remove(path);
    }
    // The picks the undone items absorbed come back, each with what it had
    // absorbed in turn, so a second undo can go one step further; a pick of
    // the undone action itself stays off.
    for (auto path = undone.rbegin(); path != undone.rend(); ++path) {
        const auto addition = additions_.find(*path);
        if (addition == additions_.end()) {
            continue;
        }
        for (const auto& entry : addition->second.absorbed) {
            if (action == 0 || actionOf(entry.path) != action) {
                pile_.add(entry);
            }
        }
        additions_.erase(addition);
    }
    announcePileChange();
}

void ScanModel::changePile(const std::function<void(ReviewPile&)>& change) {
    const ReviewPile before = pile_;
    change(pile_);
    if (pile_ == before) {
        return;
    }
    for (const auto& entry : pile_.entries()) {
        if (before.contains(entry.path)) {
            continue;
        }
        std::vector<ReviewPile::Entry> absorbed;
        for (const auto& old : before.entries()) {
            if (paths::isInside(old.path, entry.path) && !pile_.contains(old.path)) {
                absorbed.push_back(old);
            }
        }
        additions_[entry.path] = {std::move(absorbed), ++lastAction_};
    }
    announcePileChange();
}

void ScanModel::announcePileChange() {
    std::erase_if(pileFailures_,
                  [&](const auto& failure) { return !pile_.contains(failure.first); });
    if (pileBatches_ > 0) {
        pileChangeHeld_ = true;
        return;
    }
    emit pileChanged();
}

ScanModel::PileBatch::PileBatch(ScanModel* model) : model_(model) {
    if (model_) {
        ++model_->pileBatches_;
    }
}

ScanModel::PileBatch::~PileBatch() {
    if (!model_ || --model_->pileBatches_ > 0 || !model_->pileChangeHeld_) {
        return;
    }
    model_->pileChangeHeld_ = false;
    emit model_->pileChanged();
}

int ScanModel::pileCount() const {
    const auto count = pile_.count();
    return count > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(count);
}

qint64 ScanModel::pileBytes() const {
    return pile_.totalBytes();
}

QString ScanModel::lastCommitMessage() const {
    return lastCommitMessage_;
}

const CommitResult::Failure* ScanModel::pileFailure(const std::string& path) const {
    const auto found = pileFailures_.find(path);
    return found != pileFailures_.end() ? &found->second : nullptr;
}

const std::set<std::string>& ScanModel::movedSinceScan() const {
    return movedSinceScan_;
}

bool ScanModel::movedSinceScan(const std::string& path) const {
    return PileCommit::isCovered(path, movedSinceScan_);
}

const std::set<std::string>& ScanModel::lastMovedPaths() const {
    return lastMovedPaths_;
}

void ScanModel::setLastCommitMessage(const QString& message) {
    if (lastCommitMessage_ != message) {
        lastCommitMessage_ = message;
        emit lastCommitMessageChanged();
    }
}

bool ScanModel::scanHome() {
    if (phase_ == Phase::scanning) {
        return false;
    }
    // The previous worker has posted its result already; it is at most
    // returning from its function.
    stopWorker();

    home_ = homeFolderPath();
    const std::uint64_t generation = ++generation_;
    progress_ = ScanProgress{home_, 0, 0};
    phase_ = Phase::scanning;
    scanStarted_ = std::chrono::system_clock::now();
    movedDuringScan_.clear();
    setLastCommitMessage(QString());
    if (const auto used = HomeScan::diskUsedBytes(home_)) {
        diskUsedBytes_ = used;
    }

    // The worker holds `this` only to post to it: the destructor joins the
    // worker before the object goes, and Qt drops posted calls of a
    // destroyed object.
    worker_ = std::jthread([this, generation, home = home_](const std::stop_token& stop) {
        const auto onProgress = [this, generation](const ScanProgress& progress) {
            QMetaObject::invokeMethod(
                this, [this, generation, progress] { applyProgress(generation, progress); },
                Qt::QueuedConnection);
        };
        try {
            auto outcome =
                std::make_shared<HomeScan::Outcome>(HomeScan::run(home, onProgress, stop));
            QMetaObject::invokeMethod(
                this,
                [this, generation, outcome] { publishResults(generation, std::move(*outcome)); },
                Qt::QueuedConnection);
        } catch (const ScanError& error) {
            if (error.kind() == ScanError::Kind::cancelled) {
                return;
            }
            const QString message = ui::fromEngine(error.description());
            QMetaObject::invokeMethod(
                this, [this, generation, message] { publishFailure(generation, message); },
                Qt::QueuedConnection);
        } catch (const std::exception& error) {
            const QString message = ui::fromEngine(error.what());
            QMetaObject::invokeMethod(
                this, [this, generation, message] { publishFailure(generation, message); },
                Qt::QueuedConnection);
        }
    });
    emit phaseChanged();
    return true;
}

void ScanModel::applyProgress(std::uint64_t generation, const ScanProgress& progress) {
    // The scanner reports from several threads, so reports may arrive out of
    // order: one that counts fewer files than the one shown is older.
    if (generation != generation_ || phase_ != Phase::scanning ||
        progress.filesSeen < progress_.filesSeen) {
        return;
    }
    progress_ = progress;
    emit phaseChanged();
}

void ScanModel::publishResults(std::uint64_t generation, HomeScan::Outcome outcome) {
    if (generation != generation_ || phase_ != Phase::scanning) {
        return;
    }
    root_ = std::move(outcome.root);
    homePlaces_ = std::move(outcome.places);
    suggestions_ = movedDuringScan_.empty()
                       ? std::move(outcome.suggestions)
                       : PileCommit::pruned(outcome.suggestions, movedDuringScan_);
    movedSinceScan_ = std::move(movedDuringScan_);
    movedDuringScan_.clear();
    breakdown_ = std::move(outcome.breakdown);
    inaccessibleCount_ = outcome.inaccessibleCount;
    if (root_) {
        QSettings().setValue(lastScanFileCountKey, qlonglong{root_->fileCount()});
    }
    phase_ = Phase::ready;
    // A running swipe session was dealt from the tree just replaced; the Swipe
    // screen may not be there to end it, as it is not shown during a scan.
    swipe_->endSession();
    emit resultsChanged();
    emit suggestionsChanged();
    emit phaseChanged();
}

void ScanModel::publishFailure(std::uint64_t generation, const QString& message) {
    if (generation != generation_ || phase_ != Phase::scanning) {
        return;
    }
    failureMessage_ = message;
    phase_ = Phase::failed;
    emit phaseChanged();
}

void ScanModel::commitPile() {
    if (recoveringHistory_) {
        return;
    }
    std::shared_ptr<CleanupHistory> history = unsavedHistory_;
    if (!history) {
        try {
            history = std::make_shared<CleanupHistory>(CleanupHistory::defaultURL());
        } catch (const std::exception& error) {
            setLastCommitMessage(PileCommit::historyFailure(error.what()));
            return;
        }
    }
    const ReviewCommitter committer(std::make_shared<SystemTrasher>(), history);
    const CommitResult result = committer.commit(pile_);
    unsavedHistory_ = result.saveError ? history : nullptr;
    pileFailures_.clear();
    for (const auto& failure : result.failed) {
        pileFailures_.emplace(failure.path, failure);
    }
    announcePileChange();

    // The moved items are gone from their places whether or not the history
    // could be saved, so the outcome is published either way.
    std::set<std::string> moved;
    for (const auto& record : result.moved) {
        moved.insert(record.originalPath);
    }
    movedSinceScan_.insert(moved.begin(), moved.end());
    lastMovedPaths_ = std::move(moved);
    std::erase_if(additions_, [&](const auto& addition) {
        return PileCommit::isCovered(addition.first, lastMovedPaths_);
    });
    if (!result.moved.empty()) {
        suggestions_ = PileCommit::pruned(suggestions_, lastMovedPaths_);
        if (phase_ == Phase::scanning) {
            movedDuringScan_.insert(lastMovedPaths_.begin(), lastMovedPaths_.end());
        }
    }
    emit lastMovedPathsChanged();
    emit suggestionsChanged();
    setLastCommitMessage(
        PileCommit::message(static_cast<std::int64_t>(result.moved.size()), result.freedBytes(),
                            static_cast<std::int64_t>(result.failed.size()), result.saveError));
}

void ScanModel::recoverInterruptedCommit() {
    if (recoveringHistory_) {
        return;
    }
    recoveringHistory_ = true;
    emit recoveringHistoryChanged();
    QtConcurrent::run(BackgroundPool::shared(), []() -> std::optional<std::string> {
        try {
            HistoryJournal::recover(CleanupHistory::defaultURL(), SystemTrasher());
            return std::nullopt;
        } catch (const std::exception& error) {
            return error.what();
        }
    }).then(this, [this](const std::optional<std::string>& failure) {
        if (failure) {
            setLastCommitMessage(PileCommit::historyFailure(*failure));
        }
        recoveringHistory_ = false;
        emit recoveringHistoryChanged();
    });
}

bool ScanModel::isScanning() const {
    return phase_ == Phase::scanning;
}

bool ScanModel::hasRoot() const {
    return root_ != nullptr;
}

QDateTime ScanModel::scanStartedTime() const {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(scanStarted_.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(milliseconds.count());
}

qint64 ScanModel::diskUsedBytesOrNone() const {
    return diskUsedBytes_.value_or(-1);
}

double ScanModel::progressFraction() const {
    if (phase_ != Phase::scanning) {
        return -1;
    }
    return ScanEstimate::fraction(progress_, previousFileCount(), diskUsedBytes_).value_or(-1);
}

QString ScanModel::progressFolder() const {
    if (phase_ != Phase::scanning) {
        return {};
    }
    const auto folder = ScanEstimate::shortFolder(progress_.currentPath, home_);
    return folder ? ui::displayPath(*folder) : QString();
}

QString ScanModel::filesSeenText() const {
    return QLocale().toString(filesSeen());
}

QString ScanModel::bytesSeenText() const {
    return ui::Texts::byteCount(bytesSeen());
}

QString ScanModel::recoverableText() const {
    return ui::Texts::byteCount(recoverableBytes());
}

}  // namespace tandor
