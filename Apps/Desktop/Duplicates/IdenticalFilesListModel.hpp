#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QString>
#include <set>
#include <string>

#include "Duplicates/FileActions.hpp"
#include "Duplicates/PathRows.hpp"
#include "Duplicates/PileFlags.hpp"
#include "TandorDuplicates/DuplicateGroup.hpp"

namespace tandor {

class DuplicatesModel;

// The groups of identical files, one row per group, for the "Identical files"
// list. The copies of a group travel in one role; QML names a copy by its
// row and its index in the group, and the byte paths stay here. A row's open
// state is kept by group id, so it survives a new pile, a change of the kept
// copy and the removal of other groups. Main thread only.
class IdenticalFilesListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by DuplicatesModel")

    // "%lld groups · %@ in extra copies".
    Q_PROPERTY(QString header READ header NOTIFY contentChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY contentChanged)

  public:
    enum Role {
        GroupIDRole = Qt::UserRole + 1,  // QString: the group's id, for the view's identity
        KeeperNameRole,                  // QString: the kept copy's file name
        SummaryRole,          // QString: "%lld copies of %@ · %@" (count, one copy, reason)
        ReclaimableTextRole,  // QString: what moving the extra copies frees
        AllExtrasInPileRole,  // bool: every extra copy has its own pile entry
        ExpandedRole,         // bool: the row is open
        // QVariantList of maps, one per copy in the group's order: "path"
        // (display), "isKeeper", "sizeText", "sizeHelp", "dateText" ("" without
        // a date).
        FilesRole,
        // QVariantList of bools, one per copy in the group's order: the copy
        // has its own pile entry. Apart from the copies, so that a change of
        // the pile redraws flags and never the copies' rows.
        InPileRole,
    };
    Q_ENUM(Role)

    IdenticalFilesListModel(DuplicatesModel& model, QObject* parent = nullptr);

    void setFileActions(FileActions actions) { actions_ = std::move(actions); }

    QString header() const;
    bool isEmpty() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void setExpanded(int row, bool expanded);
    // Puts every extra copy of the row's group (of every group) on the pile,
    // as far as the guards allow; returns the refusal to show when none could
    // go, or "".
    Q_INVOKABLE QString addCopies(int row);
    Q_INVOKABLE void addAll();
    // Takes the copy off the pile when it has its own entry, else hands it to
    // the pile; returns the refusal to show, or "" .
    Q_INVOKABLE QString toggle(int row, int file);
    // Takes the copy off the pile and keeps it instead of the kept copy;
    // returns the refusal to show when a folder on the pile holds it, or "".
    Q_INVOKABLE QString keep(int row, int file);
    Q_INVOKABLE void showInFileManager(int row, int file);

  signals:
    void contentChanged();

  private:
    const DuplicateGroup* groupAt(int row) const;
    const DuplicateFile* fileAt(int row, int file) const;
    QVariantList files(const DuplicateGroup& group) const;
    void followPile();
    void reset();

    DuplicatesModel& model_;
    FileActions actions_ = FileActions::standard();
    PileFlags pile_;
    PathRows rows_;
    std::set<std::string> expanded_;
};

}  // namespace tandor
