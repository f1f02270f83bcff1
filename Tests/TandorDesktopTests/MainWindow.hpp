#pragma once

#include <gtest/gtest.h>

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTest>
#include <QUrl>

#include "QmlWarnings.hpp"

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

}  // namespace tandor::testing
