#include "Browse/BrowseState.hpp"

#include <QFile>
#include <QSettings>
#include <algorithm>
#include <cmath>

#include "Support/FileManagerReveal.hpp"
#include "Browse/FolderListModel.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/IcicleLayout.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

const QString showMapKey = QStringLiteral("browse.showDiskMap");

// Four rows below the focus; bars under 0.4 % of the width join "Smaller items".
const IcicleLayout mapLayout{4, 0.004};

}  // namespace

BrowseState::BrowseState(QObject* parent)
    : QObject(parent),
      showMap_(QSettings().value(showMapKey, true).toBool()),
      folder_(new FolderListModel(this)) {
}

BrowseState::~BrowseState() = default;

void BrowseState::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    disconnect(resultsConnection_);
    disconnect(commitConnection_);
    scanModel_ = model;
    if (model != nullptr) {
        resultsConnection_ =
            connect(model, &ScanModel::resultsChanged, this, &BrowseState::takeTreeFromScan);
        commitConnection_ = connect(model, &ScanModel::lastMovedPathsChanged, this, [this] {
            if (!scanModel_->lastMovedPaths().empty()) {
                takeTreeFromScan();
            }
        });
    }
    folder_->watchPile(model);
    takeTreeFromScan();
    emit scanModelChanged();
}

void BrowseState::takeTreeFromScan() {
    FileNodePtr tree = scanModel_ != nullptr ? scanModel_->root() : nullptr;
    // The tree is shared with background work and stays as scanned; what is
    // shown leaves out what went to the Trash.
    FileNodePtr shown = tree != nullptr ? tree->without(scanModel_->movedSinceScan()) : nullptr;
    if (tree == scanTree_) {
        keepBrowsing(std::move(shown));
    } else {
        scanTree_ = std::move(tree);
        setRoot(std::move(shown));
    }
}

void BrowseState::keepBrowsing(FileNodePtr root) {
    if (root == root_) {
        return;
    }
    root_ = std::move(root);
    // An open folder that went to the Trash closes with the folders below it.
    auto stack = stack_;
    const auto gone = std::find_if(stack.begin(), stack.end(), [this](const std::string& path) {
        return root_ == nullptr || root_->nodeAt(path) == nullptr;
    });
    stack.erase(gone, stack.end());
    if (hovered_ && (root_ == nullptr || root_->nodeAt(*hovered_) == nullptr)) {
        setHovered(std::nullopt);
    }
    const bool stackChanges = stack != stack_;
    stack_ = std::move(stack);
    focus_.reset();
    emit treeChanged();
    if (stackChanges) {
        emit stackChanged();
    }
    refreshFocus();
}

void BrowseState::setShowMap(bool show) {
    if (show == showMap_) {
        return;
    }
    showMap_ = show;
    QSettings().setValue(showMapKey, show);
    emit showMapChanged();
}

void BrowseState::setRoot(FileNodePtr root) {
    if (root == root_) {
        return;
    }
    root_ = std::move(root);
    stack_.clear();
    hovered_.reset();
    hoveredFromMap_ = false;
    focus_.reset();
    emit treeChanged();
    emit stackChanged();
    emit hoveredChanged();
    refreshFocus();
}

QStringList BrowseState::crumbs() const {
    QStringList names;
    for (const auto& node : chain_) {
        names.append(ui::displayPath(node->name()));
    }
    return names;
}

FileNodePtr BrowseState::focus() const {
    if (root_ == nullptr) {
        return nullptr;
    }
    if (!stack_.empty()) {
        if (auto node = root_->nodeAt(stack_.back())) {
            return node;
        }
    }
    return root_;
}

FileNodePtr BrowseState::listFolder() const {
    if (root_ == nullptr || stack_.empty()) {
        return root_;
    }
    return root_->nodeAt(stack_.back());
}

void BrowseState::openFolder(std::string_view path) {
    if (root_ == nullptr) {
        return;
    }
    const auto chain = IcicleLayout::chain(root_, path);
    std::vector<std::string> stack;
    for (auto it = chain.begin() + 1; it < chain.end(); ++it) {
        if ((*it)->isDirectory() && !(*it)->children().empty()) {
            stack.push_back((*it)->path());
        }
    }
    setStack(std::move(stack));
}

void BrowseState::push(const std::string& path) {
    auto stack = stack_;
    stack.push_back(path);
    setStack(std::move(stack));
}

void BrowseState::goBack() {
    if (stack_.empty()) {
        return;
    }
    auto stack = stack_;
    stack.pop_back();
    setStack(std::move(stack));
}

void BrowseState::openCrumb(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < chain_.size()) {
        openFolder(chain_[static_cast<std::size_t>(index)]->path());
    }
}

void BrowseState::tap(const IcicleCell& cell) {
    if (cell.kind.isSmallerItems) {
        openFolder(cell.path);
    } else if (cell.depth == 0) {
        goBack();
    } else if (cell.canOpen) {
        openFolder(cell.path);
    } else {
        setHovered(cell.id);
    }
}

const IcicleCell* BrowseState::itemCell(int cell) const {
    if (cell < 0 || static_cast<std::size_t>(cell) >= cells_.size()) {
        return nullptr;
    }
    const IcicleCell& found = cells_[static_cast<std::size_t>(cell)];
    return found.kind.isSmallerItems ? nullptr : &found;
}

bool BrowseState::cellInPile(int cell) const {
    const IcicleCell* item = itemCell(cell);
    return item != nullptr && scanModel_ != nullptr && scanModel_->pile().contains(item->path);
}

bool BrowseState::cellIsProtected(int cell) const {
    const IcicleCell* item = itemCell(cell);
    return item != nullptr && ScanModel::isProtected(item->path);
}

bool BrowseState::addCellToPile(int cell) {
    const IcicleCell* item = itemCell(cell);
    if (item == nullptr || scanModel_ == nullptr) {
        return false;
    }
    return scanModel_->addToPile({item->path, item->bytes, std::nullopt});
}

void BrowseState::showCellInFileManager(int cell) {
    if (const IcicleCell* item = itemCell(cell)) {
        FileManagerReveal::reveal(item->path);
    }
}

void BrowseState::hoverFromMap(const std::optional<IcicleCell>& cell) {
    hoveredFromMap_ = true;
    setHovered(cell ? std::optional<std::string>(cell->id) : std::nullopt);
}

void BrowseState::hoverFromList(const std::string& path) {
    hoveredFromMap_ = false;
    setHovered(path);
}

void BrowseState::leaveFromList(const std::string& path) {
    // The pointer may already be over the next row, or on the map: keep theirs.
    if (hovered_ == path) {
        setHovered(std::nullopt);
    }
}

void BrowseState::setStack(std::vector<std::string> stack) {
    if (stack == stack_) {
        return;
    }
    stack_ = std::move(stack);
    emit stackChanged();
    refreshFocus();
}

void BrowseState::setHovered(std::optional<std::string> id) {
    if (id == hovered_) {
        return;
    }
    hovered_ = std::move(id);
    emit hoveredChanged();
    emit hoveredDetailsChanged();
}

void BrowseState::refreshFocus() {
    auto focus = this->focus();
    if (focus == focus_ && focus != nullptr) {
        return;
    }
    focus_ = std::move(focus);
    if (focus_ != nullptr) {
        chain_ = IcicleLayout::chain(root_, focus_->path());
        cells_ = mapLayout.cells(*focus_);
    } else {
        chain_.clear();
        cells_.clear();
    }
    emit focusChanged();
    emit cellsChanged();
    emit hoveredDetailsChanged();
}

QString BrowseState::hoveredDetails() const {
    if (!hovered_ || focus_ == nullptr) {
        return {};
    }
    const auto found = std::find_if(cells_.begin(), cells_.end(), [this](const IcicleCell& cell) {
        return cell.id == *hovered_;
    });
    return found == cells_.end() ? QString() : details(*found, focus_->allocatedSize());
}

QString BrowseState::shareText(std::int64_t bytes, std::int64_t focusBytes) {
    if (focusBytes > 0) {
        const double percent = static_cast<double>(bytes) / static_cast<double>(focusBytes) * 100;
        if (percent >= 1) {
            return QString::number(std::round(percent), 'f', 0) + QLatin1Char('%');
        }
    }
    return QStringLiteral("<1%");
}

QString BrowseState::details(const IcicleCell& cell, std::int64_t focusBytes) {
    const QString name =
        cell.kind.isSmallerItems && cell.kind.count > 0
            ? ui::Texts::tr(QStringLiteral("%lld smaller items"), {qint64{cell.kind.count}})
            : ui::displayPath(cell.name);
    const QString separator = QStringLiteral(" \u00B7 ");
    return name + separator + ui::Texts::byteCount(cell.bytes) + separator +
           shareText(cell.bytes, focusBytes);
}

}  // namespace tandor
