#include "Shell/ShellSettings.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QVariantMap>
#include <QWindow>
#include <algorithm>

namespace tandor {
namespace {

void relaunchApplication() {
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty()) {
        arguments.removeFirst();
    }
    if (QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments)) {
        QCoreApplication::quit();
    }
}

ShellSettings::Relauncher& currentRelauncher() {
    static ShellSettings::Relauncher relauncher = relaunchApplication;
    return relauncher;
}

QList<QRect> presentScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->geometry());
    }
    return areas;
}

ShellSettings::ScreenAreas& currentScreenAreas() {
    static ShellSettings::ScreenAreas areas = presentScreenAreas;
    return areas;
}

const QStringList& languageCodes() {
    static const QStringList codes = {QString(), QStringLiteral("en"), QStringLiteral("it")};
    return codes;
}

}  // namespace

ShellSettings::ShellSettings(QObject* parent) : QObject(parent) {
}

bool ShellSettings::tutorialOpen() const {
    return QSettings().value(tutorialOpenKey, false).toBool();
}

void ShellSettings::setTutorialOpen(bool open) {
    // Writing true while it is true changes nothing.
    const bool changed = open != tutorialOpen();
    QSettings().setValue(tutorialOpenKey, open);
    if (changed) {
        emit tutorialOpenChanged();
    }
}

bool ShellSettings::didFinishOnboarding() const {
    return QSettings().value(didFinishOnboardingKey, false).toBool();
}

void ShellSettings::setDidFinishOnboarding(bool finished) {
    if (finished != didFinishOnboarding()) {
        QSettings settings;
        settings.setValue(didFinishOnboardingKey, finished);
        // Written through at once: quitting right after the first scan starts
        // must not bring the onboarding back.
        settings.sync();
        emit didFinishOnboardingChanged();
    }
}

QString ShellSettings::language() const {
    const QString stored = QSettings().value(languageKey).toString();
    return languageCodes().contains(stored) ? stored : QString();
}

bool ShellSettings::reduceMotion() const {
    return QSettings().value(reduceMotionKey, false).toBool();
}

void ShellSettings::setReduceMotion(bool reduce) {
    if (reduce != reduceMotion()) {
        QSettings().setValue(reduceMotionKey, reduce);
        emit reduceMotionChanged();
    }
}

QVariantList ShellSettings::languages() {
    return {
        QVariantMap{{QStringLiteral("code"), QString()},
                    {QStringLiteral("title"), QStringLiteral("System language")}},
        QVariantMap{{QStringLiteral("code"), QStringLiteral("en")},
                    {QStringLiteral("title"), QStringLiteral("English")}},
        QVariantMap{{QStringLiteral("code"), QStringLiteral("it")},
                    {QStringLiteral("title"), QStringLiteral("Italiano")}},
    };
}

bool ShellSettings::chooseLanguage(const QString& code) {
    if (!languageCodes().contains(code) || code == language()) {
        return false;
    }
    QSettings settings;
    if (code.isEmpty()) {
        settings.remove(languageKey);
    } else {
        settings.setValue(languageKey, code);
    }
    settings.sync();
    emit languageChanged();
    return true;
}

void ShellSettings::relaunch() {
    if (mainWindow_) {
        QSettings settings;
        settings.setValue(relaunchGeometryKey, mainWindow_->geometry());
        // The new process reads it at once, before this one has quit.
        settings.sync();
    }
    currentRelauncher()();
}

void ShellSettings::placeMainWindow(QWindow* window) {
    mainWindow_ = window;
    QSettings settings;
    const QVariant stored = settings.value(relaunchGeometryKey);
    // Only the launch right after a relaunch takes the place.
    settings.remove(relaunchGeometryKey);
    if (window == nullptr || !stored.canConvert<QRect>()) {
        return;
    }
    const QRect geometry = stored.toRect();
    if (geometry.isValid() && fitsOnAScreen(geometry, currentScreenAreas()())) {
        window->setGeometry(geometry);
    }
}

bool ShellSettings::fitsOnAScreen(const QRect& geometry, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& screen) { return screen.contains(geometry); });
}

void ShellSettings::setRelauncher(Relauncher relauncher) {
    currentRelauncher() = relauncher ? std::move(relauncher) : Relauncher(relaunchApplication);
}

void ShellSettings::setScreenAreas(ScreenAreas areas) {
    currentScreenAreas() = areas ? std::move(areas) : ScreenAreas(presentScreenAreas);
}

}  // namespace tandor
