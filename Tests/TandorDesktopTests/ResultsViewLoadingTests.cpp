#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <memory>

#include "QmlWarnings.hpp"
#include "Results/CategoryListModel.hpp"
#include "Results/SuggestionListModel.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAnalyzers/FileClassifier.hpp"
#include "TestSupport/FileNodes.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::fileNode;
using testing::folderNode;

// The engine finds the module "Tandor" by its qmldir, as the application's
// does, so that a view can use the views of other feature folders.
QQmlEngine* withModuleImports(QQmlEngine& engine) {
    engine.addImportPath(QStringLiteral("qrc:/"));
    return &engine;
}

// Shows one view in a window and runs its events; the caller's QmlWarnings
// collects what Qt says about it.
class ShownView {
  public:
    explicit ShownView(const char* url)
        : component_(withModuleImports(engine_), QUrl(QString::fromUtf8(url))) {
        object_.reset(component_.create());
        if (auto* item = qobject_cast<QQuickItem*>(object_.get())) {
            window_.resize(900, 640);
            item->setParentItem(window_.contentItem());
            item->setSize(QSizeF(900, 640));
            window_.show();
        }
        settle();
    }

    QObject* view() const { return object_.get(); }
    QString error() const { return component_.errorString(); }
    void setScanModel(ScanModel* model) {
        object_->setProperty("scanModel", QVariant::fromValue(model));
        settle();
    }
    void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    // Saves what the window shows when TANDOR_RESULTS_PNG names a folder.
    void saveImage(const char* name) {
        const QString folder = qEnvironmentVariable("TANDOR_RESULTS_PNG");
        if (!folder.isEmpty()) {
            settle();
            window_.grabWindow().save(folder + "/" + QString::fromUtf8(name) + ".png");
        }
    }

  private:
    QQmlEngine engine_;
    QQmlComponent component_;
    std::unique_ptr<QObject> object_;
    QQuickWindow window_;
};

std::vector<Suggestion> sampleSuggestions() {
    std::vector<SuggestionItem> items;
    for (int i = 0; i < 60; ++i) {
        items.push_back(
            {"/home/u/.cache/app/part" + std::to_string(i), 250'000 + i, std::nullopt,
             i == 0 ? std::optional<std::string>("Last opened 40 days ago") : std::nullopt});
    }
    return {
        Suggestion("caches", "App caches", StorageCategory::caches, "App caches",
                   SafetyLevel::regenerable, "Apps rebuild their caches.",
                   {Evidence::observed("Folder with 60 files"), Evidence::inferred("Rebuilt <b>")},
                   items),
        Suggestion("dmg", "Installers", StorageCategory::downloads, std::nullopt,
                   SafetyLevel::existsElsewhere, "Installers can be downloaded again.", {},
                   {{"/home/u/Downloads/tool.dmg", 90'000'000, std::nullopt, std::nullopt}}),
        Suggestion("old", "Old files", StorageCategory::other, std::nullopt,
                   SafetyLevel::needsReview, "Not changed for a long time.", {}, {}),
    };
}

TEST(ResultsViewLoading, EachViewLoadsWithoutAWarningEmptyAndFilled) {
    const testing::FixtureHome home;
    const testing::QmlWarnings warnings;
    ScanModel scanModel;

    {
        ShownView shown("qrc:/Tandor/Results/SuggestionsView.qml");
        ASSERT_NE(shown.view(), nullptr) << shown.error().toStdString();
        shown.setScanModel(&scanModel);
        auto* model = shown.view()->findChild<SuggestionListModel*>();
        ASSERT_NE(model, nullptr);
        model->setContent(sampleSuggestions(), scanModel.pile());
        shown.settle();
        for (QQuickItem* item : shown.view()->findChildren<QQuickItem*>()) {
            if (item->property("expanded").isValid()) {
                item->setProperty("expanded", true);
                break;
            }
        }
        model->addItemToPile(0, 0);
        shown.saveImage("suggestions");
    }
    {
        ShownView shown("qrc:/Tandor/Results/CategoriesView.qml");
        ASSERT_NE(shown.view(), nullptr) << shown.error().toStdString();
        shown.setScanModel(&scanModel);
        auto* model = shown.view()->findChild<CategoryListModel*>();
        ASSERT_NE(model, nullptr);
        std::vector<FileNodePtr> files;
        for (const char* name : {"a.pdf", "b.mp4", "c.zip", "d.mp3"}) {
            files.push_back(fileNode(std::string("/home/u/") + name, 3'000'000));
        }
        auto root = folderNode("/home/u", files);
        model->setContent(
            StorageBreakdown::compute(root, FileClassifier(HomePlaces("/home/u")), 3, 5),
            sampleSuggestions(), scanModel.pile());
        shown.settle();
        model->select(model->rowCount() - 1);
        shown.saveImage("categories");
    }
    {
        ShownView shown("qrc:/Tandor/Results/PilePanel.qml");
        ASSERT_NE(shown.view(), nullptr) << shown.error().toStdString();
        shown.setScanModel(&scanModel);
        scanModel.addToPile(
            {home / "a-rather-long-file-name-that-needs-cutting.iso", 4'000'000, std::nullopt});
        shown.saveImage("pile");
    }
    {
        // Without a scan model every view shows nothing and says nothing.
        ShownView suggestions("qrc:/Tandor/Results/SuggestionsView.qml");
        ShownView categories("qrc:/Tandor/Results/CategoriesView.qml");
        ShownView pile("qrc:/Tandor/Results/PilePanel.qml");
        EXPECT_NE(pile.view(), nullptr);
    }
    EXPECT_TRUE(testing::QmlWarnings::messages().isEmpty()) << testing::allWarnings().toStdString();
}

}  // namespace
}  // namespace tandor
