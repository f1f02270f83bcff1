#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QString>

#include "Duplicates/FileActions.hpp"
#include "Duplicates/PathRows.hpp"
#include "Duplicates/PileFlags.hpp"
#include "TandorDuplicates/SimilarPhotoGroup.hpp"

namespace tandor {

class DuplicatesModel;

// The groups of similar photos, one row per group, for the "Similar photos"
// list. The photos of a group travel in one role; QML names a photo by its
// row and its index in the group, and its thumbnail by the photo's number
// (PhotoIDs), never by its path. Main thread only.
class SimilarPhotosListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Made by DuplicatesModel")

    // "%lld groups · %@ besides the best shots".
    Q_PROPERTY(QString header READ header NOTIFY contentChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY contentChanged)

  public:
    enum Role {
        GroupIDRole = Qt::UserRole + 1,  // QString: the group's id, for the view's identity
        TitleRole,                       // QString: "%lld photos"
        DateTextRole,                    // QString: the best shot's capture date and time
        ReasonRole,                      // QString: "· %@" with the best shot's reason
        ReclaimableTextRole,             // QString: what moving every other photo frees
        AllOthersInPileRole,             // bool: every other photo has its own pile entry
        // QVariantList of maps, one per photo in the group's order: "source"
        // (the thumbnail's image URL), "name", "path" (display), "details"
        // ("%@×%@ · %@"), "isBest".
        PhotosRole,
        // QVariantList of bools, one per photo in the group's order: the photo
        // has its own pile entry. Apart from the photos, so that a change of
        // the pile redraws flags and never the thumbnails.
        InPileRole,
    };
    Q_ENUM(Role)

    SimilarPhotosListModel(DuplicatesModel& model, QObject* parent = nullptr);

    void setFileActions(FileActions actions) { actions_ = std::move(actions); }

    QString header() const;
    bool isEmpty() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Returns the refusal to show when no photo could go, or "".
    Q_INVOKABLE QString addOthers(int row);
    Q_INVOKABLE void addAll();
    // Takes the photo off the pile when it has its own entry, else hands it
    // to the pile; returns the refusal to show, or "".
    Q_INVOKABLE QString toggle(int row, int photo);
    // Takes the photo off the pile and makes it the best shot; returns the
    // refusal to show when a folder on the pile holds it, or "".
    Q_INVOKABLE QString keepBest(int row, int photo);
    Q_INVOKABLE void open(int row, int photo);
    Q_INVOKABLE void showInFileManager(int row, int photo);

  signals:
    void contentChanged();

  private:
    const SimilarPhotoGroup* groupAt(int row) const;
    const SimilarPhoto* photoAt(int row, int photo) const;
    QVariantList photos(const SimilarPhotoGroup& group) const;
    void followPile();
    void reset();

    DuplicatesModel& model_;
    FileActions actions_ = FileActions::standard();
    PileFlags pile_;
    PathRows rows_;
};

}  // namespace tandor
