#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

namespace tandor {

// The settings page where the disk-access permission is granted, for the
// hint's "Open Settings". This platform has no such page, so the address is
// empty and the hint leaves the button out.
class FullDiskAccessLink : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QString settingsURL READ settingsURL CONSTANT)

  public:
    explicit FullDiskAccessLink(QObject* parent = nullptr);

    static QString settingsURL();
    // Fire and forget: a failure to open is not reported.
    Q_INVOKABLE static void openSettings();
};

}  // namespace tandor
