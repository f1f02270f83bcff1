#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <memory>

#include "Browse/BrowseState.hpp"
#include "Browse/DiskMapGeometry.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "Shell/ScanModel.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::browse_view_loading_tests {
namespace {

using testing::fileNode;
using testing::folderNode;

// Shows the Browse view in a window, with or without a tree, and requires that
// Qt says nothing about it.
TEST(BrowseViewLoading, LoadsWithoutAWarningWithAndWithoutATree) {
    const testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tandor/Browse/BrowseView.qml")));
    std::unique_ptr<QObject> object(component.create());
    ASSERT_NE(object, nullptr) << component.errorString().toStdString();
    auto* view = qobject_cast<QQuickItem*>(object.get());
    ASSERT_NE(view, nullptr);

    QQuickWindow window;
    window.resize(900, 620);
    view->setParentItem(window.contentItem());
    view->setSize(window.size());
    window.show();
    QCoreApplication::processEvents();

    auto* browse = view->property("browse").value<BrowseState*>();
    ASSERT_NE(browse, nullptr);
    EXPECT_FALSE(browse->hasTree());

    std::vector<FileNodePtr> children;
    for (int i = 0; i < 12; ++i) {
        children.push_back(fileNode("/home/me/file " + std::to_string(i), 1000 * (i + 1)));
    }
    children.push_back(folderNode(
        "/home/me/Projects",
        {fileNode("/home/me/Projects/a.iso", 90000),
         folderNode("/home/me/Projects/src", {fileNode("/home/me/Projects/src/m", 30000)})}));
    browse->setRoot(folderNode("/home/me", std::move(children)));
    browse->hoverFromMap(browse->cells()[1]);
    QCoreApplication::processEvents();
    if (const QByteArray out = qgetenv("TANDOR_BROWSE_SNAPSHOT"); !out.isEmpty()) {
        window.grabWindow().save(QString::fromLocal8Bit(out));
    }
    browse->openFolder("/home/me/Projects/src");
    browse->setShowMap(false);
    QCoreApplication::processEvents();
    browse->setRoot(nullptr);
    QCoreApplication::processEvents();

    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

// A right click on a folder's row or its map cell shows the item's menu and
// opens nothing; the menu puts the folder on the pile.
TEST(BrowseViewMenus, ARightClickOnAFolderShowsItsMenu) {
    const testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ScanModel model;
    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tandor/Browse/BrowseView.qml")));
    std::unique_ptr<QObject> object(component.createWithInitialProperties(
        {{QStringLiteral("scanModel"), QVariant::fromValue(&model)}}));
    ASSERT_NE(object, nullptr) << component.errorString().toStdString();
    auto* view = qobject_cast<QQuickItem*>(object.get());
    QQuickWindow window;
    window.resize(900, 620);
    view->setParentItem(window.contentItem());
    view->setSize(window.size());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* browse = view->property("browse").value<BrowseState*>();
    browse->setRoot(folderNode(
        "/home/me", {folderNode("/home/me/Projects", {fileNode("/home/me/Projects/a.iso", 9000)}),
                     folderNode("/home/me/Music", {fileNode("/home/me/Music/b.ogg", 4000)})}));
    QTest::qWait(100);

    const auto rightClick = [&](QPointF at) {
        QTest::mouseClick(&window, Qt::RightButton, {}, at.toPoint());
        QTest::qWait(300);  // the menu's opening transition
    };
    const auto chooseAddToPile = [&] {
        QQuickItem* add =
            testing::firstVisibleItem(window.contentItem(), QStringLiteral("addToPileItem"));
        ASSERT_NE(add, nullptr);
        testing::click(add);
        QTest::qWait(300);
    };

    QQuickItem* row =
        testing::firstVisibleItemWith(window.contentItem(), "name", QStringLiteral("Projects"));
    ASSERT_NE(row, nullptr);
    rightClick(row->mapToScene({row->width() / 2, row->height() / 2}));
    EXPECT_TRUE(browse->stack().empty());
    ASSERT_NO_FATAL_FAILURE(chooseAddToPile());
    EXPECT_EQ(model.pile().entries().back().path, "/home/me/Projects");

    auto* map = testing::firstVisibleItem(window.contentItem(), QStringLiteral("diskMap"));
    ASSERT_NE(map, nullptr);
    const auto& cells = browse->cells();
    const auto music = std::find_if(cells.begin(), cells.end(),
                                    [](const IcicleCell& cell) { return cell.name == "Music"; });
    ASSERT_NE(music, cells.end());
    const auto bar = diskmap::cellRect(*music, map->width(),
                                       diskmap::rowHeight(map->height(), diskmap::rows(cells)));
    rightClick(map->mapToScene({bar.x + bar.width / 2, bar.y + bar.height / 2}));
    EXPECT_TRUE(browse->stack().empty());
    ASSERT_NO_FATAL_FAILURE(chooseAddToPile());
    EXPECT_EQ(model.pile().entries().back().path, "/home/me/Music");
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

}  // namespace
}  // namespace tandor::browse_view_loading_tests
