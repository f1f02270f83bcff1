#include <QtQml/qqmlextensionplugin.h>

#include <QAbstractItemModel>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
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

#include "Assistant/AssistantSheetModel.hpp"
#include "Duplicates/DuplicatesModel.hpp"
#include "Duplicates/IdenticalFilesListModel.hpp"
#include "Duplicates/SimilarPhotosListModel.hpp"
#include "PhotoFixture.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Shell/ShellSettings.hpp"
#include "Swipe/SwipeReview.hpp"
#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorReview/SortingFate.hpp"
#include "TandorReview/SortingStore.hpp"

Q_IMPORT_QML_PLUGIN(TandorPlugin)
Q_IMPORT_QML_PLUGIN(Tandor_SharedPlugin)

// Drives the real application through its main screens and saves a PNG of
// each: scripts/screenshots runs it on a fixture home folder. It loads the
// QML as main.cpp does, scans the home folder for real and acts only through
// the view models and QML objects the screens themselves use.
//
//   tandor-screenshots FOLDER english     every screen, in English
//   tandor-screenshots FOLDER italian     the suggestions, the history, System
//                                         Data, the assistant sheet, the swipe
//                                         card, the Duplicates results and the
//                                         Smart tab, in Italian
//   tandor-screenshots FOLDER first-launch          the onboarding and the
//   tandor-screenshots FOLDER first-launch-italian  tutorial sheet, still
//                                         (fresh settings, reduce motion on)
//   tandor-screenshots FILE icon COLOUR LETTER
//                                         writes a fixture application's icon
//                                         (FILE.icns or FILE.png)
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

    // Saves the window at its minimum size too, then gives it back its size.
    void saveSmallToo(const QString& name) const {
        save(name);
        const QSize size = window_.size();
        window_.resize(window_.minimumSize());
        QTest::qWait(settleMilliseconds);
        save(name + QStringLiteral("-small"));
        window_.resize(size);
        QTest::qWait(settleMilliseconds);
    }

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

// Two bursts of similar shots in the Pictures folder, made by the photo
// generator of the tests, so that no image is stored in the repository.
void writeBursts() {
    const std::string folder = tandor::homeFolderPath() + "/Pictures/Bursts";
    std::filesystem::create_directories(folder);
    for (int burst = 0; burst < 2; ++burst) {
        for (int shot = 0; shot < 4 - burst; ++shot) {
            tandor::testing::PhotoSpec spec;
            spec.scene = static_cast<std::uint64_t>(21 + burst);
            // Above 1 MB: the home scan folds smaller files into their folder.
            spec.width = 3200 - 100 * shot;
            spec.height = 2400 - 75 * shot;
            spec.quality = 97;
            spec.variation.left = 0.02 * shot;
            spec.variation.subjectDX = 0.01 * shot;
            spec.variation.noiseSeed = static_cast<std::uint64_t>(shot + 1);
            spec.exifDate =
                "2025:0" + std::to_string(6 + burst) + ":14 17:3" + std::to_string(shot) + ":00";
            tandor::testing::writePhoto(
                folder + "/IMG_" + std::to_string(4200 + 10 * burst + shot) + ".jpg", spec);
        }
    }
}

// The Duplicates tab after a search: the identical files with the group open
// and one copy on the pile, then the similar photos with a shot on the pile
// and the refusal of the best shot as the notice. suffix ends each name.
void runDuplicateResults(Driver& driver, tandor::DuplicatesModel& duplicates,
                         const QString& suffix) {
    driver.showTab("Duplicates");
    duplicates.run();
    Driver::waitFor([&] { return duplicates.phaseName() != QLatin1String("working"); },
                    scanTimeoutMilliseconds, "the duplicate search");
    if (duplicates.phaseName() != QLatin1String("ready")) {
        fail(QStringLiteral("the duplicate search ended %1: %2")
                 .arg(duplicates.phaseName(), duplicates.phaseText()));
    }
    auto* identical = duplicates.identical();
    if (identical->rowCount() == 0) {
        fail(QStringLiteral("no identical files found"));
    }
    identical->setExpanded(0, true);
    const auto& group = duplicates.search().groups().front();
    for (std::size_t file = 0; file < group.files().size(); ++file) {
        if (group.files()[file].path != group.keeperPath()) {
            identical->toggle(0, static_cast<int>(file));
            break;
        }
    }
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("duplicates-identical") + suffix);

    auto& view = driver.find("duplicatesView");
    view.setProperty("mode", 1);
    auto* similar = duplicates.similar();
    if (similar->rowCount() == 0) {
        fail(QStringLiteral("no similar photos found"));
    }
    similar->toggle(0, 1);
    view.setProperty("notice", similar->toggle(0, 0));
    QTest::qWait(2 * settleMilliseconds);
    driver.save(QStringLiteral("duplicates-similar") + suffix);
}

// The Duplicates tab: the start card, then its results.
void runDuplicates(Driver& driver, tandor::DuplicatesModel& duplicates) {
    driver.showTab("Duplicates");
    driver.save(QStringLiteral("duplicates-start"));
    runDuplicateResults(driver, duplicates, {});
}

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
    // A destination of a long name, as people give them.
    sorting.createTemporary("Paperwork to file with the accountant before spring",
                            tandor::SortingFate::pileAfter(30));
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
    driver.saveSmallToo(QStringLiteral("09-history"));
}

// The System Data tab once its measurement is shown.
void runSystemData(Driver& driver, const QString& name) {
    driver.showTab("System Data");
    auto& systemData = driver.find("systemDataModel");
    Driver::waitFor([&] { return systemData.property("hasReport").toBool(); }, 60'000,
                    "the System Data report");
    QTest::qWait(settleMilliseconds);
    driver.save(name);
}

// The assistant sheet with the switch on, the Codex set-up text and two
// proposals written through the store, as the assistant server writes them.
void runAssistantSheet(Driver& driver, const QString& name) {
    // Items that no earlier screen put on the pile or moved.
    const std::string home = tandor::homeFolderPath();
    const auto now = std::chrono::system_clock::now();
    tandor::AssistantProposalStore(
        tandor::paths::join(tandor::AssistantSettings::folder(), "assistant-proposals.json"))
        .add({{home + "/Documents/Recipes", 10'240'000,
               "Recipes you printed years ago; none was opened since.", now},
              {home + "/Music/album.flac", 5'000'000,
               "A lossless copy of an album that is also in your music app.", now}});
    // The toolbar's button makes the sheet and opens it.
    QMetaObject::invokeMethod(&driver.find("assistantButton"), "clicked");
    auto& sheet = driver.find("assistantSheet");
    Driver::waitFor([&] { return sheet.property("opened").toBool(); }, 10'000, "the sheet");
    auto* model =
        sheet.findChild<tandor::AssistantSheetModel*>(QStringLiteral("assistantSheetModel"));
    if (model == nullptr) {
        fail(QStringLiteral("no assistant sheet model"));
    }
    model->setEnabled(true);
    model->setClient(1);
    Driver::waitFor([&] { return model->proposalCount() == 2; }, 10'000, "the proposals");
    QTest::qWait(settleMilliseconds);
    driver.save(name);
    QMetaObject::invokeMethod(&sheet, "close");
}

tandor::SwipeReview& swipeReview(Driver& driver) {
    const auto views = driver.findItems(QStringLiteral("swipeView"));
    auto* review =
        views.isEmpty()
            ? nullptr
            : views.front()->findChild<tandor::SwipeReview*>(QStringLiteral("swipeReview"));
    if (review == nullptr) {
        fail(QStringLiteral("no swipe review"));
    }
    return *review;
}

void waitForScreen(tandor::SwipeReview& review, const char* screen) {
    Driver::waitFor([&] { return review.screen() == QLatin1String(screen); }, 10'000, screen);
    QTest::qWait(settleMilliseconds);
}

QQuickItem& firstItem(Driver& driver, const char* name) {
    QList<QQuickItem*> items;
    Driver::waitFor(
        [&] {
            items = driver.findItems(QString::fromLatin1(name));
            return !items.isEmpty();
        },
        10'000, name);
    return *items.front();
}

void click(Driver& driver, QQuickItem& item) {
    const QPointF centre = item.mapToScene({item.width() / 2, item.height() / 2});
    QTest::mouseClick(item.window(), Qt::LeftButton, {}, centre.toPoint());
    QTest::qWait(settleMilliseconds);
    static_cast<void>(driver);
}

// The decks with one reviewed to the end and a sorting folder that is due; a
// card held in a drag short of deciding; the tutorial, the destination picker
// and the new-folder sheet; the summary of a batch.
void runSwipe(Driver& driver) {
    tandor::ScanModel& model = driver.model();
    tandor::SortingModel& sorting = *model.swipe()->sorting();
    sorting.reload();
    driver.showTab("Swipe");
    tandor::SwipeReview& review = swipeReview(driver);
    review.setTutorialSeen(true);
    Driver::waitFor([&] { return review.decks().size() == 4; }, 10'000, "the decks");

    // Keeping the one old file leaves its deck all reviewed.
    review.start(3);
    waitForScreen(review, "stack");
    review.decide(QStringLiteral("keep"));
    waitForScreen(review, "summary");
    review.close();
    waitForScreen(review, "picker");
    // Down to the sorting folders, so that the due one shows under the decks.
    auto* decks = firstItem(driver, "deckPicker").property("contentItem").value<QObject*>();
    if (decks != nullptr) {
        QMetaObject::invokeMethod(decks, "positionViewAtBeginning");
        decks->setProperty("contentY", decks->property("contentY").toDouble() + 240);
    }
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("10-swipe-decks"));

    QSettings().setValue(tandor::ShellSettings::reduceMotionKey, true);
    review.setTutorialSeen(false);
    review.setOrderIndex(2);  // newest first: the photo leads
    model.swipe()->setBatchSize(3);
    review.start(0);
    waitForScreen(review, "stack");
    driver.save(QStringLiteral("14-sorting-tutorial"));
    for (int page = 0; page < 3; ++page) {
        click(driver, firstItem(driver, "tutorialNext"));
    }
    QSettings().setValue(tandor::ShellSettings::reduceMotionKey, false);

    QQuickItem& card = firstItem(driver, "topCard");
    QQuickWindow& window = *card.window();
    // The keys go to the active window; the Settings window was shown last.
    window.requestActivate();
    Driver::waitFor([&] { return window.isActive(); }, 5'000, "the main window to be active");
    const QPoint start = card.mapToScene({card.width() / 2, card.height() / 3}).toPoint();
    QTest::mousePress(&window, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(&window, start + QPoint(9 * step, -2 * step), 10);
    }
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("11-swipe-card"));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, start + QPoint(90, -20), 10);
    QTest::qWait(settleMilliseconds);

    sorting.setDestinationID(std::nullopt);
    QTest::keyClick(&window, Qt::Key_Up);
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("12-swipe-destination-picker"));
    click(driver, firstItem(driver, "newSortingFolder"));
    for (const char letter : std::string("Tax papers")) {
        QTest::keyClick(&window, letter);
    }
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("13-new-sorting-folder"));
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::qWait(settleMilliseconds);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTest::qWait(settleMilliseconds);

    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down}) {
        QTest::keyClick(&window, key);
        Driver::waitFor([&] { return !review.isPending(); }, 5'000, "the next card");
        QTest::qWait(100);
    }
    waitForScreen(review, "summary");
    driver.save(QStringLiteral("15-swipe-summary"));
}

// A proposal from the history turned on and run once (by the English run,
// which comes first), the next proposal previewed; then the Apps pane with
// an application and its leftovers.
void runSmart(Driver& driver, bool italian) {
    const QString suffix = italian ? QStringLiteral("-italian") : QString();
    driver.showTab("Smart");
    if (!italian) {
        driver.press("previewButton");
        driver.press("turnOnButton");
        driver.press("runNowButton");
    }
    driver.press("previewButton");
    driver.save(QStringLiteral("smart-automations") + suffix);

    driver.find("smartView").setProperty("pane", QStringLiteral("Apps"));
    driver.waitForVisible("appRow");
    for (QQuickItem* row : driver.findItems(QStringLiteral("appRow"))) {
        if (row->property("name").toString() == QStringLiteral("Painter")) {
            QMetaObject::invokeMethod(row, "clicked");
        }
    }
    driver.waitForVisible("uninstallCount");
    // The pointer rests where an earlier screen left it; below the list's
    // rows it shows no tooltip over the detail.
    auto& list = driver.find<QQuickItem>("appListView");
    QTest::mouseMove(list.window(), list.mapToScene({10, list.height() - 10}).toPoint());
    QTest::qWait(settleMilliseconds);
    driver.save(QStringLiteral("smart-apps") + suffix);

    // An application of a long name.
    for (QQuickItem* row : driver.findItems(QStringLiteral("appRow"))) {
        if (row->property("name").toString().startsWith(QStringLiteral("Professional"))) {
            QMetaObject::invokeMethod(row, "clicked");
        }
    }
    driver.waitForVisible("uninstallCount");
    driver.saveSmallToo(QStringLiteral("smart-apps-long-name") + suffix);
}

void runEnglish(Driver& driver, tandor::DuplicatesModel& duplicates) {
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

    // The menu item makes the Settings window and shows it.
    QMetaObject::invokeMethod(&driver.find("settingsMenuItem"), "triggered");
    auto& settings = driver.find<QQuickWindow>("settingsWindow");
    Driver::waitFor([&] { return settings.isExposed(); }, 10'000, "the Settings window");
    QTest::qWait(settleMilliseconds);
    driver.save(settings, QStringLiteral("07-settings"));
    settings.close();

    runDuplicates(driver, duplicates);
    runHistory(driver);
    runSwipe(driver);
    runSystemData(driver, QStringLiteral("system-data"));
    runAssistantSheet(driver, QStringLiteral("assistant-sheet"));
    runSmart(driver, false);
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

void runItalian(Driver& driver, tandor::DuplicatesModel& duplicates) {
    driver.waitForSplashToEnd();
    driver.scan({});
    driver.showTab("Suggestions");
    driver.openFirstCard();
    driver.save(QStringLiteral("08-suggestions-italian"));

    // The cleanups, the put back and the sorting moves of the English run.
    driver.showTab("History");
    driver.find("sortingMovesSection").setProperty("expanded", true);
    QTest::qWait(settleMilliseconds);
    driver.saveSmallToo(QStringLiteral("09-history-italian"));
    runSystemData(driver, QStringLiteral("system-data-italian"));
    runAssistantSheet(driver, QStringLiteral("assistant-sheet-italian"));
    driver.showTab("Swipe");
    tandor::SwipeReview& review = swipeReview(driver);
    review.setTutorialSeen(true);
    Driver::waitFor([&] { return review.decks().size() == 4; }, 10'000, "the decks");
    review.setOrderIndex(2);
    review.start(0);
    waitForScreen(review, "stack");
    driver.save(QStringLiteral("16-swipe-card-italian"));
    runDuplicateResults(driver, duplicates, QStringLiteral("-italian"));
    runSmart(driver, true);
}

// A fixture application's icon: a rounded square of one colour with a
// letter, in the format the file name's suffix names (ICNS for a bundle, PNG
// for an icon theme).
int writeIcon(const QString& path, const QColor& colour, const QString& letter) {
    QImage icon(256, 256, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(16, 16, 224, 224), 48, 48);
    QFont font = painter.font();
    font.setPixelSize(150);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(icon.rect(), Qt::AlignCenter, letter);
    painter.end();
    QImageWriter writer(path);
    if (!writer.write(icon)) {
        std::fprintf(stderr, "tandor-screenshots: %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && QByteArray(argv[2]) == "icon") {
        const QGuiApplication application(argc, argv);
        return writeIcon(QString::fromLocal8Bit(argv[1]), QColor(QString::fromLatin1(argv[3])),
                         QString::fromUtf8(argv[4]));
    }
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

    writeBursts();
    if (!italian) {
        // A sorting folder made 40 days ago whose files are offered for the
        // pile after 30: it is due.
        tandor::SortingStore(tandor::SortingStore::defaultURL())
            .createTemporaryFolder("To check", tandor::SortingFate::pileAfter(30),
                                   tandor::SortingStore::defaultBase(tandor::homeFolderPath()),
                                   std::chrono::system_clock::now() - std::chrono::hours(24 * 40));
    }

    tandor::ScanModel model;
    tandor::DuplicatesModel duplicates(model);
    QQmlApplicationEngine engine;
    tandor::ApplicationEngine::prepare(engine, model);
    tandor::DuplicatesModel::prepare(engine, &duplicates);
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
        runItalian(driver, duplicates);
    } else {
        runEnglish(driver, duplicates);
    }
    return 0;
}
