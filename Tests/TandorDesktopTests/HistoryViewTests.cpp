#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <memory>

#include "History/HistoryModel.hpp"
#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Sorting/SortingModel.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::allWarnings;

using testing::click;
using testing::itemWithText;
using testing::visibleItems;

using testing::contentsOf;
using testing::writeFile;

void settle() {
    QTest::qWait(50);
}

// The moves section on its own, in a window, over a sorting model of the
// fixture home.
class SortingMovesSectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        testing::QmlWarnings::messages().clear();
        ApplicationEngine::prepare(engine, scanModel);
        ASSERT_TRUE(sorting.createTemporary("Inbox", SortingFate::keep()));
    }

    void TearDown() override {
        section.reset();
        EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << allWarnings().toStdString();
    }

    void show() {
        QQmlComponent component(
            &engine, QUrl(QStringLiteral("qrc:/Tandor/Sorting/SortingMovesSection.qml")));
        section.reset(qobject_cast<QQuickItem*>(component.createWithInitialProperties(
            {{QStringLiteral("sorting"), QVariant::fromValue(&sorting)}})));
        ASSERT_NE(section, nullptr) << component.errorString().toStdString();
        window.resize(600, 400);
        section->setParentItem(window.contentItem());
        section->setWidth(600);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        settle();
    }

    void moveNow(const std::string& path) {
        bool done = false;
        sorting.move(path, 1, [&](std::optional<MoveRecord>) { done = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10'000));
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ScanModel scanModel;
    SortingModel sorting{{SortingStore::defaultURL(), home.path(),
                          [] { return std::chrono::system_clock::now(); }, nullptr}};
    QQmlEngine engine;
    QQuickWindow window;
    std::unique_ptr<QQuickItem> section;
};

TEST_F(SortingMovesSectionTest, WithoutAnyMoveNothingShows) {
    show();
    EXPECT_FALSE(section->isVisible());
}

TEST_F(SortingMovesSectionTest, OpensOnClickAndPutsAMoveBack) {
    writeFile(home / "a.txt", "a");
    moveNow(home / "a.txt");
    show();
    ASSERT_TRUE(section->isVisible());
    EXPECT_EQ(itemWithText(section.get(), QStringLiteral("Put Back")), nullptr);

    click(itemWithText(section.get(), QStringLiteral("1 file sorted into folders")));
    settle();
    ASSERT_EQ(visibleItems(section.get(), QStringLiteral("putBackMove")).size(), 1);
    EXPECT_NE(itemWithText(section.get(), QStringLiteral("→ ~/Tandor/Inbox")), nullptr);

    click(visibleItems(section.get(), QStringLiteral("putBackMove")).front());
    settle();
    EXPECT_EQ(contentsOf(home / "a.txt"), "a");
    EXPECT_TRUE(visibleItems(section.get(), QStringLiteral("putBackMove")).isEmpty());
    EXPECT_NE(itemWithText(section.get(), QStringLiteral("Put back")), nullptr);
    EXPECT_NE(itemWithText(section.get(), QStringLiteral("0 files sorted into folders")), nullptr);
}

// Moves every record of the history two minutes into the past, as if its
// cleanup had been made earlier.
void ageHistory() {
    const JSONStoreFile file(CleanupHistory::defaultURL());
    file.update([](const std::optional<nlohmann::json>& current) {
        nlohmann::json records = *current;
        for (auto& record : records) {
            const auto date = parseISO8601(record["date"].get<std::string>());
            record["date"] = iso8601String(*date - std::chrono::minutes(2));
        }
        return records;
    });
}

// The main window on a fixture home with the History tab shown, driven by
// real clicks.
class HistoryTabTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(loadWindow());
    }

    void showHistory() {
        showTab("History");
        const auto views = shown("historyView");
        ASSERT_EQ(views.size(), 1);
        history = views.front()->findChild<HistoryModel*>(QStringLiteral("historyModel"));
        ASSERT_NE(history, nullptr);
    }

    // Moves these files of the home to the Trash in one commit.
    void commit(const std::vector<std::string>& names) {
        for (const auto& name : names) {
            writeFile(home / name, name);
            ASSERT_TRUE(model.addToPile({home / name, 5, std::nullopt}));
        }
        model.commitPile();
        settle();
    }

    // The row of this item's name.
    QQuickItem* row(const std::string& name) const {
        for (auto* candidate : shown("historyRow")) {
            if (itemWithText(candidate, QString::fromStdString(name)) != nullptr) {
                return candidate;
            }
        }
        return nullptr;
    }

    HistoryModel* history = nullptr;
};

// Two commits of the same count and size leave the same message; the tab
// lists the second all the same.
TEST_F(HistoryTabTest, EveryCommitMadeBesideItShowsAtOnce) {
    showHistory();
    EXPECT_EQ(shown("historyEmptyState").size(), 1);
    commit({"first.txt"});
    EXPECT_EQ(history->sessions().size(), 1u);
    const QString message = model.lastCommitMessage();
    ageHistory();

    commit({"second.txt"});
    EXPECT_EQ(model.lastCommitMessage(), message);
    EXPECT_EQ(history->sessions().size(), 2u);
    EXPECT_EQ(shown("sessionHeader").size(), 2);
    EXPECT_EQ(shown("historySummary").front()->property("text").toString(),
              "10 bytes moved to the Trash in 2 cleanups. Restoring never overwrites anything.");
}

TEST_F(HistoryTabTest, PutsBackOneItemThenTheRestOfItsCleanup) {
    commit({"a.txt", "b.txt"});
    ageHistory();
    commit({"c.txt"});
    showHistory();
    ASSERT_EQ(shown("restoreAll").size(), 1);
    EXPECT_EQ(shown("restoreAll").front()->property("text").toString(), "Restore All (2)");

    click(row("c.txt")->findChild<QQuickItem*>(QStringLiteral("putBack")));
    settle();
    EXPECT_EQ(contentsOf(home / "c.txt"), "c.txt");
    EXPECT_THAT(shown("historyMessage").front()->property("text").toString().toStdString(),
                ::testing::StartsWith("Put back c.txt (5 bytes)."));

    click(shown("restoreAll").front());
    settle();
    EXPECT_EQ(contentsOf(home / "a.txt"), "a.txt");
    EXPECT_EQ(contentsOf(home / "b.txt"), "b.txt");
    EXPECT_THAT(shown("historyMessage").front()->property("text").toString().toStdString(),
                ::testing::StartsWith("Put back 2 items (10 bytes)."));
    EXPECT_TRUE(shown("restoreAll").isEmpty());
    EXPECT_TRUE(shown("putBack").isEmpty());
}

// The context menu shows the item in the Trash only while it is there, and
// the original location as the folder that held it.
TEST_F(HistoryTabTest, TheContextMenuRevealsWhatIsThere) {
    commit({"kept.txt", "emptied.txt"});
    std::filesystem::remove(home / ".local/share/Trash/files/emptied.txt");
    showHistory();
    std::vector<std::string> revealed;
    history->setRevealer([&](const std::string& path) { revealed.push_back(path); });

    click(row("kept.txt"), Qt::RightButton);
    click(menuEntry("showInTrash"));
    settle();
    click(row("emptied.txt"), Qt::RightButton);
    QQuickItem* showInTrash = menuEntry("showInTrash");
    ASSERT_NE(showInTrash, nullptr);
    EXPECT_FALSE(showInTrash->isEnabled());
    click(menuEntry("showOriginalLocation"));
    settle();
    EXPECT_THAT(revealed,
                ::testing::ElementsAre(home / ".local/share/Trash/files/kept.txt", home.path()));
}

}  // namespace
}  // namespace tandor
