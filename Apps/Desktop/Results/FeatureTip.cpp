#include "Results/FeatureTip.hpp"

#include <QSettings>

#include "Results/ResultsText.hpp"

namespace tandor {

FeatureTip::FeatureTip(QObject* parent) : QObject(parent) {
    reload();
}

void FeatureTip::setTip(Tip tip) {
    if (tip == tip_) {
        return;
    }
    tip_ = tip;
    reload();
    emit tipChanged();
}

QString FeatureTip::identifier() const {
    return tip_ == Tip::Pile ? QStringLiteral("PileTip") : QStringLiteral("SwipeKeysTip");
}

QString FeatureTip::title() const {
    return tip_ == Tip::Pile ? results::uiText("Nothing leaves yet")
                             : results::uiText("Decide with the arrow keys");
}

QString FeatureTip::message() const {
    if (tip_ == Tip::Pile) {
        return results::uiText(
            "Everything you pick waits here. One click moves it to the Trash, and History can put "
            "it back.");
    }
    return results::uiText("← to the pile, → to keep, Space for a preview, ⌫ to undo.");
}

QString FeatureTip::image() const {
    return tip_ == Tip::Pile ? QStringLiteral("tray.full") : QStringLiteral("keyboard");
}

void FeatureTip::close() {
    QSettings().setValue(settingsKey(), true);
    if (!dismissed_) {
        dismissed_ = true;
        emit dismissedChanged();
    }
}

QString FeatureTip::settingsKey() const {
    return QStringLiteral("tips/%1/dismissed").arg(identifier());
}

void FeatureTip::reload() {
    const bool dismissed = QSettings().value(settingsKey(), false).toBool();
    if (dismissed != dismissed_) {
        dismissed_ = dismissed;
        emit dismissedChanged();
    }
}

}  // namespace tandor
