#include "Duplicates/IdenticalFilesListModel.hpp"

#include "Duplicates/DuplicatePile.hpp"
#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/DuplicatesText.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {

namespace {

const std::vector<DuplicateGroup>& groupsOf(const DuplicatesModel& model) {
    return model.search().groups();
}

QString sizeHelp(bool partlyShared) {
    return partlyShared
               ? ui::Texts::tr(QStringLiteral(
                     "Partly shared with a copy-on-write clone: only this much comes back."))
               : ui::Texts::tr(QStringLiteral("Space freed by moving this copy"));
}

}  // namespace

IdenticalFilesListModel::IdenticalFilesListModel(DuplicatesModel& model, QObject* parent)
    : QAbstractListModel(parent), model_(model) {
    pile_.update(model_.scan().pile());
    connect(&model_, &DuplicatesModel::resultsChanged, this, &IdenticalFilesListModel::reset);
    connect(&model_.scan(), &ScanModel::pileChanged, this, &IdenticalFilesListModel::followPile);
}

QString IdenticalFilesListModel::header() const {
    return ui::Texts::tr(
        QStringLiteral("%lld groups · %@ in extra copies"),
        {QVariant::fromValue<qlonglong>(static_cast<qlonglong>(groupsOf(model_).size())),
         DuplicatesText::bytes(model_.search().duplicateBytes())});
}

bool IdenticalFilesListModel::isEmpty() const {
    return groupsOf(model_).empty();
}

int IdenticalFilesListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(groupsOf(model_).size());
}

const DuplicateGroup* IdenticalFilesListModel::groupAt(int row) const {
    const auto& groups = groupsOf(model_);
    return row >= 0 && static_cast<std::size_t>(row) < groups.size()
               ? &groups[static_cast<std::size_t>(row)]
               : nullptr;
}

const DuplicateFile* IdenticalFilesListModel::fileAt(int row, int file) const {
    const DuplicateGroup* group = groupAt(row);
    if (group == nullptr || file < 0 || static_cast<std::size_t>(file) >= group->files().size()) {
        return nullptr;
    }
    return &group->files()[static_cast<std::size_t>(file)];
}

QVariantList IdenticalFilesListModel::files(const DuplicateGroup& group) const {
    QVariantList list;
    list.reserve(static_cast<qsizetype>(group.files().size()));
    for (const auto& file : group.files()) {
        const bool shared = file.clone.has_value() && file.reclaimableBytes() < file.allocatedSize;
        list.append(QVariantMap{
            {QStringLiteral("path"), ui::displayPath(file.path)},
            {QStringLiteral("isKeeper"), file.path == group.keeperPath()},
            {QStringLiteral("sizeText"), DuplicatesText::bytes(file.reclaimableBytes())},
            {QStringLiteral("sizeHelp"), sizeHelp(shared)},
            {QStringLiteral("dateText"),
             file.modificationDate ? DuplicatesText::day(*file.modificationDate) : QString()},
        });
    }
    return list;
}

QVariant IdenticalFilesListModel::data(const QModelIndex& index, int role) const {
    const DuplicateGroup* group = groupAt(index.row());
    if (!index.isValid() || group == nullptr) {
        return {};
    }
    switch (role) {
        case GroupIDRole:
            return ui::displayPath(group->id());
        case KeeperNameRole:
            return ui::displayPath(group->keeper().name());
        case SummaryRole:
            return ui::Texts::tr(
                QStringLiteral("%lld copies of %@ · %@"),
                {QVariant::fromValue<qlonglong>(static_cast<qlonglong>(group->files().size())),
                 DuplicatesText::bytes(group->logicalSize()),
                 ui::Texts::localized(ui::fromEngine(group->keeperReason()))});
        case ReclaimableTextRole:
            return DuplicatesText::bytes(group->reclaimableBytes());
        case AllExtrasInPileRole:
            return pile_.containsAllBut(group->files(), group->keeperPath());
        case ExpandedRole:
            return expanded_.contains(group->id());
        case FilesRole:
            return files(*group);
        case InPileRole:
            return pile_.flagsOf(group->files());
        default:
            return {};
    }
}

QHash<int, QByteArray> IdenticalFilesListModel::roleNames() const {
    return {
        {GroupIDRole, "groupID"},
        {KeeperNameRole, "keeperName"},
        {SummaryRole, "summary"},
        {ReclaimableTextRole, "reclaimableText"},
        {AllExtrasInPileRole, "allExtrasInPile"},
        {ExpandedRole, "expanded"},
        {FilesRole, "files"},
        {InPileRole, "inPile"},
    };
}

void IdenticalFilesListModel::setExpanded(int row, bool expanded) {
    const DuplicateGroup* group = groupAt(row);
    if (group == nullptr || expanded_.contains(group->id()) == expanded) {
        return;
    }
    if (expanded) {
        expanded_.insert(group->id());
    } else {
        expanded_.erase(group->id());
    }
    emit dataChanged(index(row), index(row), {ExpandedRole});
}

QString IdenticalFilesListModel::addCopies(int row) {
    const DuplicateGroup* group = groupAt(row);
    if (group == nullptr) {
        return {};
    }
    return DuplicatePile::addExtraCopies({*group}, model_.scan()).value_or(QString());
}

void IdenticalFilesListModel::addAll() {
    DuplicatePile::addExtraCopies(groupsOf(model_), model_.scan());
}

QString IdenticalFilesListModel::toggle(int row, int file) {
    const DuplicateFile* copy = fileAt(row, file);
    if (copy == nullptr) {
        return {};
    }
    return DuplicatePile::toggle(*copy, *groupAt(row), pile_, model_.scan()).value_or(QString());
}

QString IdenticalFilesListModel::keep(int row, int file) {
    const DuplicateFile* copy = fileAt(row, file);
    if (copy == nullptr) {
        return {};
    }
    if (auto refused = DuplicatePile::keepRefusal(copy->path, model_.scan())) {
        return *refused;
    }
    const std::string path = copy->path;
    const std::string groupID = groupAt(row)->id();
    model_.scan().removeFromPile(path);
    if (model_.keep(path, groupID)) {
        emit dataChanged(index(row), index(row));
        emit contentChanged();
    }
    return {};
}

void IdenticalFilesListModel::showInFileManager(int row, int file) {
    if (const DuplicateFile* copy = fileAt(row, file)) {
        actions_.reveal(copy->path);
    }
}

void IdenticalFilesListModel::followPile() {
    for (const auto& [first, last] : rows_.runsOf(pile_.update(model_.scan().pile()))) {
        emit dataChanged(index(first), index(last), {AllExtrasInPileRole, InPileRole});
    }
}

void IdenticalFilesListModel::reset() {
    beginResetModel();
    rows_.rebuild(
        groupsOf(model_), [](const DuplicateGroup& group) -> const auto& { return group.files(); });
    endResetModel();
    emit contentChanged();
}

}  // namespace tandor
