#include "Swipe/SwipeReview.hpp"

#include <QMimeDatabase>
#include <QSettings>
#include <algorithm>

#include "Support/FileManagerReveal.hpp"
#include "Swipe/SwipeGesture.hpp"
#include "Swipe/SwipeText.hpp"
#include "Swipe/SwipeThumbnailProvider.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorShared/TildePath.hpp"

namespace tandor {
namespace {

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

QString symbolOf(SwipeDeckKind kind) {
    switch (kind) {
        case SwipeDeckKind::downloads:
            return QStringLiteral("arrow.down.circle");
        case SwipeDeckKind::installers:
            return QStringLiteral("shippingbox");
        case SwipeDeckKind::largeVideos:
            return QStringLiteral("film");
        case SwipeDeckKind::oldFiles:
            return QStringLiteral("clock.arrow.circlepath");
    }
    return {};
}

QString safetyName(SafetyLevel level) {
    return ui::fromEngine(rawValue(level));
}

// The kind of file the card is, as the system's type list describes it
// ("JPEG image"). Judged by the name alone: the file is never opened here.
QString typeText(const SwipeCard& card) {
    const QMimeDatabase types;
    const QMimeType type =
        card.isDirectory
            ? types.mimeTypeForName(QStringLiteral("inode/directory"))
            : types.mimeTypeForFile(ui::displayPath(card.path), QMimeDatabase::MatchExtension);
    return type.comment();
}

}  // namespace

SwipeReview::SwipeReview(QObject* parent) : QObject(parent), reveal_(&FileManagerReveal::reveal) {
}

void SwipeReview::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
        disconnect(scanModel_->swipe(), nullptr, this, nullptr);
        disconnect(scanModel_->swipe()->sorting(), nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (scanModel_) {
        SwipeModel* swipe = scanModel_->swipe();
        connect(scanModel_, &ScanModel::resultsChanged, this, &SwipeReview::close);
        connect(scanModel_, &ScanModel::pileChanged, this, &SwipeReview::refresh);
        connect(swipe, &SwipeModel::decksChanged, this, &SwipeReview::publish);
        connect(swipe, &SwipeModel::sessionChanged, this, [this, swipe] {
            advanced_ = true;
            undoNotice_.clear();
            // A finished batch shows no next card to wait for.
            if (!swipe->session() || swipe->session()->isBatchFinished()) {
                setPending(false);
            }
            publish();
        });
        connect(swipe, &SwipeModel::busyChanged, this, [this, swipe] {
            // A Move that ended without moving the card frees the stack at once.
            if (!swipe->isBusy() && pending_ && !advanced_) {
                setPending(false);
            }
        });
        connect(swipe->sorting(), &SortingModel::destinationChanged, this, &SwipeReview::publish);
        connect(swipe->sorting(), &SortingModel::foldersChanged, this, &SwipeReview::publish);
    }
    emit scanModelChanged();
    publish();
}

SwipeModel* SwipeReview::swipe() const {
    return scanModel_ ? scanModel_->swipe() : nullptr;
}

QString SwipeReview::screen() const {
    const SwipeModel* model = swipe();
    if (model == nullptr || !model->session()) {
        return QStringLiteral("picker");
    }
    return model->session()->isBatchFinished() ? QStringLiteral("summary")
                                               : QStringLiteral("stack");
}

QVariantList SwipeReview::decks() const {
    QVariantList tiles;
    if (swipe() == nullptr) {
        return tiles;
    }
    for (const auto& deck : swipe()->decks()) {
        tiles.append(QVariantMap{
            {QStringLiteral("title"), SwipeText::deckTitle(deck.kind)},
            {QStringLiteral("subtitle"), ui::Texts::localized(ui::fromEngine(subtitle(deck.kind)))},
            {QStringLiteral("symbol"), symbolOf(deck.kind)},
            {QStringLiteral("safety"), safetyName(safety(deck.kind))},
            {QStringLiteral("count"), deck.count},
            {QStringLiteral("countText"),
             ui::Texts::tr(QStringLiteral("%lld files · %@"),
                           {qlonglong(deck.count), bytesText(deck.bytes)})},
        });
    }
    return tiles;
}

QStringList SwipeReview::orders() const {
    QStringList titles;
    for (const SwipeOrder order : allSwipeOrders) {
        titles << ui::Texts::localized(ui::fromEngine(title(order)));
    }
    return titles;
}

int SwipeReview::orderIndex() const {
    if (swipe() == nullptr) {
        return 0;
    }
    const auto found = std::find(allSwipeOrders.begin(), allSwipeOrders.end(), swipe()->order());
    return int(found - allSwipeOrders.begin());
}

void SwipeReview::setOrderIndex(int index) {
    if (swipe() != nullptr && index >= 0 && index < int(allSwipeOrders.size())) {
        swipe()->setOrder(allSwipeOrders[std::size_t(index)]);
        publish();
    }
}

QVariantMap SwipeReview::cardMap(const SwipeCard& card, std::size_t position) const {
    const QString id = SwipeThumbnailProvider::idFor(card.path);
    QVariantList evidence;
    for (const auto& line : card.evidence) {
        evidence.append(QVariantMap{
            {QStringLiteral("text"), ui::Texts::localized(ui::fromEngine(line.text))},
            {QStringLiteral("observed"), line.kind == Evidence::Kind::observed},
        });
    }
    return {
        {QStringLiteral("position"), qlonglong(position)},
        {QStringLiteral("name"), ui::displayPath(card.name)},
        {QStringLiteral("sizeText"), bytesText(card.bytes)},
        {QStringLiteral("location"),
         ui::displayPath(ui::tildePath(card.parentPath(), homeFolderPath()))},
        {QStringLiteral("safety"), safetyName(card.safety())},
        {QStringLiteral("evidence"), evidence},
        {QStringLiteral("type"), typeText(card)},
        {QStringLiteral("thumbnail"),
         QStringLiteral("image://%1/%2").arg(QLatin1String(SwipeThumbnailProvider::name), id)},
        {QStringLiteral("icon"),
         QStringLiteral("image://%1/%2").arg(QLatin1String(SwipeIconProvider::name), id)},
    };
}

QVariantList SwipeReview::cards() const {
    QVariantList shown;
    if (swipe() == nullptr || !swipe()->session()) {
        return shown;
    }
    const SwipeSession& session = *swipe()->session();
    const auto upcoming = session.upcoming(3);
    for (std::size_t i = 0; i < upcoming.size(); ++i) {
        shown.append(cardMap(upcoming[i], session.position() + i));
    }
    return shown;
}

std::optional<std::string> SwipeReview::pathAt(int position) const {
    if (swipe() == nullptr || !swipe()->session() || position < 0) {
        return std::nullopt;
    }
    const auto& cards = swipe()->session()->cards();
    if (std::size_t(position) >= cards.size()) {
        return std::nullopt;
    }
    return cards[std::size_t(position)].path;
}

QString SwipeReview::deckTitle() const {
    return swipe() && swipe()->session() ? SwipeText::deckTitle(swipe()->session()->kind())
                                         : QString();
}

QString SwipeReview::progressText() const {
    return swipe() && swipe()->session() ? SwipeText::progress(*swipe()->session()) : QString();
}

int SwipeReview::doneInBatch() const {
    return swipe() && swipe()->session() ? int(swipe()->session()->doneInBatch()) : 0;
}

int SwipeReview::batchLength() const {
    return swipe() && swipe()->session() ? int(swipe()->session()->batchLength()) : 0;
}

QString SwipeReview::tossedText() const {
    return swipe() && swipe()->session() ? SwipeText::tossedLine(*swipe()->session()) : QString();
}

bool SwipeReview::canUndo() const {
    return swipe() && swipe()->session() && swipe()->session()->canUndo();
}

QVariantMap SwipeReview::summary() const {
    if (swipe() == nullptr || !swipe()->session()) {
        return {};
    }
    const auto figures = SwipeText::batchFigures(*swipe()->session());
    return {
        {QStringLiteral("headline"), figures.headline},
        {QStringLiteral("figures"), figures.figures},
        {QStringLiteral("moved"), figures.moved},
        {QStringLiteral("reassurance"), figures.reassurance},
        {QStringLiteral("next"), figures.next},
    };
}

bool SwipeReview::hasDestination() const {
    return swipe() != nullptr && swipe()->sorting()->destination().has_value();
}

void SwipeReview::refresh() {
    if (scanModel_ && !swipe()->session()) {
        swipe()->refresh(scanModel_->root(), scanModel_->homePlaces(), scanModel_->pile());
    }
}

void SwipeReview::start(int deck) {
    if (swipe() == nullptr || deck < 0 || deck >= int(swipe()->decks().size())) {
        return;
    }
    const auto& summary = swipe()->decks()[std::size_t(deck)];
    if (summary.count > 0) {
        swipe()->start(summary.kind);
    }
}

void SwipeReview::close() {
    if (scanModel_) {
        setPending(false);
        swipe()->endSession();
        swipe()->refresh(scanModel_->root(), scanModel_->homePlaces(), scanModel_->pile());
    }
}

bool SwipeReview::decide(const QString& name) {
    const auto decision = swipeDecisionFromRawValue(name.toStdString());
    if (!decision || pending_ || swipe() == nullptr || !swipe()->session() ||
        !swipe()->session()->currentCard()) {
        return false;
    }
    // Pending from here: the session may finish the batch, and so end the
    // wait, before this returns.
    advanced_ = false;
    setPending(true);
    if (*decision == SwipeDecision::move) {
        if (!swipe()->moveTop()) {
            setPending(false);
            return false;
        }
    } else {
        scanModel_->changePile([&](ReviewPile& pile) { swipe()->decide(*decision, pile); });
        if (!advanced_) {
            setPending(false);
            return false;
        }
    }
    return true;
}

void SwipeReview::undo() {
    if (pending_ || swipe() == nullptr) {
        return;
    }
    if (const auto trashed = lastDecisionTrashed()) {
        undoNotice_ = ui::Texts::tr(
            QStringLiteral("%@ is in the Trash now, so this decision cannot be taken back here. "
                           "History can put it back."),
            {ui::displayPath(trashed->name)});
        publish();
        return;
    }
    scanModel_->changePile([&](ReviewPile& pile) { swipe()->undo(pile); });
}

std::optional<SwipeCard> SwipeReview::lastDecisionTrashed() const {
    const auto& session = swipe()->session();
    if (!session || !session->canUndo()) {
        return std::nullopt;
    }
    const SwipeMove& last = session->moves().back();
    // A Move's file went into a sorting folder, where no commit took it from.
    if (last.decision == SwipeDecision::move || !scanModel_->movedSinceScan(last.card.path)) {
        return std::nullopt;
    }
    return last.card;
}

void SwipeReview::startNextBatch() {
    if (swipe() != nullptr) {
        swipe()->startNextBatch();
    }
}

void SwipeReview::showKeptAgain() {
    if (scanModel_) {
        swipe()->showKeptAgain(scanModel_->root(), scanModel_->homePlaces(), scanModel_->pile());
    }
}

void SwipeReview::reveal() {
    if (swipe() == nullptr || !swipe()->session() || !reveal_) {
        return;
    }
    if (const auto card = swipe()->session()->currentCard()) {
        reveal_(card->path);
    }
}

void SwipeReview::cardShown() {
    if (pending_ && advanced_) {
        setPending(false);
    }
}

bool SwipeReview::tutorialSeen() const {
    return QSettings().value(tutorialSeenKey, false).toBool();
}

void SwipeReview::setTutorialSeen(bool seen) {
    if (tutorialSeen() != seen) {
        QSettings().setValue(tutorialSeenKey, seen);
        emit tutorialSeenChanged();
    }
}

QVariantMap SwipeReview::stampAt(double w, double h) const {
    const auto stamp = SwipeGesture::stamp(w, h);
    if (!stamp) {
        return {};
    }
    return {
        {QStringLiteral("key"), stamp->key},
        {QStringLiteral("text"), ui::Texts::tr(stamp->key)},
        {QStringLiteral("opacity"), stamp->opacity},
        {QStringLiteral("tilt"), stamp->tilt},
    };
}

QString SwipeReview::releaseAt(double w, double h) const {
    const auto decision = SwipeGesture::release(w, h);
    return decision ? ui::fromEngine(rawValue(*decision)) : QString();
}

void SwipeReview::publish() {
    emit changed();
    if (const QString shown = screen(); shown != shownScreen_) {
        shownScreen_ = shown;
        emit screenChanged();
    }
}

void SwipeReview::setPending(bool pending) {
    if (pending_ != pending) {
        pending_ = pending;
        emit pendingChanged();
    }
}

}  // namespace tandor
