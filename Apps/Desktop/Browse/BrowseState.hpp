#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Browse/FolderListModel.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/IcicleCell.hpp"

namespace tandor {

// The folder browser's navigation: which folders are open below the root, which
// map cell or list row is highlighted and whether that came from the map. The
// disk map and the folder list share one instance. Paths stay in here as bytes;
// QML names crumbs, cells and rows by index.
class BrowseState : public QObject {
    Q_OBJECT
    QML_ELEMENT

    // The scan whose tree is browsed, without what commits moved to the Trash
    // since; a newly published tree starts afresh.
    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // Whether the map is shown; kept in the settings under "browse.showDiskMap".
    Q_PROPERTY(bool showMap READ showMap WRITE setShowMap NOTIFY showMapChanged)
    Q_PROPERTY(bool hasTree READ hasTree NOTIFY treeChanged)
    // The names from the root down to the map's focus folder.
    Q_PROPERTY(QStringList crumbs READ crumbs NOTIFY focusChanged)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY stackChanged)
    // "name · size · share" of the highlighted map cell, empty when none.
    Q_PROPERTY(QString hoveredDetails READ hoveredDetails NOTIFY hoveredDetailsChanged)
    // The children of the folder open in the list.
    Q_PROPERTY(tandor::FolderListModel* folder READ folder CONSTANT)

  public:
    explicit BrowseState(QObject* parent = nullptr);
    ~BrowseState() override;

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    bool showMap() const { return showMap_; }
    void setShowMap(bool show);
    bool hasTree() const { return root_ != nullptr; }
    QStringList crumbs() const;
    bool canGoBack() const { return !stack_.empty(); }
    QString hoveredDetails() const;
    FolderListModel* folder() const { return folder_; }

    // Browses another tree from its top, forgetting the open folders and the
    // highlight when the tree is a different one.
    void setRoot(FileNodePtr root);
    const FileNodePtr& root() const { return root_; }
    const std::vector<std::string>& stack() const { return stack_; }
    const std::optional<std::string>& hovered() const { return hovered_; }
    bool hoveredFromMap() const { return hoveredFromMap_; }
    // The map's folder: the last open folder when it is in the tree, else the root.
    FileNodePtr focus() const;
    // The list's folder: the last open folder, null when it is no longer in the
    // tree; the root when none is open.
    FileNodePtr listFolder() const;
    const std::vector<IcicleCell>& cells() const { return cells_; }

    // Makes the folder at path the focus, opening every folder with children
    // on the way down from the root.
    void openFolder(std::string_view path);
    // Opens one more folder below the list's folder.
    void push(const std::string& path);
    void tap(const IcicleCell& cell);
    void hoverFromMap(const std::optional<IcicleCell>& cell);
    void hoverFromList(const std::string& path);
    void leaveFromList(const std::string& path);

    // The share of a cell in the focus: "<1%" below one percent or for an
    // empty focus, else the rounded percentage.
    static QString shareText(std::int64_t bytes, std::int64_t focusBytes);
    static QString details(const IcicleCell& cell, std::int64_t focusBytes);

    // The menu of the map cell at this index (in cells()) of an item: exactly
    // this path is on the pile; the pile refuses it; put it on the pile; show
    // it in the file manager. An index that names no item does nothing.
    Q_INVOKABLE bool cellInPile(int cell) const;
    Q_INVOKABLE bool cellIsProtected(int cell) const;
    Q_INVOKABLE bool addCellToPile(int cell);
    Q_INVOKABLE void showCellInFileManager(int cell);

    Q_INVOKABLE void openCrumb(int index);
    // One step back up the open folders.
    Q_INVOKABLE void goBack();

  signals:
    void scanModelChanged();
    void showMapChanged();
    void treeChanged();
    void stackChanged();
    void focusChanged();
    void cellsChanged();
    void hoveredChanged();
    void hoveredDetailsChanged();

  private:
    void setStack(std::vector<std::string> stack);
    void setHovered(std::optional<std::string> id);
    void refreshFocus();
    void takeTreeFromScan();
    // The same tree with fewer items: the open folders and the highlight that
    // are still there stay.
    void keepBrowsing(FileNodePtr root);
    // The cell at this index when it stands for one item (not smaller items).
    const IcicleCell* itemCell(int cell) const;

    QPointer<ScanModel> scanModel_;
    QMetaObject::Connection resultsConnection_;
    QMetaObject::Connection commitConnection_;
    // The scan's tree as published; root_ is it without the moved items.
    FileNodePtr scanTree_;
    bool showMap_ = true;
    FileNodePtr root_;
    std::vector<std::string> stack_;
    std::optional<std::string> hovered_;
    bool hoveredFromMap_ = false;
    FileNodePtr focus_;
    std::vector<FileNodePtr> chain_;
    std::vector<IcicleCell> cells_;
    FolderListModel* folder_ = nullptr;
};

}  // namespace tandor
