#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <memory>

#include "Browse/BrowseState.hpp"
#include "QmlWarnings.hpp"
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

}  // namespace
}  // namespace tandor::browse_view_loading_tests
