#include "Smart/InstalledAppList.hpp"

#include <QCollator>
#include <QtConcurrent/QtConcurrentRun>

#include "Support/BackgroundPool.hpp"
#include "Shell/PileCommit.hpp"
#include "Shell/ScanModel.hpp"
#include "Smart/AppIconProvider.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/HomePlaces.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

// Lists on the calling thread, ordered by a collator of the interface
// language (one per call: a collator is not shared between threads).
std::vector<AppBundle> listed(const InstalledApps::Places& places, const QLocale& locale) {
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return InstalledApps::list(places, [&collator](const std::string& a, const std::string& b) {
        return collator.compare(ui::fromEngine(a), ui::fromEngine(b)) < 0;
    });
}

}  // namespace

InstalledAppList::InstalledAppList(QObject* parent)
    : InstalledAppList(
          [] {
              return InstalledApps::defaultPlaces(
                  HomePlaces::read(FileNode::normalize(homeFolderPath())));
          },
          parent) {
}

InstalledAppList::InstalledAppList(Places places, QObject* parent) : QAbstractListModel(parent) {
    QtConcurrent::run(BackgroundPool::shared(), [places = std::move(places),
                                                 locale = ui::Texts::locale()] {
        return listed(places(), locale);
    }).then(this, [this](std::vector<AppBundle> apps) { publish(std::move(apps)); });
}

void InstalledAppList::publish(std::vector<AppBundle> apps) {
    beginResetModel();
    apps_ = std::move(apps);
    names_.clear();
    names_.reserve(apps_.size());
    iconSources_.clear();
    iconSources_.reserve(apps_.size());
    for (const auto& app : apps_) {
        names_.push_back(ui::fromEngine(app.name));
        iconSources_.push_back(AppIconProvider::sourceFor(app));
    }
    loading_ = false;
    shown_.clear();
    endResetModel();
    applyFilter();
    emit loadingChanged();
}

void InstalledAppList::setFilter(const QString& filter) {
    if (filter_ == filter) {
        return;
    }
    filter_ = filter;
    applyFilter();
    emit filterChanged();
}

ScanModel* InstalledAppList::scanModel() const {
    return scanModel_;
}

void InstalledAppList::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (scanModel_) {
        connect(scanModel_, &ScanModel::lastMovedPathsChanged, this,
                &InstalledAppList::forgetMoved);
    }
    emit scanModelChanged();
}

void InstalledAppList::forgetMoved() {
    const auto& moved = scanModel_->lastMovedPaths();
    if (moved.empty()) {
        return;
    }
    moved_.insert(moved.begin(), moved.end());
    applyFilter();
}

bool InstalledAppList::wasMoved(const AppBundle& app) const {
    return !moved_.empty() && PileCommit::isCovered(app.path, moved_);
}

void InstalledAppList::applyFilter() {
    beginResetModel();
    shown_.clear();
    for (std::size_t index = 0; index < names_.size(); ++index) {
        if (wasMoved(apps_[index])) {
            continue;
        }
        if (filter_.isEmpty() || names_[index].contains(filter_, Qt::CaseInsensitive)) {
            shown_.push_back(static_cast<int>(index));
        }
    }
    endResetModel();
    emit countChanged();
}

const AppBundle* InstalledAppList::app(int appIndex) const {
    if (appIndex < 0 || std::size_t(appIndex) >= apps_.size()) {
        return nullptr;
    }
    const AppBundle& found = apps_[std::size_t(appIndex)];
    return wasMoved(found) ? nullptr : &found;
}

int InstalledAppList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant InstalledAppList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const int appIndex = shown_[std::size_t(index.row())];
    switch (role) {
        case NameRole:
            return names_[std::size_t(appIndex)];
        case AppIndexRole:
            return appIndex;
        case IsProtectedRole:
            return apps_[std::size_t(appIndex)].isProtected();
        case IconSourceRole:
            return iconSources_[std::size_t(appIndex)];
        default:
            return {};
    }
}

QHash<int, QByteArray> InstalledAppList::roleNames() const {
    return {{NameRole, "name"},
            {AppIndexRole, "appIndex"},
            {IsProtectedRole, "isProtected"},
            {IconSourceRole, "iconSource"}};
}

}  // namespace tandor
