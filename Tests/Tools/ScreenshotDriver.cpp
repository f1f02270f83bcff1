#include <QtQml/qqmlextensionplugin.h>

#include <QAbstractItemModel>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/SortingFate.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

// Drives the real application through its main screens and saves a PNG of
// each: scripts/screenshots runs it on a fixture home folder. It loads the
// QML as main.cpp does, scans the home folder for real and acts only through
// the view models and QML objects the screens themselves use.
//
//   tandor-screenshots FOLDER english     every screen, in English
//   tandor-screenshots FOLDER italian     the suggestions, in Italian
//   tandor-screenshots FOLDER first-launch          the onboarding and the
//   tandor-screenshots FOLDER first-launch-italian  tutorial sheet, still
//                                         (fresh settings, reduce motion on)
namespace {

// Software rendering of a frame or two, and the cards' short animations.
constexpr int settleMilliseconds = 600;
constexpr int scanTimeoutMilliseconds = 120'000;

[[noreturn]] void fail(const QString& message) {
    std::fprintf(stderr, "tandor-screenshots: %s\n", qPrintable(message));
    std::exit(1);
}

class Driver {
  public:
    Driver(QQuickWindow& window, tandor::ScanModel& model, QString folder)
        : window_(window), model_(model), folder_(std::move(folder)) {}

    void save(QQuickWindow& window, const QString& name) const {
        const QImage image = window.grabWindow();
        const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
        if (image.isNull() || !image.save(path)) {
            fail(QStringLiteral("could not save %1").arg(path));
        }
        std::printf("%s\n", qPrintable(path));
    }

    void save(const QString& name) const { save(window_, name); }

    template <typename T = QObject>
    T& find(const char* objectName) const {
        auto* object = window_.findChild<T*>(QString::fromLatin1(objectName));
        if (object == nullptr) {
            fail(QStringLiteral("no object named %1").arg(QLatin1String(objectName)));
        }
        return *object;
    }

    static void waitFor(const std::function<bool()>& condition, int timeout, const char* what) {
        if (!QTest::qWaitFor(condition, timeout)) {
            fail(QStringLiteral("timed out waiting for %1").arg(QLatin1String(what)));
        }
    }

    void waitForSplashToEnd() const {
        auto& splash = find<QQuickItem>("splashLoader");
        waitFor([&] { return !splash.property("active").toBool(); }, 10'000, "the splash");
    }

    // Scans the home folder; saves the progress view at the first progress
    // report when progressName is given. The save happens inside the report's
    // handler: a small home is read faster than the event loop would come
    // back to the view.
    void scan(const QString& progressName) {
        bool saved = progressName.isEmpty();
        const auto connection = QObject::connect(&model_, &tandor::ScanModel::phaseChanged, [&] {
            if (!saved && model_.isScanning() && model_.filesSeen() > 0) {
                saved = true;
                save(progressName);
            }
        });
        if (!model_.scanHome()) {
            fail(QStringLiteral("the scan did not start"));
        }
        waitFor([&] { return model_.phase() != tandor::ScanModel::Phase::scanning; },
                scanTimeoutMilliseconds, "the scan");
        QObject::disconnect(connection);
        if (model_.phase() != tandor::ScanModel::Phase::ready) {
            fail(QStringLiteral("the scan failed: %1").arg(model_.failureMessage()));
        }
        if (!saved) {
            std::fprintf(stderr, "tandor-screenshots: the scan sent no progress report\n");
        }
    }

    void showTab(const char* title) const {
        find("contentViewModel").setProperty("tab", QString::fromLatin1(title));
        QTest::qWait(settleMilliseconds);
    }

    // The items of this name in the visual tree: views' delegates have a
    // visual parent only.
    QList<QQuickItem*> findItems(const QString& objectName) const {
        QList<QQuickItem*> found;
        QList<QQuickItem*> pending{window_.contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem* item = pending.takeFirst();
            if (item->objectName() == objectName) {
                found.append(item);
            }
            pending.append(item->childItems());
        }
        return found;
    }

    // Opens the details of the first card that lists items.
    void openFirstCard() const {
        const auto cards = findItems(QStringLiteral("suggestionCard"));
        if (cards.isEmpty()) {
            fail(QStringLiteral("no suggestion cards (%1 suggestions, route %2)")
                     .arg(model_.suggestions().size())
                     .arg(find("contentViewModel").property("route").toString()));
        }
        QQuickItem* chosen = cards.first();
        for (QQuickItem* card : cards) {
            if (card->property("items").toList().size() > 1) {
                chosen = card;
                break;
            }
        }
        chosen->setProperty("expanded", true);
        QTest::qWait(settleMilliseconds);
    }

    // Presses the first visible button of this name, as a click does.
    void press(const char* objectName) const {
        for (QQuickItem* button : findItems(QString::fromLatin1(objectName))) {
            if (button->isVisible() && button->isEnabled()) {
                QMetaObject::invokeMethod(button, "clicked");
                QTest::qWait(settleMilliseconds);
                return;
            }
        }
        fail(QStringLiteral("no button named %1").arg(QLatin1String(objectName)));
    }

    // Waits until an item of this name is visible.
    void waitForVisible(const char* objectName) const {
        waitFor(
            [&] {
                const auto items = findItems(QString::fromLatin1(objectName));
                return std::any_of(items.begin(), items.end(),
                                   [](QQuickItem* item) { return item->isVisible(); });
            },
            10'000, objectName);
        QTest::qWait(settleMilliseconds);
    }

    tandor::ScanModel& model() const { return model_; }

  private:
    QQuickWindow& window_;
    tandor::ScanModel& model_;
    QString folder_;
};

// Dates every record of the history two minutes earlier: the one step not
// taken through the models, so that the two commits read as two cleanups.
void ageHistory() {
    const tandor::JSONStoreFile file(tandor::CleanupHistory::defaultURL());
    file.update([](const std::optional<nlohmann::json>& current) {
        nlohmann::json records = *current;
        for (auto& record : records) {
            const auto date = tandor::parseISO8601(record["date"].get<std::string>());
            record["date"] = tandor::iso8601String(*date - std::chrono::minutes(2));
        }
        return records;
    });
}

// Two cleanups (the pile of the suggestions, then three reports), one report
// put back, one emptied from the Trash, one whose place is taken, and two
// files moved into a sorting folder, with the moves section open.
void runHistory(Driver& driver) {
    tandor::ScanModel& model = driver.model();
    model.commitPile();
    ageHistory();
    const std::string reports = tandor::homeFolderPath() + "/Documents/Reports/";
    for (const char* name : {"file-1.txt", "file-2.txt", "file-3.txt"}) {
        model.addToPile({reports + name, 8, std::nullopt});
    }
    model.commitPile();
    for (const auto& record :
         tandor::CleanupHistory(tandor::CleanupHistory::defaultURL()).records()) {
        if (record.originalPath == reports + "file-2.txt") {
            std::filesystem::remove(record.trashedPath);
        }
    }
    std::ofstream(reports + "file-3.txt") << "a new report";

    tandor::SortingModel& sorting = *model.swipe()->sorting();
    sorting.createTemporary("Decide later", tandor::SortingFate::pileAfter(30));
    const std::string documents = tandor::homeFolderPath() + "/Documents/Letters/";
    for (const char* name : {"file-1.txt", "file-2.txt"}) {
        bool moved = false;
        sorting.move(documents + name, 8, [&](const auto&) { moved = true; });
        Driver::waitFor([&] { return moved; }, 10'000, "a sorting move");
    }

    driver.showTab("History");
    auto& history = driver.find<QAbstractItemModel>("historyModel");
    // The first record row of the newest session: file-1.txt.
    QMetaObject::invokeMethod(&history, "restoreRow", Q_ARG(int, 1));
    driver.find("sortingMovesSection").setProperty("expanded", true);
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("09-history"));
}

// A proposal from the history turned on and run once, the next proposal
// previewed; then the Apps pane with an application and its leftovers.
void runSmart(Driver& driver) {
    driver.showTab("Smart");
    driver.press("previewButton");
    driver.press("turnOnButton");
    driver.press("runNowButton");
    driver.press("previewButton");
    driver.save(QStringLiteral("smart-automations"));

    driver.find("smartView").setProperty("pane", QStringLiteral("Apps"));
    driver.waitForVisible("appRow");
    for (QQuickItem* row : driver.findItems(QStringLiteral("appRow"))) {
        if (row->property("name").toString() == QStringLiteral("Painter")) {
            QMetaObject::invokeMethod(row, "clicked");
        }
    }
    driver.waitForVisible("uninstallCount");
    driver.save(QStringLiteral("smart-apps"));
}

void runEnglish(Driver& driver) {
    // The splash, once its title has come in.
    QTest::qWait(900);
    driver.save(QStringLiteral("01-splash"));
    driver.waitForSplashToEnd();

    driver.scan(QStringLiteral("02-progress"));
    driver.showTab("Suggestions");
    driver.openFirstCard();
    driver.save(QStringLiteral("03-suggestions"));

    driver.showTab("Browse");
    driver.save(QStringLiteral("04-browse"));

    // A kind other than the largest, which shows at first.
    driver.showTab("Categories");
    auto& categories = driver.find<QAbstractItemModel>("categoryList");
    const int selected = categories.property("selectedRow").toInt();
    for (int row = 0; row < categories.rowCount(); ++row) {
        const bool isHeader = categories.data(categories.index(row, 0), Qt::UserRole + 1).toBool();
        if (!isHeader && row != selected) {
            QMetaObject::invokeMethod(&categories, "select", Q_ARG(int, row));
            break;
        }
    }
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("05-categories"));

    // The first three suggestions on the pile, as their cards' buttons do.
    driver.showTab("Suggestions");
    auto& suggestions = driver.find<QAbstractItemModel>("suggestionList");
    for (int row = 0; row < std::min(3, suggestions.rowCount()); ++row) {
        QMetaObject::invokeMethod(&suggestions, "addToPile", Q_ARG(int, row));
    }
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("06-pile"));

    auto& settings = driver.find<QQuickWindow>("settingsWindow");
    settings.show();
    Driver::waitFor([&] { return settings.isExposed(); }, 10'000, "the Settings window");
    QTest::qWait(settleMilliseconds);
    driver.save(settings, QStringLiteral("07-settings"));
    settings.close();

    runHistory(driver);
    runSmart(driver);
}

// The onboarding's three steps (the tour at its clutter page), then, past
// the onboarding, the Help menu's tutorial sheet.
void runFirstLaunch(Driver& driver, bool italian) {
    driver.waitForSplashToEnd();
    const auto views = driver.findItems(QStringLiteral("onboardingView"));
    if (views.isEmpty()) {
        fail(QStringLiteral("no onboarding: the settings are not fresh"));
    }
    QQuickItem* tour = driver.findItems(QStringLiteral("onboardingTour")).value(0);
    if (tour == nullptr) {
        fail(QStringLiteral("the onboarding does not start with the tour"));
    }
    QTest::keyClick(tour->window(), Qt::Key_Right);
    QTest::qWait(settleMilliseconds);
    if (italian) {
        driver.save(QStringLiteral("onboarding-tour-italian"));
        return;
    }
    driver.save(QStringLiteral("onboarding-tour"));

    auto* onboarding = views.first()->findChild<QObject*>(QStringLiteral("onboardingModel"));
    QMetaObject::invokeMethod(onboarding, "finishTour");
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("onboarding-access"));
    QMetaObject::invokeMethod(onboarding, "continueToReady");
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("onboarding-ready"));

    // Ended without the scan: the welcome under the sheet.
    QMetaObject::invokeMethod(onboarding, "finished");
    QMetaObject::invokeMethod(&driver.find("tutorialMenuItem"), "triggered");
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("tutorial-sheet"));
}

void runItalian(Driver& driver) {
    driver.waitForSplashToEnd();
    driver.scan({});
    driver.showTab("Suggestions");
    driver.openFirstCard();
    driver.save(QStringLiteral("08-suggestions-italian"));
}

}  // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc == 3 ? QByteArray(argv[2]) : QByteArray();
    if (mode != "english" && mode != "italian" && mode != "first-launch" &&
        mode != "first-launch-italian") {
        std::fprintf(stderr,
                     "usage: tandor-screenshots FOLDER "
                     "english|italian|first-launch|first-launch-italian\n");
        return 2;
    }
    const bool italian = mode.endsWith("italian");
    const bool firstLaunch = mode.startsWith("first-launch");
    // It scans HOME and writes settings: only ever a fixture's, as the script
    // sets them up, never a real home folder's by mistake.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(home + '/') ||
        !qEnvironmentVariable("XDG_DATA_HOME").startsWith(home + '/')) {
        std::fprintf(stderr,
                     "tandor-screenshots: run it through scripts/screenshots, which "
                     "points HOME and the XDG folders at a fixture\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // As main.cpp.
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName("Tandor");
    QGuiApplication::setOrganizationName("Tandor");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE")) {
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
    }
    // The language is read once, when the texts are first needed.
    QSettings().setValue("tandorLanguage", italian ? "it" : "en");
    if (firstLaunch) {
        // Still pictures: the demonstrations show their final state.
        QSettings().setValue("reduceMotion", true);
    }

    tandor::ScanModel model;
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        fail(QStringLiteral("Main.qml did not load"));
    }
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (window == nullptr) {
        fail(QStringLiteral("the root object is not a window"));
    }
    if (!QTest::qWaitForWindowExposed(window)) {
        fail(QStringLiteral("the window was never shown"));
    }

    Driver driver(*window, model, QString::fromLocal8Bit(argv[1]));
    if (firstLaunch) {
        runFirstLaunch(driver, italian);
    } else if (italian) {
        runItalian(driver);
    } else {
        runEnglish(driver);
    }
    return 0;
}
