#include "Shell/ContentViewModel.hpp"

#include <QVariantMap>

#include "TandorShared/DisplayText.hpp"

namespace tandor {
ContentViewModel::ContentViewModel(QObject* parent) : QObject(parent) {
}

void ContentViewModel::setScanModel(ScanModel* model) {
    if (scanModel_ == model) {
        return;
    }
    if (scanModel_) {
        disconnect(scanModel_, nullptr, this, nullptr);
    }
    scanModel_ = model;
    if (model) {
        connect(model, &ScanModel::phaseChanged, this, &ContentViewModel::routeChanged);
        connect(model, &ScanModel::resultsChanged, this, &ContentViewModel::routeChanged);
    }
    emit scanModelChanged();
    emit routeChanged();
}

QString ContentViewModel::tab() const {
    return ui::fromEngine(ContentView::rawValue(tab_));
}

void ContentViewModel::setTab(const QString& rawValue) {
    const auto tab = ContentView::tabFromRawValue(rawValue.toStdString());
    if (!tab || *tab == tab_) {
        return;
    }
    tab_ = *tab;
    emit tabChanged();
    emit routeChanged();
}

QVariantList ContentViewModel::tabs() {
    QVariantList list;
    for (const auto tab : ContentView::allTabs) {
        list.append(
            QVariantMap{{QStringLiteral("title"), ui::fromEngine(ContentView::rawValue(tab))},
                        {QStringLiteral("symbol"), ui::fromEngine(ContentView::symbol(tab))}});
    }
    return list;
}

ScanModel::Phase ContentViewModel::phase() const {
    return scanModel_ ? scanModel_->phase() : ScanModel::Phase::idle;
}

QString ContentViewModel::route() const {
    const bool hasRoot = scanModel_ && scanModel_->root() != nullptr;
    return ui::fromEngine(ContentView::routeName(ContentView::route(phase(), tab_, hasRoot)));
}

bool ContentViewModel::showsHeader() const {
    return ContentView::showsHeader(phase(), tab_);
}

bool ContentViewModel::canScan() const {
    return phase() != ScanModel::Phase::scanning;
}

}  // namespace tandor
