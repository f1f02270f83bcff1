#include "History/HistoryModel.hpp"

#include <QStringList>
#include <exception>

#include "Support/FileManagerReveal.hpp"
#include "History/RuleTitle.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorScanner/ParallelLoop.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

// Records further apart than this belong to two cleanups.
constexpr double sessionGapSeconds = 60;

QString bytesText(std::int64_t bytes) {
    return ui::Texts::byteCount(bytes);
}

QString nameText(const std::string& path) {
    return ui::displayPath(paths::lastComponent(path));
}

QString statusName(RestoreStatus status) {
    switch (status) {
        case RestoreStatus::restorable:
            return QStringLiteral("restorable");
        case RestoreStatus::restored:
            return QStringLiteral("restored");
        case RestoreStatus::missingFromTrash:
            return QStringLiteral("missingFromTrash");
        case RestoreStatus::originalPathTaken:
            return QStringLiteral("originalPathTaken");
    }
    return QStringLiteral("missingFromTrash");
}

QString helpText(RestoreStatus status, const std::string& originalPath) {
    const QString path = ui::displayPath(originalPath);
    switch (status) {
        case RestoreStatus::restorable:
            return ui::Texts::tr(QStringLiteral("In the Trash. Put Back moves it to %@."), {path});
        case RestoreStatus::restored:
            return ui::Texts::tr(QStringLiteral("Already back at %@."), {path});
        case RestoreStatus::missingFromTrash:
            return ui::Texts::tr(QStringLiteral(
                "No longer in the Trash, so it cannot be put back. The Trash was probably "
                "emptied."));
        case RestoreStatus::originalPathTaken:
            return ui::Texts::tr(QStringLiteral("Something new is at %@. Move or rename it first; "
                                                "Tandor never overwrites files."),
                                 {path});
    }
    return {};
}

// What a restore did: what came back, then what did not and why, then that
// the history could not be saved after it, then the hint to scan again. A restore that brought
// nothing back starts with its failures.
QString restoreMessage(const RestoreResult& result) {
    QStringList pieces;
    if (result.restored.size() == 1) {
        const HistoryRecord& record = result.restored.front();
        pieces << ui::Texts::tr(QStringLiteral("Put back %@ (%@)."),
                                {nameText(record.originalPath), bytesText(record.bytes)});
    } else if (!result.restored.empty() || result.failed.empty()) {
        pieces << ui::Texts::tr(
            QStringLiteral("Put back %lld items (%@)."),
            {qlonglong(result.restored.size()), bytesText(result.restoredBytes())});
    }
    if (!result.failed.empty()) {
        pieces << ui::Texts::tr(QStringLiteral("%lld could not be restored:"),
                                {qlonglong(result.failed.size())});
        for (const auto& failure : result.failed) {
            pieces << ui::fromEngine(failure.error);
        }
    }
    if (result.saveError) {
        pieces << ui::Texts::tr(QStringLiteral("Could not save the cleanup history: %@"),
                                {ui::fromEngine(*result.saveError)});
    }
    if (!result.restored.empty()) {
        pieces << ui::Texts::tr(QStringLiteral("Scan again to see them in Browse."));
    }
    return pieces.join(QLatin1Char(' '));
}

// What a row answers for a role of the other kind of row, so that one
// delegate can declare every role with its type.
QVariant emptyValue(int role) {
    switch (role) {
        case HistoryModel::CanShowInTrashRole:
            return false;
        case HistoryModel::RestorableCountRole:
            return 0;
        default:
            return QString();
    }
}

}  // namespace

HistoryModel::Services HistoryModel::Services::standard() {
    return {CleanupHistory::defaultURL(), &FileManagerReveal::reveal};
}

HistoryModel::HistoryModel(QObject* parent) : HistoryModel(Services::standard(), parent) {
}

HistoryModel::HistoryModel(Services services, QObject* parent)
    : QAbstractListModel(parent), services_(std::move(services)) {
}

HistoryModel::~HistoryModel() = default;

void HistoryModel::setRevealer(Revealer reveal) {
    services_.reveal = std::move(reveal);
}

QString HistoryModel::summary() const {
    if (sessions_.empty()) {
        return ui::Texts::tr(QStringLiteral("Nothing moved yet."));
    }
    const QString total = bytesText(totalMovedBytes_);
    if (sessions_.size() == 1) {
        return ui::Texts::tr(
            QStringLiteral(
                "%@ moved to the Trash in 1 cleanup. Restoring never overwrites anything."),
            {total});
    }
    return ui::Texts::tr(
        QStringLiteral(
            "%@ moved to the Trash in %lld cleanups. Restoring never overwrites anything."),
        {total, qlonglong(sessions_.size())});
}

RestoreStatus HistoryModel::status(const HistoryRecord& record) const {
    const auto found = statuses_.find(record.id);
    if (found != statuses_.end()) {
        return found->second;
    }
    return record.restored ? RestoreStatus::restored : RestoreStatus::missingFromTrash;
}

std::vector<UUID> HistoryModel::restorableIDs(const HistorySession& session) const {
    std::vector<UUID> ids;
    for (const auto& record : session.records) {
        const auto found = statuses_.find(record.id);
        if (found != statuses_.end() && found->second == RestoreStatus::restorable) {
            ids.push_back(record.id);
        }
    }
    return ids;
}

void HistoryModel::reload() {
    std::unique_ptr<CleanupHistory> opened;
    try {
        opened = std::make_unique<CleanupHistory>(services_.historyURL);
    } catch (const std::exception& error) {
        setLoadError(ui::Texts::tr(QStringLiteral("Could not read the cleanup history: %@"),
                                   {ui::fromEngine(error.what())}));
        return;
    }
    std::vector<HistoryRecord> records = opened->records();
    // Two or three lstat calls a record: a long history asks them in parallel.
    std::vector<RestoreStatus> checked(records.size());
    parallelFor(records.size(),
                [&](std::size_t index) { checked[index] = opened->status(records[index]); });
    std::unordered_map<UUID, RestoreStatus> statuses;
    statuses.reserve(records.size());
    for (std::size_t index = 0; index < records.size(); ++index) {
        // An id written twice keeps the status of its first record.
        statuses.try_emplace(records[index].id, checked[index]);
    }

    beginResetModel();
    history_ = std::move(opened);
    sessions_ = CleanupHistory::sessions(std::move(records), sessionGapSeconds);
    statuses_ = std::move(statuses);
    totalMovedBytes_ = 0;
    for (const auto& session : sessions_) {
        totalMovedBytes_ = saturatingAdd(totalMovedBytes_, session.movedBytes());
    }
    rebuildRows();
    endResetModel();
    emit historyChanged();
    setLoadError({});
}

void HistoryModel::rebuildRows() {
    rows_.clear();
    restorableCounts_.clear();
    for (std::size_t session = 0; session < sessions_.size(); ++session) {
        rows_.push_back({session, std::nullopt});
        for (std::size_t record = 0; record < sessions_[session].records.size(); ++record) {
            rows_.push_back({session, record});
        }
        restorableCounts_.push_back(int(restorableIDs(sessions_[session]).size()));
    }
}

void HistoryModel::setLoadError(const QString& error) {
    if (loadError_ != error) {
        loadError_ = error;
        emit loadErrorChanged();
    }
}

void HistoryModel::restore(const std::vector<UUID>& ids) {
    if (!history_ || ids.empty()) {
        return;
    }
    message_ = restoreMessage(history_->restoreAll(ids));
    emit messageChanged();
    reload();
}

void HistoryModel::restoreRow(int row) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    const Row& target = rows_[std::size_t(row)];
    const HistorySession& session = sessions_[target.session];
    if (target.record) {
        restore({session.records[*target.record].id});
    } else {
        restore(restorableIDs(session));
    }
}

void HistoryModel::showInTrash(int row) {
    const HistoryRecord* record = recordAt(row);
    if (record == nullptr || !services_.reveal) {
        return;
    }
    const RestoreStatus current = status(*record);
    if (current == RestoreStatus::restorable || current == RestoreStatus::originalPathTaken) {
        services_.reveal(record->trashedPath);
    }
}

void HistoryModel::showOriginalLocation(int row) {
    const HistoryRecord* record = recordAt(row);
    if (record == nullptr || !services_.reveal) {
        return;
    }
    // Before it is put back the item is not there: its folder is.
    services_.reveal(status(*record) == RestoreStatus::restored
                         ? record->originalPath
                         : paths::deletingLastComponent(record->originalPath));
}

const HistoryRecord* HistoryModel::recordAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    const Row& target = rows_[std::size_t(row)];
    if (!target.record) {
        return nullptr;
    }
    return &sessions_[target.session].records[*target.record];
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    if (role < IsSessionRole || role > CanShowInTrashRole) {
        return {};
    }
    const Row& row = rows_[std::size_t(index.row())];
    if (role == IsSessionRole) {
        return !row.record.has_value();
    }
    const QVariant value = row.record
                               ? recordData(sessions_[row.session].records[*row.record], role)
                               : sessionData(row.session, role);
    return value.isValid() ? value : emptyValue(role);
}

QVariant HistoryModel::sessionData(std::size_t session, int role) const {
    const HistorySession& shown = sessions_[session];
    switch (role) {
        case DateTextRole:
            return ui::Texts::dateTime(shown.date());
        case ItemsTextRole:
            return ui::Texts::tr(QStringLiteral("%lld items · %@"),
                                 {qlonglong(shown.records.size()), bytesText(shown.totalBytes())});
        case RestoredTextRole:
            return shown.restoredCount() == 0 ? QString()
                                              : ui::Texts::tr(QStringLiteral("· %lld put back"),
                                                              {qlonglong(shown.restoredCount())});
        case RestorableCountRole:
            return restorableCounts_[session];
        default:
            return {};
    }
}

QVariant HistoryModel::recordData(const HistoryRecord& record, int role) const {
    switch (role) {
        case NameRole:
            return nameText(record.originalPath);
        case PathRole:
            return ui::displayPath(record.originalPath);
        case RuleTitleRole:
            return record.ruleID ? RuleTitle::shown(*record.ruleID) : QString();
        case SizeTextRole:
            return bytesText(record.bytes);
        case StatusRole:
            return statusName(status(record));
        case HelpRole:
            return helpText(status(record), record.originalPath);
        case CanShowInTrashRole: {
            const RestoreStatus current = status(record);
            return current == RestoreStatus::restorable ||
                   current == RestoreStatus::originalPathTaken;
        }
        default:
            return {};
    }
}

QHash<int, QByteArray> HistoryModel::roleNames() const {
    return {{IsSessionRole, "isSession"},
            {DateTextRole, "dateText"},
            {ItemsTextRole, "itemsText"},
            {RestoredTextRole, "restoredText"},
            {RestorableCountRole, "restorableCount"},
            {NameRole, "name"},
            {PathRole, "path"},
            {RuleTitleRole, "ruleTitle"},
            {SizeTextRole, "sizeText"},
            {StatusRole, "status"},
            {HelpRole, "help"},
            {CanShowInTrashRole, "canShowInTrash"}};
}

}  // namespace tandor
