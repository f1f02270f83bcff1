#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QString>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "TandorReview/MoveRecord.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// The History tab's list of moves into sorting folders: the newest moves, each
// with the folder that holds it now, and put back by row. The sorting model
// fills it and carries out the put back.
class SortingMoveList : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The sorting model keeps the list of moves.")

    // No move was ever recorded: the section shows nothing at all.
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY movesChanged)
    // "%lld files sorted into folders", counting every move not put back,
    // also those beyond the rows shown.
    Q_PROPERTY(QString title READ title NOTIFY movesChanged)

  public:
    static constexpr std::size_t shownLimit = 50;

    enum Role {
        NameRole = Qt::UserRole + 1,  // QString: the item's name where it came from
        FolderTextRole,               // QString: "→ %@", the folder holding it, home as "~"
        UndoneRole,                   // bool: it was put back
    };
    Q_ENUM(Role)

    using PutBack = std::function<void(const UUID& id)>;

    SortingMoveList(std::string home, PutBack putBack, QObject* parent = nullptr);

    // Every move, newest first.
    void setMoves(const std::vector<MoveRecord>& moves);

    bool isEmpty() const { return isEmpty_; }
    QString title() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void putBack(int row);

  signals:
    void movesChanged();

  private:
    std::string home_;
    PutBack putBack_;
    std::vector<MoveRecord> shown_;
    bool isEmpty_ = true;
    qlonglong notUndone_ = 0;
};

}  // namespace tandor
