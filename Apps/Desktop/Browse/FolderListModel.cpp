#include "Browse/FolderListModel.hpp"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <utility>

#include "Browse/BrowseState.hpp"
#include "Support/FileManagerReveal.hpp"
#include "Support/BackgroundPool.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorScanner/LastUsedText.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

bool showsLastOpened(const FileNode& node) {
    return !node.isDirectory() || node.name().ends_with(".app");
}

struct LastOpenedAnswer {
    std::shared_ptr<const LastUsedReader> reader;
    std::vector<std::optional<Date>> dates;
};

}  // namespace

FolderListModel::FolderListModel(BrowseState* browse)
    : QAbstractListModel(browse),
      browse_(browse),
      readerFactory_(
          [](const FileNodePtr& tree) { return RecentListOrAccessTimeReader::standard(tree); }),
      now_([] { return std::chrono::system_clock::now(); }) {
    connect(browse, &BrowseState::stackChanged, this, &FolderListModel::rebuild);
    connect(browse, &BrowseState::treeChanged, this, &FolderListModel::rebuild);
    connect(browse, &BrowseState::hoveredChanged, this, &FolderListModel::refreshHovered);
}

FolderListModel::~FolderListModel() = default;

int FolderListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(children_.size());
}

const FileNode* FolderListModel::childAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= children_.size()) {
        return nullptr;
    }
    return children_[static_cast<std::size_t>(row)].get();
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const {
    const FileNode* child = index.isValid() ? childAt(index.row()) : nullptr;
    if (child == nullptr) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
        case NameRole:
        case Qt::DisplayRole:
            return ui::displayPath(child->name());
        case IsDirectoryRole:
            return child->isDirectory();
        case CanOpenRole:
            return child->isDirectory() && !child->children().empty();
        case SizeTextRole:
            return ui::Texts::byteCount(child->allocatedSize());
        case ShareRole: {
            const std::int64_t first = children_.front()->allocatedSize();
            const double largest = first > 1 ? static_cast<double>(first) : 1.0;
            return static_cast<double>(child->allocatedSize()) / largest;
        }
        case HoveredRole:
            return index.row() == hoveredRow_;
        case ShowsLastOpenedRole:
            return showsLastOpened(*child);
        case LastOpenedRole:
            if (row < lastOpened_.size() && lastOpened_[row]) {
                return ui::Texts::localized(
                    QString::fromStdString(LastUsedText::describe(lastOpened_[row], now_())));
            }
            return QString();
        case InPileRole:
            return pileSource_ != nullptr && pileSource_->pile().contains(child->path());
        case IsProtectedRole:
            return ScanModel::isProtected(child->path());
        default:
            return {};
    }
}

QHash<int, QByteArray> FolderListModel::roleNames() const {
    return {{NameRole, "name"},
            {IsDirectoryRole, "isDirectory"},
            {CanOpenRole, "canOpen"},
            {SizeTextRole, "sizeText"},
            {ShareRole, "share"},
            {HoveredRole, "isHovered"},
            {ShowsLastOpenedRole, "showsLastOpened"},
            {LastOpenedRole, "lastOpened"},
            {InPileRole, "inPile"},
            {IsProtectedRole, "isProtected"}};
}

QString FolderListModel::title() const {
    return node_ != nullptr ? ui::displayPath(node_->name()) : QString();
}

QString FolderListModel::subtitle() const {
    if (node_ == nullptr) {
        return {};
    }
    return ui::Texts::tr(QStringLiteral("%@ \u00B7 %lld files"),
                         {ui::Texts::byteCount(node_->allocatedSize()),
                          QVariant::fromValue<qint64>(node_->fileCount())});
}

bool FolderListModel::folderMissing() const {
    return browse_->root() != nullptr && node_ == nullptr;
}

void FolderListModel::setLastUsedSource(ReaderFactory factory, std::function<Date()> now) {
    readerFactory_ = std::move(factory);
    now_ = std::move(now);
    reader_.reset();
    loadLastOpened();
}

void FolderListModel::watchPile(ScanModel* model) {
    disconnect(pileConnection_);
    pileSource_ = model;
    if (model != nullptr) {
        pileConnection_ =
            connect(model, &ScanModel::pileChanged, this, &FolderListModel::refreshPile);
    }
    refreshPile();
}

void FolderListModel::rebuild() {
    if (browse_->root() != treeRoot_) {
        // Dates are read once per scanned tree.
        treeRoot_ = browse_->root();
        reader_.reset();
    }
    auto node = browse_->listFolder();
    if (node == node_) {
        return;
    }
    beginResetModel();
    node_ = std::move(node);
    children_ = node_ != nullptr ? node_->childrenBySize() : std::vector<FileNodePtr>{};
    lastOpened_.assign(children_.size(), std::nullopt);
    hoveredRow_ = -1;
    endResetModel();
    emit folderChanged();
    refreshHovered();
    loadLastOpened();
}

void FolderListModel::refreshHovered() {
    int row = -1;
    if (const auto& hovered = browse_->hovered()) {
        for (std::size_t i = 0; i < children_.size(); ++i) {
            if (children_[i]->path() == *hovered) {
                row = static_cast<int>(i);
                break;
            }
        }
    }
    if (row != hoveredRow_) {
        const int old = std::exchange(hoveredRow_, row);
        for (const int changed : {old, row}) {
            if (changed >= 0) {
                emit dataChanged(index(changed), index(changed), {HoveredRole});
            }
        }
    }
    if (row >= 0 && browse_->hoveredFromMap()) {
        emit scrollToRow(row);
    }
}

void FolderListModel::refreshPile() {
    if (!children_.empty()) {
        emit dataChanged(index(0), index(rowCount() - 1), {InPileRole});
    }
}

void FolderListModel::loadLastOpened() {
    const quint64 generation = ++generation_;
    std::vector<std::string> paths;
    for (const auto& child : children_) {
        paths.push_back(showsLastOpened(*child) ? child->path() : std::string());
    }
    bool wanted = false;
    for (const auto& path : paths) {
        wanted = wanted || !path.empty();
    }
    if (!wanted) {
        return;
    }
    auto* watcher = new QFutureWatcher<LastOpenedAnswer>(this);
    connect(watcher, &QFutureWatcher<LastOpenedAnswer>::finished, this,
            [this, watcher, generation, tree = treeRoot_] {
                watcher->deleteLater();
                LastOpenedAnswer answer = watcher->result();
                // A reader made for an older tree would answer from its dates.
                if (reader_ == nullptr && tree == treeRoot_) {
                    reader_ = answer.reader;
                }
                if (generation != generation_ || answer.dates.size() != lastOpened_.size()) {
                    return;
                }
                lastOpened_ = std::move(answer.dates);
                if (!children_.empty()) {
                    emit dataChanged(index(0), index(rowCount() - 1), {LastOpenedRole});
                }
                emit lastOpenedLoaded();
            });
    watcher->setFuture(QtConcurrent::run(
        BackgroundPool::shared(), [reader = reader_, factory = readerFactory_, tree = treeRoot_,
                                   paths = std::move(paths)]() mutable {
            if (reader == nullptr) {
                reader = factory(tree);
            }
            LastOpenedAnswer answer{reader, {}};
            for (const auto& path : paths) {
                answer.dates.push_back(path.empty() ? std::nullopt : reader->lastUsedDate(path));
            }
            return answer;
        }));
}

void FolderListModel::open(int row) {
    const FileNode* child = childAt(row);
    if (child != nullptr && child->isDirectory() && !child->children().empty()) {
        browse_->push(child->path());
    }
}

void FolderListModel::hoverEnter(int row) {
    if (const FileNode* child = childAt(row)) {
        browse_->hoverFromList(child->path());
    }
}

void FolderListModel::hoverLeave(int row) {
    if (const FileNode* child = childAt(row)) {
        browse_->leaveFromList(child->path());
    }
}

bool FolderListModel::addToPile(int row) {
    const FileNode* child = childAt(row);
    if (child == nullptr || pileSource_ == nullptr) {
        return false;
    }
    return pileSource_->addToPile({child->path(), child->allocatedSize(), std::nullopt});
}

void FolderListModel::showInFileManager(int row) {
    if (const FileNode* child = childAt(row)) {
        FileManagerReveal::reveal(child->path());
    }
}

}  // namespace tandor
