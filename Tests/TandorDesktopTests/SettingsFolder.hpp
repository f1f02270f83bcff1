#pragma once

#include <QSettings>
#include <QString>

#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::testing {

// Points the user settings (QSettings) into a fresh folder of their own, kept
// apart from any fixture home so that a scan never counts them. QSettings
// reads the path once per file, so every test that writes settings takes one.
class SettingsFolder {
  public:
    SettingsFolder() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder_.path()));
        QSettings().clear();
    }

    const std::string& path() const { return folder_.path(); }

  private:
    TemporaryFolder folder_;
};

}  // namespace tandor::testing
