#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "Smart/InstalledAppList.hpp"
#include "Smart/RunningApps.hpp"
#include "Smart/UninstallFooter.hpp"
#include "TandorApps/AppBundle.hpp"
#include "TandorApps/UninstallPlan.hpp"

namespace tandor {

class ScanModel;

// The detail of one application in the Apps pane: its plan (the bundle's
// size, its leftovers and when it was last opened) built on a worker, the
// leftovers chosen, and the footer that puts the application with them on
// the pile, never a protected or a running one. The view makes a new detail
// for every application chosen.
class UninstallDetailModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY footerChanged)
    Q_PROPERTY(tandor::InstalledAppList* apps READ apps WRITE setApps NOTIFY appChanged)
    Q_PROPERTY(int appIndex READ appIndex WRITE setAppIndex NOTIFY appChanged)
    Q_PROPERTY(QString name READ name NOTIFY appChanged)
    // The version and the identifier, joined by " · ".
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY appChanged)
    // The application's icon, from AppIconProvider.
    Q_PROPERTY(QString iconSource READ iconSource NOTIFY appChanged)
    Q_PROPERTY(bool planReady READ planReady NOTIFY planChanged)
    // "App <size> · <last opened>".
    Q_PROPERTY(QString factsText READ factsText NOTIFY planChanged)
    // Each: name, path, details, safety, byName, sizeText, chosen.
    Q_PROPERTY(QVariantList leftovers READ leftovers NOTIFY leftoversChanged)
    // "apple", "quit" or "".
    Q_PROPERTY(QString noteKind READ noteKind NOTIFY footerChanged)
    Q_PROPERTY(QString noteText READ noteText NOTIFY footerChanged)
    Q_PROPERTY(QString buttonText READ buttonText NOTIFY footerChanged)
    Q_PROPERTY(bool canAdd READ canAdd NOTIFY footerChanged)
    // "<n> items · <size>"; empty without a suggestion.
    Q_PROPERTY(QString countText READ countText NOTIFY footerChanged)

  public:
    explicit UninstallDetailModel(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    InstalledAppList* apps() const { return apps_; }
    void setApps(InstalledAppList* apps);
    int appIndex() const { return appIndex_; }
    void setAppIndex(int appIndex);
    // Tests stand in for the processes of the machine.
    void setRunningApps(std::shared_ptr<const RunningApps> running);

    QString name() const;
    QString subtitle() const;
    QString iconSource() const;
    bool planReady() const { return plan_.has_value(); }
    QString factsText() const;
    QVariantList leftovers() const;
    QString noteKind() const;
    QString noteText() const;
    QString buttonText() const;
    bool canAdd() const { return footer_.canAdd; }
    QString countText() const;

    // Turns the leftover of this row on or off.
    Q_INVOKABLE void setChosen(int row, bool chosen);
    // Puts the application with the chosen leftovers on the pile.
    Q_INVOKABLE void addToPile();
    // Reads the pile and the running applications again.
    Q_INVOKABLE void refreshFooter();

  signals:
    void appChanged();
    void planChanged();
    void leftoversChanged();
    void footerChanged();

  private:
    const AppBundle* app() const;
    void buildPlan();

    QPointer<ScanModel> scanModel_;
    QPointer<InstalledAppList> apps_;
    int appIndex_ = -1;
    std::shared_ptr<const RunningApps> running_;
    std::optional<UninstallPlan> plan_;
    std::set<std::string> chosen_;
    UninstallFooter footer_;
};

}  // namespace tandor
