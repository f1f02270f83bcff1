#include "Sorting/SortingFolderList.hpp"

#include <chrono>

#include "Support/FileManagerReveal.hpp"
#include "Sorting/SortingFolderText.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/SortingStore.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorShared/TildePath.hpp"

namespace tandor {

SortingFolderList::SortingFolderList(QObject* parent)
    : QObject(parent), reveal_(&FileManagerReveal::reveal) {
}

void SortingFolderList::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    if (sorting() != nullptr) {
        disconnect(sorting(), nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (SortingModel* folders = sorting()) {
        connect(folders, &SortingModel::foldersChanged, this, &SortingFolderList::changed);
        connect(folders, &SortingModel::destinationChanged, this, &SortingFolderList::changed);
    }
    emit scanModelChanged();
    emit changed();
}

SortingModel* SortingFolderList::sorting() const {
    return scanModel_ ? scanModel_->swipe()->sorting() : nullptr;
}

std::optional<SortingFolder> SortingFolderList::folderAt(int row) const {
    if (sorting() == nullptr || row < 0 || row >= int(sorting()->folders().size())) {
        return std::nullopt;
    }
    return sorting()->folders()[std::size_t(row)];
}

QVariantList SortingFolderList::folders() const {
    QVariantList rows;
    if (sorting() == nullptr) {
        return rows;
    }
    const Date now = std::chrono::system_clock::now();
    const auto destination = sorting()->destinationID();
    for (const auto& folder : sorting()->folders()) {
        const auto counted = sorting()->counts().find(folder.id);
        const int count = counted == sorting()->counts().end() ? 0 : counted->second;
        const auto finish = SortingFolderText::finishButton(folder, count);
        rows.append(QVariantMap{
            {QStringLiteral("id"), QString::fromStdString(folder.id.string())},
            {QStringLiteral("name"), ui::displayPath(folder.name)},
            {QStringLiteral("detail"),
             ui::Texts::tr(QStringLiteral("%lld files · %@"),
                           {qlonglong(count), SortingFolderText::fate(folder, now)})},
            {QStringLiteral("temporary"), folder.isTemporary},
            {QStringLiteral("destination"), destination == folder.id},
            {QStringLiteral("due"), folder.isDue(now)},
            {QStringLiteral("finishTitle"), finish.title},
            {QStringLiteral("finishEnabled"), finish.enabled},
        });
    }
    return rows;
}

QString SortingFolderList::destinationName() const {
    const auto destination = sorting() ? sorting()->destination() : std::nullopt;
    return destination ? ui::displayPath(destination->name) : QString();
}

QString SortingFolderList::sheetTarget() const {
    return sheetTarget_ ? ui::displayPath(ui::tildePath(*sheetTarget_, homeFolderPath()))
                        : QString();
}

void SortingFolderList::reload() {
    if (sorting() != nullptr) {
        sorting()->reload();
    }
}

void SortingFolderList::useForMove(int row) {
    if (const auto folder = folderAt(row)) {
        sorting()->setDestinationID(folder->id);
    }
}

void SortingFolderList::chooseOwnFolder() {
    if (sorting() != nullptr) {
        sorting()->chooseOwnFolder(
            [guard = QPointer<SortingFolderList>(this)](std::optional<SortingFolder> folder) {
                if (guard) {
                    emit guard->ownFolderChosen(folder.has_value());
                }
            });
    }
}

void SortingFolderList::clearSheetTarget() {
    sheetTarget_.reset();
    emit sheetTargetChanged();
}

void SortingFolderList::chooseSheetTarget(const QString& name) {
    if (sorting() == nullptr) {
        return;
    }
    // The folder to be made, where the model will put it, for the target check.
    SortingFolder prospective;
    prospective.path = SortingStore::defaultBase(homeFolderPath()) + "/" +
                       SortingFolderText::newFolderName(name).toStdString();
    sorting()->chooseTarget(
        prospective, [guard = QPointer<SortingFolderList>(this)](std::optional<std::string> path) {
            if (guard && path) {
                guard->sheetTarget_ = std::move(path);
                emit guard->sheetTargetChanged();
            }
        });
}

bool SortingFolderList::create(const QString& name, const QString& choice, int days) {
    if (sorting() == nullptr) {
        return false;
    }
    std::optional<SortingFate> fate;
    if (choice == QStringLiteral("keep")) {
        fate = SortingFate::keep();
    } else if (choice == QStringLiteral("moveTo") && sheetTarget_) {
        fate = SortingFate::moveTo(*sheetTarget_);
    } else if (choice == QStringLiteral("pile")) {
        fate = SortingFate::pileAfter(days);
    }
    return fate &&
           sorting()->createTemporary(SortingFolderText::newFolderName(name).toStdString(), *fate);
}

void SortingFolderList::finish(int row) {
    if (const auto folder = folderAt(row)) {
        scanModel_->changePile([&](ReviewPile& pile) { sorting()->finish(*folder, pile); });
    }
}

void SortingFolderList::setFate(int row, const QString& choice, int days) {
    const auto folder = folderAt(row);
    if (!folder) {
        return;
    }
    if (choice == QStringLiteral("keep")) {
        sorting()->setFate(SortingFate::keep(), *folder);
    } else if (choice == QStringLiteral("pile")) {
        sorting()->setFate(SortingFate::pileAfter(days), *folder);
    }
}

void SortingFolderList::chooseMoveOnTarget(int row) {
    const auto folder = folderAt(row);
    if (!folder) {
        return;
    }
    sorting()->chooseTarget(*folder, [guard = QPointer<SortingFolderList>(this),
                                      folder = *folder](std::optional<std::string> path) {
        if (guard && path && guard->sorting() != nullptr) {
            guard->sorting()->setFate(SortingFate::moveTo(*path), folder);
        }
    });
}

void SortingFolderList::forget(int row) {
    if (const auto folder = folderAt(row)) {
        sorting()->forget(*folder);
    }
}

void SortingFolderList::reveal(int row) {
    if (const auto folder = folderAt(row); folder && reveal_) {
        reveal_(folder->path);
    }
}

}  // namespace tandor
