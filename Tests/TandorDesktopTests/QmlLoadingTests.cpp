#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTest>

#include "QmlWarnings.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

TEST(QmlLoading, TheMainWindowLoadsWithoutAWarning) {
    const testing::FixtureHome home;
    testing::QmlWarnings::messages().clear();
    const testing::QmlWarnings warnings;
    ScanModel model;
    QQmlApplicationEngine engine;
    ApplicationEngine::prepare(engine, model);
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    ASSERT_EQ(engine.rootObjects().size(), 1)
        << testing::QmlWarnings::messages().join(QStringLiteral("\n")).toStdString();
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    ASSERT_NE(window, nullptr);
    EXPECT_GE(window->minimumWidth(), 900);
    EXPECT_GE(window->minimumHeight(), 560);
    QTest::qWait(300);
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty())
        << testing::QmlWarnings::messages().join(QStringLiteral("\n")).toStdString();
}

}  // namespace
}  // namespace tandor
