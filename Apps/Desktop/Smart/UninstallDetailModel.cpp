#include "Smart/UninstallDetailModel.hpp"

#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>

#include "Support/BackgroundPool.hpp"
#include "Shell/ScanModel.hpp"
#include "Smart/AppIconProvider.hpp"
#include "TandorApps/LeftoverFinder.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorScanner/LastUsedText.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

using ui::Texts;

Date now() {
    return std::chrono::system_clock::now();
}

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

std::shared_ptr<const RunningApps> machineRunningApps() {
    static const auto shared = std::make_shared<ProcRunningApps>();
    return shared;
}

}  // namespace

UninstallDetailModel::UninstallDetailModel(QObject* parent)
    : QObject(parent), running_(machineRunningApps()) {
}

void UninstallDetailModel::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (scanModel_) {
        connect(scanModel_, &ScanModel::pileChanged, this, &UninstallDetailModel::refreshFooter);
        // What a commit moved is gone from the disk: the plan is made again
        // from what is left, or cleared with the application itself.
        connect(scanModel_, &ScanModel::lastMovedPathsChanged, this, [this] {
            if (!scanModel_->lastMovedPaths().empty()) {
                emit appChanged();
                buildPlan();
            }
        });
    }
    refreshFooter();
}

void UninstallDetailModel::setApps(InstalledAppList* apps) {
    if (apps_ == apps) {
        return;
    }
    apps_ = apps;
    emit appChanged();
    buildPlan();
}

void UninstallDetailModel::setAppIndex(int appIndex) {
    if (appIndex_ == appIndex) {
        return;
    }
    appIndex_ = appIndex;
    emit appChanged();
    buildPlan();
}

void UninstallDetailModel::setRunningApps(std::shared_ptr<const RunningApps> running) {
    running_ = std::move(running);
    refreshFooter();
}

const AppBundle* UninstallDetailModel::app() const {
    return apps_ ? apps_->app(appIndex_) : nullptr;
}

void UninstallDetailModel::buildPlan() {
    plan_.reset();
    chosen_.clear();
    emit planChanged();
    emit leftoversChanged();
    const AppBundle* shown = app();
    if (shown == nullptr) {
        return;
    }
    QtConcurrent::run(BackgroundPool::shared(), [app = *shown] {
        return UninstallPlan::make(
            app, LeftoverFinder(HomePlaces::read(FileNode::normalize(homeFolderPath()))),
            *RecentListOrAccessTimeReader::standard());
    }).then(this, [this, path = shown->path](UninstallPlan plan) {
        // A plan for an application no longer shown is dropped.
        if (app() == nullptr || app()->path != path) {
            return;
        }
        chosen_ = plan.defaultSelection();
        plan_ = std::move(plan);
        emit planChanged();
        emit leftoversChanged();
        refreshFooter();
    });
}

QString UninstallDetailModel::name() const {
    const AppBundle* shown = app();
    return shown ? ui::fromEngine(shown->name) : QString();
}

QString UninstallDetailModel::iconSource() const {
    const AppBundle* shown = app();
    return shown ? AppIconProvider::sourceFor(*shown) : QString();
}

QString UninstallDetailModel::subtitle() const {
    const AppBundle* shown = app();
    if (shown == nullptr) {
        return {};
    }
    QStringList parts;
    if (shown->version) {
        parts.append(ui::fromEngine(*shown->version));
    }
    parts.append(ui::fromEngine(shown->bundleID));
    return parts.join(QStringLiteral(" · "));
}

QString UninstallDetailModel::factsText() const {
    if (!plan_) {
        return {};
    }
    return Texts::tr(
        QStringLiteral("App %@ · %@"),
        {bytesText(plan_->appBytes),
         Texts::localized(ui::fromEngine(LastUsedText::describe(plan_->lastOpened, now())))});
}

QVariantList UninstallDetailModel::leftovers() const {
    QVariantList rows;
    if (!plan_) {
        return rows;
    }
    for (const auto& leftover : plan_->leftovers) {
        rows.append(QVariantMap{
            {QStringLiteral("name"), ui::displayPath(paths::lastComponent(leftover.path))},
            {QStringLiteral("path"), ui::displayPath(leftover.path)},
            {QStringLiteral("details"), Texts::localized(ui::fromEngine(leftover.location)) +
                                            QStringLiteral(" · ") +
                                            Texts::localized(ui::fromEngine(leftover.reason))},
            {QStringLiteral("safety"), ui::fromEngine(rawValue(leftover.safety))},
            {QStringLiteral("byName"), leftover.match == Leftover::Match::name},
            {QStringLiteral("sizeText"), bytesText(leftover.bytes)},
            {QStringLiteral("chosen"), chosen_.contains(leftover.path)}});
    }
    return rows;
}

void UninstallDetailModel::setChosen(int row, bool chosen) {
    if (!plan_ || row < 0 || std::size_t(row) >= plan_->leftovers.size()) {
        return;
    }
    const std::string& path = plan_->leftovers[std::size_t(row)].path;
    if (chosen) {
        chosen_.insert(path);
    } else {
        chosen_.erase(path);
    }
    emit leftoversChanged();
    refreshFooter();
}

void UninstallDetailModel::refreshFooter() {
    const AppBundle* shown = app();
    if (!plan_ || shown == nullptr) {
        footer_ = {};
    } else {
        const bool running = running_ && running_->isRunning(*shown);
        footer_ = UninstallFooter::make(
            *plan_, chosen_, scanModel_ ? scanModel_->pile() : ReviewPile(), running, now());
    }
    emit footerChanged();
}

void UninstallDetailModel::addToPile() {
    refreshFooter();
    if (footer_.canAdd && scanModel_) {
        scanModel_->addSuggestionToPile(*footer_.suggestion);
    }
}

QString UninstallDetailModel::noteKind() const {
    switch (footer_.note) {
        case UninstallFooter::Note::appleApp:
            return QStringLiteral("apple");
        case UninstallFooter::Note::quitFirst:
            return QStringLiteral("quit");
        case UninstallFooter::Note::none:
            break;
    }
    return {};
}

QString UninstallDetailModel::noteText() const {
    switch (footer_.note) {
        case UninstallFooter::Note::appleApp:
            return Texts::tr(QStringLiteral("This is an Apple app. Tandor does not uninstall it."));
        case UninstallFooter::Note::quitFirst:
            return Texts::tr(QStringLiteral("Quit %@ first."), {name()});
        case UninstallFooter::Note::none:
            break;
    }
    return {};
}

QString UninstallDetailModel::buttonText() const {
    return footer_.inPile ? Texts::tr(QStringLiteral("In pile"))
                          : Texts::tr(QStringLiteral("Add to pile"));
}

QString UninstallDetailModel::countText() const {
    if (!footer_.suggestion) {
        return {};
    }
    return Texts::tr(QStringLiteral("%lld items · %@"),
                     {QVariant(qlonglong(footer_.suggestion->items.size())),
                      bytesText(footer_.suggestion->totalBytes())});
}

}  // namespace tandor
