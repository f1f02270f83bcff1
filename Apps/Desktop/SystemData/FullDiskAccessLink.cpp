#include "SystemData/FullDiskAccessLink.hpp"

#include <QDesktopServices>
#include <QUrl>

#include "TandorSystem/FullDiskAccess.hpp"

namespace tandor {

FullDiskAccessLink::FullDiskAccessLink(QObject* parent) : QObject(parent) {
}

QString FullDiskAccessLink::settingsURL() {
    const auto url = FullDiskAccess::settingsURL();
    return url ? QString::fromStdString(*url) : QString();
}

void FullDiskAccessLink::openSettings() {
    const QString url = settingsURL();
    if (!url.isEmpty()) {
        QDesktopServices::openUrl(QUrl(url));
    }
}

}  // namespace tandor
