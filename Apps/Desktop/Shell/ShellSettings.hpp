#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>

namespace tandor {

// The user settings the shell reads and writes (QSettings, keys exactly as
// named), for QML as the singleton ShellSettings:
// "tutorialOpen", set by the Help menu and read by the main view,
// "didFinishOnboarding", set once the first launch's onboarding has ended, and
// "tandorLanguage", the language picker's choice, read by Texts at start.
class ShellSettings : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(bool tutorialOpen READ tutorialOpen WRITE setTutorialOpen NOTIFY tutorialOpenChanged)
    Q_PROPERTY(bool didFinishOnboarding READ didFinishOnboarding WRITE setDidFinishOnboarding NOTIFY
                   didFinishOnboardingChanged)
    // "" for the system's language, else "en" or "it".
    Q_PROPERTY(QString language READ language NOTIFY languageChanged)
    // Stops the balloons and the bars' motion ("reduceMotion", off by
    // default): the stand-in for the system's reduce-motion setting.
    Q_PROPERTY(bool reduceMotion READ reduceMotion WRITE setReduceMotion NOTIFY reduceMotionChanged)
    // The picker's choices in order: {code, title} maps; the title of "" is
    // a text key, the others are the languages' own names.
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)

  public:
    static constexpr auto tutorialOpenKey = "tutorialOpen";
    static constexpr auto didFinishOnboardingKey = "didFinishOnboarding";
    static constexpr auto languageKey = "tandorLanguage";
    static constexpr auto reduceMotionKey = "reduceMotion";

    explicit ShellSettings(QObject* parent = nullptr);

    bool tutorialOpen() const;
    void setTutorialOpen(bool open);
    bool didFinishOnboarding() const;
    void setDidFinishOnboarding(bool finished);
    QString language() const;
    bool reduceMotion() const;
    void setReduceMotion(bool reduce);
    static QVariantList languages();

    // Stores the choice ("" removes the key, so that the system's language
    // applies); an unknown code changes nothing. True when the stored choice
    // changed, so that a relaunch is needed for it to take effect.
    Q_INVOKABLE bool chooseLanguage(const QString& code);
    // Starts a new Tandor with the same arguments and quits this one.
    Q_INVOKABLE void relaunch();

    // Tests replace what relaunch() does.
    using Relauncher = std::function<void()>;
    static void setRelauncher(Relauncher relauncher);

  signals:
    void tutorialOpenChanged();
    void didFinishOnboardingChanged();
    void languageChanged();
    void reduceMotionChanged();
};

}  // namespace tandor
