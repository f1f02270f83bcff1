#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

#include "Onboarding/OnboardingFlow.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorSystem/FullDiskAccess.hpp"

namespace tandor {

// The state of one first-launch onboarding (OnboardingView.qml makes one per
// showing, so leaving and coming back starts again at the tour with a fresh
// access check): the step, what the disk-access page shows, and the buttons.
// While the access page shows, the access state is read again every 1.5 s.
class OnboardingModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // OnboardingFlow::rawValue of the step: "tour", "access" or "ready".
    Q_PROPERTY(QString step READ step NOTIFY stepChanged)
    // OnboardingFlow::rawValue of the access page's form.
    Q_PROPERTY(QString accessForm READ accessForm NOTIFY accessChanged)
    Q_PROPERTY(bool showsAccessOffNote READ showsAccessOffNote NOTIFY accessChanged)

  public:
    // Where the access state and the settings page come from; tests give
    // their own.
    struct AccessSource {
        std::function<FullDiskAccess::Status()> status;
        std::optional<std::string> settingsAddress;
    };
    static constexpr int pollMilliseconds = 1500;

    explicit OnboardingModel(QObject* parent = nullptr);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    QString step() const;
    QString accessForm() const;
    bool showsAccessOffNote() const;

    Q_INVOKABLE void finishTour();
    Q_INVOKABLE void back();
    Q_INVOKABLE void skipForNow();
    Q_INVOKABLE void continueToReady();
    // Ends the onboarding (finished()) before the first scan starts, so the
    // flag is stored even if the scan fails at once.
    Q_INVOKABLE void scanHomeFolder();
    // The access page's "Open System Settings" and "Show Tandor in File
    // Manager"; both do nothing without a settings address.
    Q_INVOKABLE void openSettings() const;
    Q_INVOKABLE void showApplication() const;

    // The source of every model made from now on; an empty status function
    // restores the system's.
    static void setAccessSource(AccessSource source);

  signals:
    void scanModelChanged();
    void stepChanged();
    void accessChanged();
    void finished();

  private:
    OnboardingFlow::AccessForm form() const;
    void press(OnboardingFlow::Action action);
    void readAccess();

    QPointer<ScanModel> scanModel_;
    AccessSource source_;
    OnboardingFlow::Step step_ = OnboardingFlow::Step::tour;
    FullDiskAccess::Status access_ = FullDiskAccess::Status::unknown;
    QTimer poll_;
};

}  // namespace tandor
