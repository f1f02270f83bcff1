#pragma once

#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QString>
#include <QTest>
#include <QUrl>
#include <memory>

#include "QmlWarnings.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor::testing {

// Makes the view qrc:/Tandor/<folder>/<name>.qml on its own, over fresh
// settings and a fixture home, and fails the test on any warning Qt prints
// while it lives.
inline void expectViewLoadsWithoutAWarning(const char* folder, const char* name) {
    const SettingsFolder settings;
    const FixtureHome home;
    const QmlWarnings warnings;
    ScanModel model;
    QQmlEngine engine;
    ApplicationEngine::prepare(engine, model);
    QQmlComponent component(
        &engine, QUrl(QStringLiteral("qrc:/Tandor/") + QString::fromUtf8(folder) +
                      QStringLiteral("/") + QString::fromUtf8(name) + QStringLiteral(".qml")));
    std::unique_ptr<QObject> object(component.create());
    ASSERT_NE(object, nullptr) << component.errorString().toStdString();
    QTest::qWait(20);
    object.reset();
    EXPECT_TRUE(QmlWarnings::messages().isEmpty()) << allWarnings().toStdString();
}

}  // namespace tandor::testing
