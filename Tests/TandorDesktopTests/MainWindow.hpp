#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QTest>
#include <QUrl>

#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::testing {

// Loads the application's main window into an engine already prepared with its
// models, and shows it past the splash. Call it under ASSERT_NO_FATAL_FAILURE.
inline void loadMainWindow(QQmlApplicationEngine& engine, QQuickWindow*& window) {
    engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
    ASSERT_EQ(engine.rootObjects().size(), 1) << allWarnings().toStdString();
    window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    ASSERT_NE(window, nullptr);
    window->setProperty("showSplash", false);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
}

// Shows the main window's tab of this title, as a click on the tab would.
inline void showTab(QQuickWindow* window, const QString& title) {
    window->findChild<QObject*>(QStringLiteral("contentViewModel"))->setProperty("tab", title);
}

// The window's menu-bar entry with this title.
inline QQuickItem* menuBarEntry(QQuickWindow* window, const QString& title) {
    for (auto* candidate : window->findChildren<QQuickItem*>()) {
        if (QByteArray(candidate->metaObject()->className()).contains("MenuBarItem") &&
            candidate->property("text").toString() == title) {
            return candidate;
        }
    }
    return nullptr;
}

// The main window over a scan model, in English, on a fixture home with
// settings of its own; a test fails on any warning Qt prints. A fixture
// arranges the home in SetUp after this SetUp, then calls loadWindow().
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::Texts::setLanguage(QStringLiteral("en"));
        QmlWarnings::messages().clear();
    }

    void TearDown() override {
        EXPECT_TRUE(QmlWarnings::messages().isEmpty()) << allWarnings().toStdString();
    }

    // Call it under ASSERT_NO_FATAL_FAILURE.
    void loadWindow() {
        ApplicationEngine::prepare(engine, model);
        ASSERT_NO_FATAL_FAILURE(loadMainWindow(engine, window));
    }

    // Shows the tab of this title and gives it a moment to lay out.
    void showTab(const char* title, int settleMilliseconds = 50) {
        testing::showTab(window, QString::fromUtf8(title));
        QTest::qWait(settleMilliseconds);
    }

    QList<QQuickItem*> shown(const char* name) const {
        return visibleItems(window->contentItem(), QString::fromUtf8(name));
    }

    QQuickItem* first(const char* name) const {
        return firstVisibleItem(window->contentItem(), QString::fromUtf8(name));
    }

    QQuickItem* menuEntry(const char* name) const {
        return openedMenuEntry(window->contentItem(), QString::fromUtf8(name));
    }

    SettingsFolder settings;
    FixtureHome home;
    const QmlWarnings warnings;
    ScanModel model;
    QQmlApplicationEngine engine;
    QQuickWindow* window = nullptr;
};

}  // namespace tandor::testing
