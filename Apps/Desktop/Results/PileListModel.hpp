#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "Shell/ScanModel.hpp"
#include "TandorReview/ReviewPile.hpp"

namespace tandor {

// The review pile in the order of addition, for the pile pane. It holds a copy
// only to answer the view; every change goes through the scan model, which
// publishes the new pile back. A new pile reaches the view as the rows that
// left and joined, so that a pile of thousands is not rebuilt for one change.
class PileListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY pileChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY pileChanged)
    // "Add suggestions or single items here." or "%lld items · %@".
    Q_PROPERTY(QString summary READ summary NOTIFY pileChanged)
    // The title of the commit confirmation for the pile as it stands.
    Q_PROPERTY(QString confirmationTitle READ confirmationTitle NOTIFY pileChanged)
    // What the last commit left; empty when there is none.
    Q_PROPERTY(QString lastCommitMessage READ lastCommitMessage NOTIFY lastCommitMessageChanged)

  public:
    enum Role {
        NameRole = Qt::UserRole + 1,  // QString: last component of the path
        PathRole,                     // QString: the full path, for the tooltip
        SizeTextRole,                 // QString: the entry's bytes, formatted
        ReasonRole,                   // QString: why the last commit left it; or ""
    };
    Q_ENUM(Role)

    explicit PileListModel(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);

    // The pile shown; taken from the scan model when it has one.
    void setPile(const ReviewPile& pile);

    bool isEmpty() const { return rows_.empty(); }
    QString summary() const;
    QString confirmationTitle() const;
    QString lastCommitMessage() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Takes the entry of this row back out of the pile.
    Q_INVOKABLE void remove(int row);
    // Takes the last addition back out.
    Q_INVOKABLE void undo();
    // Moves the pile to the Trash; the view asks for confirmation first.
    Q_INVOKABLE void commit();

  signals:
    void scanModelChanged();
    void pileChanged();
    void lastCommitMessageChanged();

  private:
    void followPile();
    // The rows still on the pile keep their order in it, from this row on.
    bool keepsOrder(const std::vector<ReviewPile::Entry>& next, std::size_t from) const;
    void removeRowsNotIn(const std::vector<ReviewPile::Entry>& next, std::size_t from);
    // Once only rows still on the pile are left: inserts what joined and
    // refreshes what changed.
    void insertAndRefreshRows(const std::vector<ReviewPile::Entry>& next, std::size_t from);
    QString reason(const std::string& path) const;

    QPointer<ScanModel> scanModel_;
    std::vector<ReviewPile::Entry> rows_;
    std::int64_t totalBytes_ = 0;
};

}  // namespace tandor
