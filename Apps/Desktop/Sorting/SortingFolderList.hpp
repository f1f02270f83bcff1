#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>
#include <string>

#include "Shell/ScanModel.hpp"

namespace tandor {

// What the sorting views read, over the scan model's sorting model: the
// folders as rows of the panel, the picker and the Move menu, the destination,
// and the target the new-folder sheet holds. Folders are named to QML by row;
// paths stay here as bytes.
//
// A target the sorting model refuses is never stored: the sheet keeps the one
// it had and the row's fate stays, with the model's message saying why.
//
// Main thread only.
class SortingFolderList : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // One map per folder, in the model's order: id, name, detail, temporary,
    // destination, due, finishTitle, finishEnabled.
    Q_PROPERTY(QVariantList folders READ folders NOTIFY changed)
    // The destination's name; empty without one.
    Q_PROPERTY(QString destinationName READ destinationName NOTIFY changed)
    // The new-folder sheet's move-on target with "~" for home; empty when none.
    Q_PROPERTY(QString sheetTarget READ sheetTarget NOTIFY sheetTargetChanged)

  public:
    using Revealer = std::function<void(const std::string& path)>;

    explicit SortingFolderList(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    // Tests put a fake file manager in the place of the desktop's.
    void setRevealer(Revealer reveal) { reveal_ = std::move(reveal); }

    QVariantList folders() const;
    QString destinationName() const;
    QString sheetTarget() const;

    Q_INVOKABLE void reload();
    Q_INVOKABLE void useForMove(int row);
    // Asks for one of the user's folders and makes it the destination;
    // ownFolderChosen follows with whether one came back.
    Q_INVOKABLE void chooseOwnFolder();
    // Starts a new sheet: no target.
    Q_INVOKABLE void clearSheetTarget();
    // Asks for the sheet's move-on target for a folder named name.
    Q_INVOKABLE void chooseSheetTarget(const QString& name);
    // Creates a temporary folder from the sheet: choice "keep", "moveTo" (with
    // the sheet's target) or "pile" (after days). False when nothing was made.
    Q_INVOKABLE bool create(const QString& name, const QString& choice, int days);
    Q_INVOKABLE void finish(int row);
    // "keep" or "pile" (after days).
    Q_INVOKABLE void setFate(int row, const QString& choice, int days);
    // Asks for a target and gives the folder the move-on fate to it.
    Q_INVOKABLE void chooseMoveOnTarget(int row);
    Q_INVOKABLE void forget(int row);
    Q_INVOKABLE void reveal(int row);

  signals:
    void scanModelChanged();
    void changed();
    void sheetTargetChanged();
    void ownFolderChosen(bool chosen);

  private:
    SortingModel* sorting() const;
    std::optional<SortingFolder> folderAt(int row) const;

    QPointer<ScanModel> scanModel_;
    Revealer reveal_;
    std::optional<std::string> sheetTarget_;
};

}  // namespace tandor
