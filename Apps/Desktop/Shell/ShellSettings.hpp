#pragma once

#include <QtQml/qqmlregistration.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVariantList>
#include <QWindow>
#include <functional>

namespace tandor {

// The user settings the shell reads and writes (QSettings, keys exactly as
// named), for QML as the singleton ShellSettings:
// "tutorialOpen", set by the Help menu and read by the main view,
// "didFinishOnboarding", set once the first launch's onboarding has ended,
// "tandorLanguage", the language picker's choice, read by Texts at start, and
// "relaunchWindowGeometry", the main window's place written by relaunch() and
// taken by the next main window.
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
    static constexpr auto relaunchGeometryKey = "relaunchWindowGeometry";

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
    // Stores the main window's geometry, then starts a new Tandor with the
    // same arguments and quits this one.
    Q_INVOKABLE void relaunch();
    // Called by the main window before it shows: takes the geometry the last
    // relaunch stored and applies it when it fits on a present screen (a
    // screen unplugged meanwhile must not leave the window out of sight), and
    // remembers the window for relaunch().
    Q_INVOKABLE void placeMainWindow(QWindow* window);
    // True when geometry lies wholly on one of these screen areas.
    static bool fitsOnAScreen(const QRect& geometry, const QList<QRect>& screens);

    // Tests replace what relaunch() does, and the screens that are present.
    using Relauncher = std::function<void()>;
    static void setRelauncher(Relauncher relauncher);
    using ScreenAreas = std::function<QList<QRect>()>;
    static void setScreenAreas(ScreenAreas areas);

  signals:
    void tutorialOpenChanged();
    void didFinishOnboardingChanged();
    void languageChanged();
    void reduceMotionChanged();

  private:
    QPointer<QWindow> mainWindow_;
};

}  // namespace tandor
