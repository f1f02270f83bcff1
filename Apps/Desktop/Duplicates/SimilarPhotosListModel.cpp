#include "Duplicates/SimilarPhotosListModel.hpp"

#include "Duplicates/DuplicatePile.hpp"
#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/DuplicatesText.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {

namespace {

const std::vector<SimilarPhotoGroup>& groupsOf(const DuplicatesModel& model) {
    return model.search().photoGroups();
}

}  // namespace

SimilarPhotosListModel::SimilarPhotosListModel(DuplicatesModel& model, QObject* parent)
    : QAbstractListModel(parent), model_(model) {
    pile_.update(model_.scan().pile());
    connect(&model_, &DuplicatesModel::resultsChanged, this, &SimilarPhotosListModel::reset);
    connect(&model_.scan(), &ScanModel::pileChanged, this, &SimilarPhotosListModel::followPile);
}

QString SimilarPhotosListModel::header() const {
    return ui::Texts::tr(
        QStringLiteral("%lld groups · %@ besides the best shots"),
        {QVariant::fromValue<qlonglong>(static_cast<qlonglong>(groupsOf(model_).size())),
         DuplicatesText::bytes(model_.search().similarBytes())});
}

bool SimilarPhotosListModel::isEmpty() const {
    return groupsOf(model_).empty();
}

int SimilarPhotosListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(groupsOf(model_).size());
}

const SimilarPhotoGroup* SimilarPhotosListModel::groupAt(int row) const {
    const auto& groups = groupsOf(model_);
    return row >= 0 && static_cast<std::size_t>(row) < groups.size()
               ? &groups[static_cast<std::size_t>(row)]
               : nullptr;
}

const SimilarPhoto* SimilarPhotosListModel::photoAt(int row, int photo) const {
    const SimilarPhotoGroup* group = groupAt(row);
    if (group == nullptr || photo < 0 ||
        static_cast<std::size_t>(photo) >= group->photos().size()) {
        return nullptr;
    }
    return &group->photos()[static_cast<std::size_t>(photo)];
}

QVariantList SimilarPhotosListModel::photos(const SimilarPhotoGroup& group) const {
    QVariantList list;
    list.reserve(static_cast<qsizetype>(group.photos().size()));
    for (const auto& photo : group.photos()) {
        list.append(QVariantMap{
            {QStringLiteral("source"),
             QStringLiteral("image://photo/%1").arg(model_.photoIDs()->idOf(photo.path))},
            {QStringLiteral("name"), ui::displayPath(photo.name())},
            {QStringLiteral("path"), ui::displayPath(photo.path)},
            {QStringLiteral("details"),
             ui::Texts::tr(QStringLiteral("%@×%@ · %@"),
                           {QString::number(photo.pixelWidth), QString::number(photo.pixelHeight),
                            DuplicatesText::bytes(photo.bytes)})},
            {QStringLiteral("isBest"), photo.path == group.bestPath()},
        });
    }
    return list;
}

QVariant SimilarPhotosListModel::data(const QModelIndex& index, int role) const {
    const SimilarPhotoGroup* group = groupAt(index.row());
    if (!index.isValid() || group == nullptr) {
        return {};
    }
    switch (role) {
        case GroupIDRole:
            return ui::displayPath(group->id());
        case TitleRole:
            return ui::Texts::tr(
                QStringLiteral("%lld photos"),
                {QVariant::fromValue<qlonglong>(static_cast<qlonglong>(group->photos().size()))});
        case DateTextRole:
            return DuplicatesText::dayAndTime(group->best().captureDate);
        case ReasonRole:
            return ui::Texts::tr(QStringLiteral("· %@"),
                                 {ui::Texts::localized(ui::fromEngine(group->bestReason()))});
        case ReclaimableTextRole:
            return DuplicatesText::bytes(group->reclaimableBytes());
        case AllOthersInPileRole:
            return pile_.containsAllBut(group->photos(), group->bestPath());
        case PhotosRole:
            return photos(*group);
        case InPileRole:
            return pile_.flagsOf(group->photos());
        default:
            return {};
    }
}

QHash<int, QByteArray> SimilarPhotosListModel::roleNames() const {
    return {
        {GroupIDRole, "groupID"},
        {TitleRole, "title"},
        {DateTextRole, "dateText"},
        {ReasonRole, "reason"},
        {ReclaimableTextRole, "reclaimableText"},
        {AllOthersInPileRole, "allOthersInPile"},
        {PhotosRole, "photos"},
        {InPileRole, "inPile"},
    };
}

QString SimilarPhotosListModel::addOthers(int row) {
    const SimilarPhotoGroup* group = groupAt(row);
    if (group == nullptr) {
        return {};
    }
    return DuplicatePile::addOthers({*group}, model_.scan()).value_or(QString());
}

void SimilarPhotosListModel::addAll() {
    DuplicatePile::addOthers(groupsOf(model_), model_.scan());
}

QString SimilarPhotosListModel::toggle(int row, int photo) {
    const SimilarPhoto* shot = photoAt(row, photo);
    if (shot == nullptr) {
        return {};
    }
    return DuplicatePile::toggle(*shot, *groupAt(row), pile_, model_.scan()).value_or(QString());
}

QString SimilarPhotosListModel::keepBest(int row, int photo) {
    const SimilarPhoto* shot = photoAt(row, photo);
    if (shot == nullptr) {
        return {};
    }
    if (auto refused = DuplicatePile::keepRefusal(shot->path, model_.scan())) {
        return *refused;
    }
    const std::string path = shot->path;
    const std::string groupID = groupAt(row)->id();
    model_.scan().removeFromPile(path);
    if (model_.keepPhoto(path, groupID)) {
        emit dataChanged(index(row), index(row));
        emit contentChanged();
    }
    return {};
}

void SimilarPhotosListModel::open(int row, int photo) {
    if (const SimilarPhoto* shot = photoAt(row, photo)) {
        actions_.open(shot->path);
    }
}

void SimilarPhotosListModel::showInFileManager(int row, int photo) {
    if (const SimilarPhoto* shot = photoAt(row, photo)) {
        actions_.reveal(shot->path);
    }
}

void SimilarPhotosListModel::followPile() {
    for (const auto& [first, last] : rows_.runsOf(pile_.update(model_.scan().pile()))) {
        emit dataChanged(index(first), index(last), {AllOthersInPileRole, InPileRole});
    }
}

void SimilarPhotosListModel::reset() {
    beginResetModel();
    rows_.rebuild(
        groupsOf(model_),
        [](const SimilarPhotoGroup& group) -> const auto& { return group.photos(); });
    endResetModel();
    emit contentChanged();
}

}  // namespace tandor
