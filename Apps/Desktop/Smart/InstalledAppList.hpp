#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "TandorApps/AppBundle.hpp"
#include "TandorApps/InstalledApps.hpp"

namespace tandor {

class ScanModel;

// The installed applications of the Apps pane, listed once on a worker when
// the model is made, ordered by name for the interface language, and shown
// filtered by a text found in their names (letter case ignored; identifiers,
// versions and paths are not searched). A row refers to its application by
// its index among all applications, which filtering does not change. An
// application a commit of the scan model's pile moved to the Trash leaves the
// list.
class InstalledAppList : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    // True until the listing arrived.
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(QString filter READ filter WRITE setFilter NOTIFY filterChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)

  public:
    enum Role {
        NameRole = Qt::UserRole + 1,  // QString: the application's name
        AppIndexRole,                 // int: its index among all applications
        IsProtectedRole,              // bool: a system application, never uninstalled
        IconSourceRole,               // QString: its icon, from AppIconProvider
    };
    Q_ENUM(Role)

    // Where to look, asked on the worker.
    using Places = std::function<InstalledApps::Places()>;

    // The user's and the system's Applications folders, ~/.local/bin and the
    // user's desktop entries.
    explicit InstalledAppList(QObject* parent = nullptr);
    InstalledAppList(Places places, QObject* parent = nullptr);

    bool isLoading() const { return loading_; }
    QString filter() const { return filter_; }
    void setFilter(const QString& filter);

    ScanModel* scanModel() const;
    void setScanModel(ScanModel* model);

    const std::vector<AppBundle>& apps() const { return apps_; }
    // The application of this index among all; null when there is none or a
    // commit moved it.
    const AppBundle* app(int appIndex) const;
    Q_INVOKABLE bool isListed(int appIndex) const { return app(appIndex) != nullptr; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void loadingChanged();
    void filterChanged();
    void countChanged();
    void scanModelChanged();

  private:
    void publish(std::vector<AppBundle> apps);
    void applyFilter();
    void forgetMoved();
    bool wasMoved(const AppBundle& app) const;

    bool loading_ = true;
    QString filter_;
    std::vector<AppBundle> apps_;
    // The names as shown and the icons' sources, one per application, made
    // once.
    std::vector<QString> names_;
    std::vector<QString> iconSources_;
    // Indices into apps_ of the rows shown.
    std::vector<int> shown_;
    QPointer<ScanModel> scanModel_;
    // What the commits moved since the list was made.
    std::set<std::string> moved_;
};

}  // namespace tandor
