#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <memory>

#include "Browse/BrowseState.hpp"
#include "QmlWarnings.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::browse_view_loading_tests {
namespace {

FileNodePtr file(const std::string& path, std::int64_t bytes) {
    return FileNode::make(path, std::nullopt, false, bytes, bytes, 0, std::nullopt, std::nullopt,
                          {});
}

FileNodePtr folder(const std::string& path, std::vector<FileNodePtr> children) {
    return FileNode::make(path, std::nullopt, true, 0, 0, 0, std::nullopt, std::nullopt,
                          std::move(children));
}

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
        children.push_back(file("/home/me/file " + std::to_string(i), 1000 * (i + 1)));
    }
    children.push_back(
        folder("/home/me/Projects",
               {file("/home/me/Projects/a.iso", 90000),
                folder("/home/me/Projects/src", {file("/home/me/Projects/src/m", 30000)})}));
    browse->setRoot(folder("/home/me", std::move(children)));
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
