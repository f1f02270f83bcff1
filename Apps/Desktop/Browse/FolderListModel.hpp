#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TandorCore/Date.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorScanner/LastUsedReader.hpp"

namespace tandor {

class BrowseState;
class ScanModel;

// The children of the folder open in the browser's list, largest first. Rows
// are named by index; the byte paths stay in here.
class FolderListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Each browser owns its folder list.")

    // The folder's name, and its size and file count.
    Q_PROPERTY(QString title READ title NOTIFY folderChanged)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY folderChanged)
    // The open folder is no longer in the scanned tree.
    Q_PROPERTY(bool folderMissing READ folderMissing NOTIFY folderChanged)

  public:
    enum Role {
        // QString: the child's name, for display only.
        NameRole = Qt::UserRole + 1,
        // bool: a folder (else a file).
        IsDirectoryRole,
        // bool: a folder with children, which the list can open.
        CanOpenRole,
        // QString: the allocated size, as people read it.
        SizeTextRole,
        // double 0...1: the size relative to the largest child.
        ShareRole,
        // bool: the row is the highlighted item of the browser.
        HoveredRole,
        // bool: the row shows when it was last opened (files and ".app" folders).
        ShowsLastOpenedRole,
        // QString: when it was last opened; empty until the date is known.
        LastOpenedRole,
        // bool: exactly this path is on the review pile.
        InPileRole,
        // bool: the pile refuses this item (ScanModel::isProtected).
        IsProtectedRole,
    };
    Q_ENUM(Role)

    using ReaderFactory =
        std::function<std::shared_ptr<const LastUsedReader>(const FileNodePtr& tree)>;

    explicit FolderListModel(BrowseState* browse);
    ~FolderListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString title() const;
    QString subtitle() const;
    bool folderMissing() const;
    const FileNodePtr& node() const { return node_; }
    const std::vector<FileNodePtr>& children() const { return children_; }

    // Where last-opened dates come from (made off the main thread, once per
    // tree) and what "now" is; tests put in their own.
    void setLastUsedSource(ReaderFactory factory, std::function<Date()> now);
    void watchPile(ScanModel* model);

    Q_INVOKABLE void open(int row);
    Q_INVOKABLE void hoverEnter(int row);
    Q_INVOKABLE void hoverLeave(int row);
    Q_INVOKABLE bool addToPile(int row);
    Q_INVOKABLE void showInFileManager(int row);

  signals:
    void folderChanged();
    // A hover from the map reached a row of this folder: bring it into view.
    void scrollToRow(int row);
    // The last-opened dates of the current folder have arrived.
    void lastOpenedLoaded();

  private:
    void rebuild();
    void refreshHovered();
    void refreshPile();
    void loadLastOpened();
    const FileNode* childAt(int row) const;

    BrowseState* browse_;
    QPointer<ScanModel> pileSource_;
    QMetaObject::Connection pileConnection_;
    FileNodePtr node_;
    FileNodePtr treeRoot_;
    std::vector<FileNodePtr> children_;
    std::vector<std::optional<Date>> lastOpened_;
    int hoveredRow_ = -1;
    ReaderFactory readerFactory_;
    std::function<Date()> now_;
    std::shared_ptr<const LastUsedReader> reader_;
    // Tells a late answer for an older folder from the current one.
    quint64 generation_ = 0;
};

}  // namespace tandor
