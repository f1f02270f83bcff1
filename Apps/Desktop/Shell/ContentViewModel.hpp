#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>

#include "Shell/ContentView.hpp"
#include "Shell/ScanModel.hpp"

namespace tandor {

// The state of the main view for ContentView.qml: the selected
// tab (Suggestions at every launch) and what the content area, the header and
// the Scan button show for it and the scan model's phase.
class ContentViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // The selected tab's raw value ("Suggestions", ..., "History"); an unknown
    // value is ignored.
    Q_PROPERTY(QString tab READ tab WRITE setTab NOTIFY tabChanged)
    // The tabs in strip order: {title, symbol} maps; the title is the English
    // key, shown translated.
    Q_PROPERTY(QVariantList tabs READ tabs CONSTANT)
    // ContentView::routeName of the content to show.
    Q_PROPERTY(QString route READ route NOTIFY routeChanged)
    Q_PROPERTY(bool showsHeader READ showsHeader NOTIFY routeChanged)
    // The Scan button is disabled while a scan runs.
    Q_PROPERTY(bool canScan READ canScan NOTIFY routeChanged)

  public:
    explicit ContentViewModel(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    QString tab() const;
    void setTab(const QString& rawValue);
    ContentView::Tab selectedTab() const { return tab_; }
    static QVariantList tabs();
    QString route() const;
    bool showsHeader() const;
    bool canScan() const;

  signals:
    void scanModelChanged();
    void tabChanged();
    void routeChanged();

  private:
    ScanModel::Phase phase() const;

    QPointer<ScanModel> scanModel_;
    ContentView::Tab tab_ = ContentView::Tab::suggestions;
};

}  // namespace tandor
