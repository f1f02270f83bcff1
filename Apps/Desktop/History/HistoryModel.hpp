#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/HistorySessions.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// The History tab's model: the cleanup history read into sessions (newest
// first), the restore status of every record as the file system showed it at
// the last reload, and putting records back from the Trash with a one-line
// result.
//
// As a list it is flat, so that a long history stays a lazy list: each session
// is a header row followed by one row per record, oldest first. QML asks by
// row; the paths stay here as bytes.
//
// Main thread only. Nothing is read at construction: the view reloads when it
// is shown. A failed reload keeps what the last good one published, and the
// history object it opened: a restore goes through it, and its save merges
// with the file under the file's lock, so records written meanwhile stay.
class HistoryModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    // "Nothing moved yet." or the total still in the Trash over the sessions.
    Q_PROPERTY(QString summary READ summary NOTIFY historyChanged)
    Q_PROPERTY(bool hasSessions READ hasSessions NOTIFY historyChanged)
    // The result of the last restore; empty when there was none.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    // Why the last reload failed; empty after a good one.
    Q_PROPERTY(QString loadError READ loadError NOTIFY loadErrorChanged)

  public:
    enum Role {
        IsSessionRole = Qt::UserRole + 1,  // bool: a session header, else a record
        // Session headers.
        DateTextRole,         // QString: date of the oldest record, medium date and short time
        ItemsTextRole,        // QString: "%lld items · %@", put-back records included
        RestoredTextRole,     // QString: "· %lld put back"; empty when none is
        RestorableCountRole,  // int: records that can be put back now
        // Records.
        NameRole,       // QString: last component of the original path
        PathRole,       // QString: the original path
        RuleTitleRole,  // QString: the title of the rule it came from; empty when none
        SizeTextRole,   // QString: bytes, formatted
        StatusRole,  // QString: "restorable", "restored", "missingFromTrash", "originalPathTaken"
        HelpRole,    // QString: the row's tooltip for its status
        CanShowInTrashRole,  // bool: the item is still in the Trash
    };
    Q_ENUM(Role)

    using Revealer = std::function<void(const std::string& path)>;

    struct Services {
        // The history file read at every reload.
        std::string historyURL;
        // Shows a path in the file manager.
        Revealer reveal;

        // The support folder's history and the desktop's file manager.
        static Services standard();
    };

    explicit HistoryModel(QObject* parent = nullptr);
    HistoryModel(Services services, QObject* parent = nullptr);
    ~HistoryModel() override;

    // Tests put a fake file manager in the place of a model that QML made.
    void setRevealer(Revealer reveal);

    const std::vector<HistorySession>& sessions() const { return sessions_; }
    std::int64_t totalMovedBytes() const { return totalMovedBytes_; }
    QString message() const { return message_; }
    QString loadError() const { return loadError_; }
    QString summary() const;
    bool hasSessions() const { return !sessions_.empty(); }

    // The status the last reload found; a record it did not see is restored
    // when its flag says so, else missing from the Trash, never restorable.
    RestoreStatus status(const HistoryRecord& record) const;
    // The session's records that can be put back now, in session order.
    std::vector<UUID> restorableIDs(const HistorySession& session) const;

    // Reads the history file again and recomputes every status.
    Q_INVOKABLE void reload();
    // Puts these records back, sets the message and reloads. Nothing happens
    // before a good reload or for an empty list.
    void restore(const std::vector<UUID>& ids);

    // A record row puts that record back; a session row every record of it
    // that can be put back now.
    Q_INVOKABLE void restoreRow(int row);
    // The record's item in the Trash's files folder.
    Q_INVOKABLE void showInTrash(int row);
    // The record's original path once put back, else the folder that held it.
    Q_INVOKABLE void showOriginalLocation(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void historyChanged();
    void messageChanged();
    void loadErrorChanged();

  private:
    struct Row {
        std::size_t session;
        // The record's index in its session; none on a session header.
        std::optional<std::size_t> record;
    };

    const HistoryRecord* recordAt(int row) const;
    QVariant sessionData(std::size_t session, int role) const;
    QVariant recordData(const HistoryRecord& record, int role) const;
    void rebuildRows();
    void setLoadError(const QString& error);

    Services services_;
    std::unique_ptr<CleanupHistory> history_;
    std::vector<HistorySession> sessions_;
    std::unordered_map<UUID, RestoreStatus> statuses_;
    std::vector<int> restorableCounts_;
    std::int64_t totalMovedBytes_ = 0;
    QString message_;
    QString loadError_;
    std::vector<Row> rows_;
};

}  // namespace tandor
