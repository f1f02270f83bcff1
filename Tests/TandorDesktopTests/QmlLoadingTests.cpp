#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTest>
#include <optional>
#include <string>

#include "QmlWarnings.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "Sorting/DialogFolderChooser.hpp"
#include "Sorting/SortingModel.hpp"
#include "Swipe/SwipeModel.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

// The main window over a fixture home, with Qt's warnings recorded.
class MainWindowLoading : public ::testing::Test {
  protected:
    void load() {
        ApplicationEngine::prepare(engine, model);
        engine.load(QUrl(QStringLiteral("qrc:/Tandor/Shell/Main.qml")));
        ASSERT_EQ(engine.rootObjects().size(), 1) << testing::allWarnings().toStdString();
    }

    const testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ScanModel model;
    QQmlApplicationEngine engine;
};

TEST_F(MainWindowLoading, TheMainWindowLoadsWithoutAWarning) {
    ASSERT_NO_FATAL_FAILURE(load());
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    ASSERT_NE(window, nullptr);
    EXPECT_GE(window->minimumWidth(), 900);
    EXPECT_GE(window->minimumHeight(), 560);
    QTest::qWait(300);
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

// The screens, sheets and dialogs load from their files only when they show,
// so loading the main window no longer reads them: each file must compile on
// its own.
TEST(QmlLoading, EveryFileCompiles) {
    const testing::FixtureHome home;
    ScanModel model;
    QQmlApplicationEngine engine;
    ApplicationEngine::prepare(engine, model);
    QStringList files;
    for (QDirIterator entry(QStringLiteral(":/Tandor"), {QStringLiteral("*.qml")}, QDir::Files,
                            QDirIterator::Subdirectories);
         entry.hasNext();) {
        files.append(entry.next());
    }
    ASSERT_TRUE(files.contains(QStringLiteral(":/Tandor/Sorting/FolderPickerDialog.qml")));
    for (const QString& file : files) {
        const QQmlComponent component(&engine, QUrl(QStringLiteral("qrc") + file));
        EXPECT_TRUE(component.isReady()) << component.errorString().toStdString();
    }
}

// The folder dialog is made at the chooser's first request, titled with its
// prompt, and its answer reaches the one who asked.
TEST_F(MainWindowLoading, TheFolderDialogLoadsAtTheFirstRequest) {
    ASSERT_NO_FATAL_FAILURE(load());
    const auto dialogs = [&] {
        QList<QObject*> found;
        for (QObject* object : engine.rootObjects().first()->findChildren<QObject*>()) {
            if (object->inherits("QQuickFolderDialog")) {
                found.append(object);
            }
        }
        return found;
    };
    EXPECT_TRUE(dialogs().isEmpty());

    auto* chooser =
        qobject_cast<DialogFolderChooser*>(model.swipe()->sorting()->folderChooserObject());
    ASSERT_NE(chooser, nullptr);
    int answers = 0;
    std::optional<std::string> answer = "none yet";
    chooser->choose(QStringLiteral("Use Folder"), [&](std::optional<std::string> path) {
        ++answers;
        answer = std::move(path);
    });
    ASSERT_EQ(dialogs().size(), 1);
    QObject* dialog = dialogs().first();
    EXPECT_TRUE(dialog->property("visible").toBool());
    EXPECT_EQ(dialog->property("acceptLabel").toString(), QStringLiteral("Use Folder"));
    QMetaObject::invokeMethod(dialog, "reject");
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(answer, std::nullopt);
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

}  // namespace
}  // namespace tandor
