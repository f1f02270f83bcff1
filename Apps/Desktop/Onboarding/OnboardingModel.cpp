#include "Onboarding/OnboardingModel.hpp"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

#include "Support/FileManagerReveal.hpp"
#include "TandorCore/SupportFolder.hpp"

namespace tandor {
namespace {

OnboardingModel::AccessSource systemSource() {
    return {[] { return FullDiskAccess::currentStatus(homeFolderPath()); },
            FullDiskAccess::settingsURL()};
}

OnboardingModel::AccessSource& currentSource() {
    static OnboardingModel::AccessSource source = systemSource();
    return source;
}

}  // namespace

OnboardingModel::OnboardingModel(QObject* parent)
    : QObject(parent), source_(currentSource()), access_(source_.status()) {
    poll_.setInterval(pollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &OnboardingModel::readAccess);
}

void OnboardingModel::setScanModel(ScanModel* model) {
    if (model != scanModel_) {
        scanModel_ = model;
        emit scanModelChanged();
    }
}

QString OnboardingModel::step() const {
    return QString::fromUtf8(OnboardingFlow::rawValue(step_));
}

QString OnboardingModel::accessForm() const {
    return QString::fromUtf8(OnboardingFlow::rawValue(form()));
}

bool OnboardingModel::showsAccessOffNote() const {
    return OnboardingFlow::showsAccessOffNote(form());
}

void OnboardingModel::finishTour() {
    press(OnboardingFlow::Action::tourDone);
}

void OnboardingModel::back() {
    press(OnboardingFlow::Action::back);
}

void OnboardingModel::skipForNow() {
    press(OnboardingFlow::Action::skipForNow);
}

void OnboardingModel::continueToReady() {
    press(OnboardingFlow::Action::continueToReady);
}

void OnboardingModel::scanHomeFolder() {
    if (step_ != OnboardingFlow::Step::ready) {
        return;
    }
    // Ending the onboarding replaces its view, and this model with it, once
    // the event loop runs again: only the local pointer is used after.
    const QPointer<ScanModel> model = scanModel_;
    emit finished();
    if (model) {
        model->scanHome();
    }
}

void OnboardingModel::openSettings() const {
    if (source_.settingsAddress) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(*source_.settingsAddress)));
    }
}

void OnboardingModel::showApplication() const {
    if (source_.settingsAddress) {
        FileManagerReveal::reveal(QCoreApplication::applicationFilePath().toStdString());
    }
}

void OnboardingModel::setAccessSource(AccessSource source) {
    currentSource() = source.status ? std::move(source) : systemSource();
}

OnboardingFlow::AccessForm OnboardingModel::form() const {
    return OnboardingFlow::accessForm(access_ == FullDiskAccess::Status::granted,
                                      source_.settingsAddress.has_value());
}

void OnboardingModel::press(OnboardingFlow::Action action) {
    const auto target = OnboardingFlow::next(step_, action, form());
    if (!target) {
        return;
    }
    step_ = *target;
    if (step_ == OnboardingFlow::Step::access) {
        poll_.start();
    } else {
        poll_.stop();
    }
    emit stepChanged();
}

void OnboardingModel::readAccess() {
    const auto status = source_.status();
    if (status != access_) {
        access_ = status;
        emit accessChanged();
    }
}

}  // namespace tandor
