#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Assistant/AssistantProposalList.hpp"
#include "Assistant/AssistantSetup.hpp"
#include "Assistant/AssistantSheetModel.hpp"
#include "MainWindow.hpp"
#include "QmlWarnings.hpp"
#include "QuickItems.hpp"
#include "SettingsFolder.hpp"
#include "Shell/ApplicationEngine.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantSettings.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::visibleItems;

// "tandor --mcp" of this build, under the fixture home of the test.
class ServerProcess {
  public:
    ServerProcess() {
        process_.start(QStringLiteral(TANDOR_EXECUTABLE), {QStringLiteral("--mcp")});
        EXPECT_TRUE(process_.waitForStarted(10'000));
    }
    ~ServerProcess() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(10'000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // Sends one tools/call and returns its reply.
    nlohmann::json call(const nlohmann::json& params) {
        const nlohmann::json request = {
            {"jsonrpc", "2.0"}, {"id", ++id_}, {"method", "tools/call"}, {"params", params}};
        process_.write(QByteArray::fromStdString(request.dump() + "\n"));
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(60'000)) {
                return nullptr;
            }
        }
        return nlohmann::json::parse(process_.readLine().toStdString());
    }

  private:
    QProcess process_;
    int id_ = 0;
};

bool isError(const nlohmann::json& reply) {
    return reply.is_object() && reply["result"].value("isError", false);
}

// The main window on a fixture home, with the assistant sheet driven by real
// clicks and keys.
class AssistantSheetTest : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ASSERT_NO_FATAL_FAILURE(loadWindow());
    }

    // The sheet shows in the window's overlay: its items are looked for there
    // too.
    QList<QQuickItem*> shown(const char* name) const {
        return visibleItems(window->contentItem(), QString::fromUtf8(name)) +
               visibleItems(window->property("overlay").value<QQuickItem*>(),
                            QString::fromUtf8(name));
    }

    QQuickItem* one(const char* name) const {
        const auto items = shown(name);
        return items.isEmpty() ? nullptr : items.front();
    }

    void click(const char* name) {
        QQuickItem* target = one(name);
        ASSERT_NE(target, nullptr) << name;
        const QPointF center =
            target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(window, Qt::LeftButton, {}, center.toPoint());
        QTest::qWait(100);
    }

    // Chooses the AI app by a click on its segment.
    void chooseClient(const char* name) {
        for (auto* segment : one("clientPicker")->childItems()) {
            if (segment->property("text").toString() == QString::fromUtf8(name)) {
                const QPointF center =
                    segment->mapToScene(QPointF(segment->width() / 2, segment->height() / 2));
                QTest::mouseClick(window, Qt::LeftButton, {}, center.toPoint());
                QTest::qWait(100);
                return;
            }
        }
        FAIL() << "no segment " << name;
    }

    void openSheet() {
        click("assistantButton");
        ASSERT_TRUE(QTest::qWaitFor([&] { return sheet() != nullptr; }, 2000));
        QTest::qWait(300);  // the opening transition
    }

    AssistantSheetModel* sheet() const {
        auto* content = one("assistantSheetContent");
        return content
                   ? content->findChild<AssistantSheetModel*>(QStringLiteral("assistantSheetModel"))
                   : nullptr;
    }

    bool switchOnDisk() const {
        return AssistantSettings::load(AssistantSettings::defaultPath()).enabled;
    }
};

TEST_F(AssistantSheetTest, TheSwitchTheSetUpTextAndEscape) {
    openSheet();
    EXPECT_EQ(one("setupCard"), nullptr);
    click("assistantSwitch");
    EXPECT_TRUE(switchOnDisk());
    ASSERT_NE(one("setupCard"), nullptr);
    EXPECT_EQ(one("snippet")->property("text").toString().toStdString(),
              *AssistantSetup::snippet(AssistantSetup::Client::claudeCode,
                                       *AssistantSetup::executablePath()));

    chooseClient("Codex");
    EXPECT_EQ(one("setupHint")->property("text").toString(), "Add this to ~/.codex/config.toml.");
    click("copySnippet");
    EXPECT_EQ(
        QGuiApplication::clipboard()->text().toStdString(),
        *AssistantSetup::snippet(AssistantSetup::Client::codex, *AssistantSetup::executablePath()));
    EXPECT_EQ(one("copySnippet")->property("text").toString(), "Copied");
    chooseClient("Claude Desktop");
    EXPECT_EQ(one("copySnippet")->property("text").toString(), "Copy");

    QTest::keyClick(window, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet() == nullptr; }, 2000));
    EXPECT_TRUE(switchOnDisk());

    // A new opening starts afresh, from the file.
    openSheet();
    EXPECT_EQ(sheet()->client(), 0);
    EXPECT_TRUE(sheet()->enabled());
    click("closeAssistant");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet() == nullptr; }, 2000));
}

TEST_F(AssistantSheetTest, AProposalFromARealServerGoesOnThePileAndTheSwitchStopsTheServer) {
    testing::writeFile(home / "Downloads/old-installer.dmg", std::string(4096, 'x'));
    testing::writeFile(home / "Downloads/notes.txt", "keep");
    openSheet();
    click("assistantSwitch");
    ASSERT_TRUE(switchOnDisk());
    EXPECT_NE(one("nothingYet"), nullptr);

    ServerProcess server;
    nlohmann::json items = nlohmann::json::array();
    items.push_back(
        {{"path", home / "Downloads/old-installer.dmg"}, {"reason", "An old installer."}});
    items.push_back({{"path", home / "Downloads/notes.txt"}, {"reason", "Notes read long ago."}});
    const auto reply =
        server.call({{"name", "propose_for_pile"}, {"arguments", {{"items", items}}}});
    ASSERT_FALSE(isError(reply)) << reply.dump();

    ASSERT_TRUE(QTest::qWaitFor([&] { return shown("proposalRow").size() == 2; },
                                AssistantSheetModel::refreshMilliseconds + 2000));
    EXPECT_EQ(sheet()->proposals().front().path, home / "Downloads/old-installer.dmg");
    QQuickItem* add =
        shown("proposalRow").front()->findChild<QQuickItem*>(QStringLiteral("addProposal"));
    ASSERT_NE(add, nullptr);
    QTest::mouseClick(window, Qt::LeftButton, {},
                      add->mapToScene(QPointF(add->width() / 2, add->height() / 2)).toPoint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown("proposalRow").size() == 1; }, 2000));

    ASSERT_EQ(model.pile().entries().size(), 1u);
    EXPECT_EQ(model.pile().entries().front().path, home / "Downloads/old-installer.dmg");
    EXPECT_EQ(model.pile().entries().front().ruleID, "assistant");
    const auto stored =
        AssistantProposalStore(paths::join(AssistantSettings::folder(), "assistant-proposals.json"))
            .load();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored.front().path, home / "Downloads/notes.txt");

    click("assistantSwitch");
    EXPECT_FALSE(switchOnDisk());
    EXPECT_TRUE(isError(server.call({{"name", "list_rules"}})));
}

// Rows that go leave the list one by one, so that its view keeps its place;
// any other change resets it.
TEST(AssistantProposalList, RowsThatGoAreRemovedWithoutAReset) {
    AssistantProposalList list("/h");
    const QAbstractItemModelTester tester(&list,
                                          QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto proposal = [](const char* path) { return AssistantProposal{path, 1, "Old.", {}}; };
    ASSERT_TRUE(list.setProposals(
        {proposal("/h/a"), proposal("/h/b"), proposal("/h/c"), proposal("/h/d")}));
    QSignalSpy resets(&list, &QAbstractItemModel::modelReset);
    QSignalSpy removals(&list, &QAbstractItemModel::rowsRemoved);
    EXPECT_TRUE(list.setProposals({proposal("/h/a"), proposal("/h/d")}));
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(removals.count(), 2);
    EXPECT_EQ(list.proposals(), (std::vector{proposal("/h/a"), proposal("/h/d")}));

    EXPECT_FALSE(list.setProposals({proposal("/h/a"), proposal("/h/d")}));
    EXPECT_TRUE(list.setProposals({proposal("/h/d"), proposal("/h/a")}));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(list.proposals(), (std::vector{proposal("/h/d"), proposal("/h/a")}));
}

// Acting on a proposal moves no control around the list, even with the sheet
// scrolled to its end: the pointer is over the next proposal's button.
TEST_F(AssistantSheetTest, ActingOnAProposalLeavesTheControlsInPlace) {
    std::vector<AssistantProposal> proposals;
    for (const char* name : {"a.iso", "b.iso", "c.iso", "d.iso"}) {
        const std::string path = home / (std::string("Downloads/") + name);
        testing::writeFile(path, std::string(4096, 'x'));
        proposals.push_back({path, 4096, "An old disk image.", std::chrono::system_clock::now()});
    }
    AssistantProposalStore(paths::join(AssistantSettings::folder(), "assistant-proposals.json"))
        .add(proposals);
    openSheet();
    click("assistantSwitch");
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown("proposalRow").size() == 4; },
                                AssistantSheetModel::refreshMilliseconds + 2000));
    QQuickItem* addAll = one("addAllToPile");
    const auto scenePosition = [](QQuickItem* item) { return item->mapToScene({0, 0}); };
    const QPointF start = scenePosition(addAll);
    QQuickItem* switchItem = one("assistantSwitch");
    const QPointF over = switchItem->mapToScene({switchItem->width() / 2, 0});
    for (int step = 0; step < 20; ++step) {
        QWheelEvent wheel(over, window->mapToGlobal(over), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QGuiApplication::sendEvent(window, &wheel);
    }
    // At rest: a wheel may carry the sheet past its end for a moment.
    QPointF resting;
    do {
        resting = scenePosition(addAll);
        QTest::qWait(200);
    } while (scenePosition(addAll) != resting);
    ASSERT_LT(resting.y(), start.y()) << "the sheet did not scroll";

    const auto firstAdd = [&] {
        auto buttons = shown("addProposal");
        std::sort(buttons.begin(), buttons.end(), [&](QQuickItem* one, QQuickItem* other) {
            return scenePosition(one).y() < scenePosition(other).y();
        });
        return buttons.front();
    };
    const QPointF before = scenePosition(addAll);
    QQuickItem* add = firstAdd();
    const QPointF pointer = add->mapToScene({add->width() / 2, add->height() / 2});
    QTest::mouseClick(window, Qt::LeftButton, {}, pointer.toPoint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown("proposalRow").size() == 3; }, 2000));
    QTest::qWait(300);
    EXPECT_EQ(scenePosition(addAll), before);
    QQuickItem* next = firstAdd();
    EXPECT_EQ(next->mapToScene({next->width() / 2, next->height() / 2}), pointer);
}

}  // namespace
}  // namespace tandor
