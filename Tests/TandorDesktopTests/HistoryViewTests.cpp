#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <memory>

#include "QmlWarnings.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Sorting/SortingModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::contentsOf;
using testing::writeFile;

QString allWarnings() {
    return testing::QmlWarnings::messages().join(QStringLiteral("\n"));
}

// The visible items of this object name anywhere in the visual tree.
QList<QQuickItem*> visibleItems(QQuickItem* root, const QString& name) {
    QList<QQuickItem*> found;
    if (root == nullptr || !root->isVisible()) {
        return found;
    }
    if (root->objectName() == name) {
        found.append(root);
    }
    for (auto* child : root->childItems()) {
        found.append(visibleItems(child, name));
    }
    return found;
}

// The first visible item whose "text" property is this text.
QQuickItem* itemWithText(QQuickItem* root, const QString& text) {
    if (root == nullptr || !root->isVisible()) {
        return nullptr;
    }
    if (root->property("text").toString() == text) {
        return root;
    }
    for (auto* child : root->childItems()) {
        if (auto* found = itemWithText(child, text)) {
            return found;
        }
    }
    return nullptr;
}

void click(QQuickItem* target, Qt::MouseButton button = Qt::LeftButton) {
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->isVisible());
    const QPointF center = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(target->window(), button, {}, center.toPoint());
}

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

    click(itemWithText(section.get(), QStringLiteral("1 files sorted into folders")));
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

}  // namespace
}  // namespace tandor
