#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QUrl>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "SettingsFolder.hpp"
#include "Support/BackgroundPool.hpp"
#include "Sorting/DialogFolderChooser.hpp"
#include "Sorting/FolderChooser.hpp"
#include "Sorting/SortingModel.hpp"
#include "Sorting/SortingText.hpp"
#include "TandorReview/MoveError.hpp"
#include "TandorShared/Texts.hpp"
#include "TestSupport/FileContents.hpp"
#include "TestSupport/TemporaryFolder.hpp"

namespace tandor {
namespace {

using testing::contentsOf;
using ::testing::ElementsAre;
using testing::isThere;
using ::testing::StartsWith;
using testing::writeFile;

// Answers every request at once with the path set beforehand.
class FakeFolderChooser : public FolderChooser {
  public:
    void choose(const QString& prompt, Done done) override {
        prompts.push_back(prompt);
        done(answer);
    }

    std::optional<std::string> answer;
    QStringList prompts;
};

// A fixture home with the settings in a folder of their own; the model is
// made by each test, after what it should find is in place.
class SortingModelTest : public ::testing::Test {
  protected:
    SortingModelTest() { ui::Texts::setLanguage(QStringLiteral("en")); }

    std::unique_ptr<SortingModel> makeModel() {
        return std::make_unique<SortingModel>(
            SortingModel::Services{SortingStore::defaultURL(), home.path(),
                                   [] { return std::chrono::system_clock::now(); }, chooser});
    }

    std::string file(const std::string& relative, const std::string& contents = "x") {
        writeFile(home / relative, contents);
        return home / relative;
    }

    // Moves through the model and waits for the worker.
    static std::optional<MoveRecord> moveNow(SortingModel& model, const std::string& path) {
        bool done = false;
        std::optional<MoveRecord> moved;
        model.move(path, 1, [&](std::optional<MoveRecord> record) {
            moved = std::move(record);
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10'000));
        return moved;
    }

    static std::vector<std::string> names(const SortingModel& model) {
        std::vector<std::string> shown;
        for (const auto& folder : model.folders()) {
            shown.push_back(folder.name);
        }
        return shown;
    }

    testing::SettingsFolder settings;
    testing::FixtureHome home;
    std::shared_ptr<FakeFolderChooser> chooser = std::make_shared<FakeFolderChooser>();
};

struct FolderOrder {
    const char* name;
    // The folders moved into, oldest first: the last one is the most recent.
    std::vector<std::string> movedInto;
    std::vector<std::string> order;
};

class SortingFolderOrder : public SortingModelTest,
                           public ::testing::WithParamInterface<FolderOrder> {};

TEST_P(SortingFolderOrder, RecentDestinationsComeFirstThenNamesAsAFileBrowserSortsThem) {
    {
        SortingStore store(SortingStore::defaultURL());
        const auto now = std::chrono::system_clock::now();
        for (const char* name : {"Folder 10", "beta", "Folder 2", "Alpha"}) {
            store.addFolder(home / name, now);
        }
        for (const auto& name : GetParam().movedInto) {
            store.move(file("f " + UUID::random().string()), 1, home / name, std::nullopt, now);
        }
    }
    const auto model = makeModel();
    EXPECT_EQ(names(*model), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortingFolderOrder,
    ::testing::Values(FolderOrder{"ByNameAlone", {}, {"Alpha", "beta", "Folder 2", "Folder 10"}},
                      FolderOrder{"RecentFirst",
                                  {"beta", "Folder 10", "beta"},
                                  {"beta", "Folder 10", "Alpha", "Folder 2"}}),
    [](const ::testing::TestParamInfo<FolderOrder>& shown) {
        return std::string(shown.param.name);
    });

struct StoredDestination {
    const char* name;
    // "%ID" stands for the registered folder's id, "%id" for it in lower case.
    std::string stored;
    bool restored;
};

class SortingStoredDestination : public SortingModelTest,
                                 public ::testing::WithParamInterface<StoredDestination> {};

TEST_P(SortingStoredDestination, OnlyTheIdOfARegisteredFolderIsRestored) {
    const UUID id = SortingStore(SortingStore::defaultURL())
                        .addFolder(home / "Inbox", std::chrono::system_clock::now())
                        .id;
    std::string stored = GetParam().stored;
    if (const auto at = stored.find("%ID"); at != std::string::npos) {
        stored.replace(at, 3, id.string());
    }
    if (const auto at = stored.find("%id"); at != std::string::npos) {
        stored.replace(at, 3, QString::fromStdString(id.string()).toLower().toStdString());
    }
    QSettings().setValue(SortingModel::destinationKey, QString::fromStdString(stored));

    const auto model = makeModel();
    if (GetParam().restored) {
        EXPECT_EQ(model->destinationID(), id);
        ASSERT_TRUE(model->destination());
        EXPECT_EQ(model->destination()->name, "Inbox");
        EXPECT_EQ(QSettings().value(SortingModel::destinationKey).toString().toStdString(),
                  id.string());
    } else {
        EXPECT_FALSE(model->destinationID());
        EXPECT_FALSE(QSettings().contains(SortingModel::destinationKey));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortingStoredDestination,
    ::testing::Values(StoredDestination{"Valid", "%ID", true},
                      StoredDestination{"LowerCase", "%id", true},
                      StoredDestination{"InBraces", "{%ID}", false},
                      StoredDestination{"Garbage", "not an id", false},
                      StoredDestination{"Unknown", "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10", false}),
    [](const ::testing::TestParamInfo<StoredDestination>& shown) {
        return std::string(shown.param.name);
    });

// A store that cannot be read stays as it is: the model says so, keeps the
// stored destination and does nothing.
TEST_F(SortingModelTest, AStoreThatCannotBeReadIsNeverWritten) {
    const std::string file = SortingStore::defaultURL();
    writeFile(file, "{ not a store");
    QSettings().setValue(SortingModel::destinationKey, "5F0C6A52-3C1B-4E5B-9A57-2B9C6E1D7A10");

    const auto model = makeModel();
    EXPECT_EQ(model->message(), "Could not open the list of sorting folders.");
    EXPECT_TRUE(model->destinationID());
    EXPECT_FALSE(model->destination());
    EXPECT_FALSE(moveNow(*model, this->file("a.txt")));
    EXPECT_FALSE(model->createTemporary("Later", SortingFate::keep()));
    chooser->answer = home / "Documents";
    std::filesystem::create_directory(home / "Documents");
    model->chooseOwnFolder();
    EXPECT_EQ(model->message(), "Could not open the list of sorting folders.");
    EXPECT_TRUE(model->folders().empty());
    EXPECT_EQ(contentsOf(file), "{ not a store");
    EXPECT_TRUE(isThere(home / "a.txt"));
}

TEST_F(SortingModelTest, AChosenFolderIsRegisteredOnceAndOnlyWhenItIsThere) {
    const auto model = makeModel();
    chooser->answer = home / "Nowhere";
    model->chooseOwnFolder();
    EXPECT_TRUE(model->folders().empty());

    std::filesystem::create_directory(home / "Inbox");
    chooser->answer = home / "Inbox";
    std::optional<SortingFolder> chosen;
    model->chooseOwnFolder([&](std::optional<SortingFolder> folder) { chosen = folder; });
    ASSERT_TRUE(chosen);
    EXPECT_EQ(model->destinationID(), chosen->id);
    model->chooseOwnFolder();
    EXPECT_EQ(model->folders().size(), 1u);
    EXPECT_EQ(model->destinationID(), chosen->id);

    chooser->answer.reset();
    model->chooseOwnFolder([&](std::optional<SortingFolder> folder) { chosen = folder; });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(chooser->prompts.front(), "Use This Folder");
}

struct OwnFolderCase {
    const char* name;
    // Relative to the home.
    const char* chosen;
    // Registered under its own path, or refused with this message.
    const char* message;
};

class OwnFolderChoice : public SortingModelTest,
                        public ::testing::WithParamInterface<OwnFolderCase> {};

// A link is refused, and the message says so, naming where it leads when that
// is a folder; a folder reached through a link higher up is still a folder.
TEST_P(OwnFolderChoice, ALinkIsRefusedWithTheReasonAndAFolderIsTaken) {
    std::filesystem::create_directories(home / "Projects/Work/Drafts");
    std::filesystem::create_directory_symlink("Projects/Work", home / "Work");
    std::filesystem::create_symlink("Nowhere", home / "Gone");
    std::filesystem::create_symlink(file("plain.txt"), home / "Plain");
    const auto model = makeModel();
    chooser->answer = home / GetParam().chosen;

    std::optional<SortingFolder> chosen;
    model->chooseOwnFolder([&](std::optional<SortingFolder> folder) { chosen = folder; });
    EXPECT_EQ(model->message(), GetParam().message);
    if (!std::string_view(GetParam().message).empty()) {
        EXPECT_FALSE(chosen);
        EXPECT_TRUE(model->folders().empty());
        EXPECT_FALSE(model->destinationID());
        return;
    }
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, home / GetParam().chosen);
    EXPECT_EQ(model->destinationID(), chosen->id);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OwnFolderChoice,
    ::testing::Values(
        OwnFolderCase{"ALinkToAFolder", "Work",
                      "~/Work is a link to ~/Projects/Work. Choose that folder itself."},
        OwnFolderCase{"ADanglingLink", "Gone", "~/Gone is a link, not a folder."},
        OwnFolderCase{"ALinkToAFile", "Plain", "~/Plain is a link, not a folder."},
        OwnFolderCase{"AFolder", "Projects/Work", ""},
        OwnFolderCase{"AFolderThroughALink", "Work/Drafts", ""}),
    [](const ::testing::TestParamInfo<OwnFolderCase>& shown) {
        return std::string(shown.param.name);
    });

TEST_F(SortingModelTest, ALinkIsRefusedInItalianToo) {
    std::filesystem::create_directories(home / "Projects/Work");
    std::filesystem::create_directory_symlink(home / "Projects/Work", home / "Work");
    ui::Texts::setLanguage(QStringLiteral("it"));
    const auto model = makeModel();
    chooser->answer = home / "Work";
    model->chooseOwnFolder();
    EXPECT_EQ(model->message(),
              "~/Work è un collegamento a ~/Projects/Work. Scegli direttamente quella cartella.");
    ui::Texts::setLanguage(QStringLiteral("en"));
}

// The folder dialog's answer is a URL: the path is its local file in the
// file system's encoding, and a new request first answers the one still open.
// (A name that is not UTF-8 does not survive the dialog; the sorting model then
// finds no folder at the bytes and registers nothing.)
TEST(DialogFolderChooser, AnswersEachRequestOnceWithTheFoldersBytes) {
    DialogFolderChooser chooser;
    std::vector<std::optional<std::string>> answers;
    const auto record = [&](std::optional<std::string> path) { answers.push_back(path); };
    chooser.choose(QStringLiteral("Choose"), record);
    EXPECT_EQ(chooser.prompt(), "Choose");
    chooser.choose(QStringLiteral("Use This Folder"), record);
    chooser.accept(QUrl::fromLocalFile(QFile::decodeName("/home/ann/caf\xC3\xA9 b")));
    chooser.choose(QStringLiteral("Choose"), record);
    chooser.accept(QUrl(QStringLiteral("https://example.com/folder")));
    chooser.cancel();
    EXPECT_THAT(answers,
                ElementsAre(std::nullopt, std::optional<std::string>("/home/ann/caf\xC3\xA9 b"),
                            std::nullopt));
}

struct TargetCase {
    const char* name;
    // Relative to the home; "" is the sorting folder itself.
    const char* target;
    bool accepted;
};

class SortingTargetChoice : public SortingModelTest,
                            public ::testing::WithParamInterface<TargetCase> {};

TEST_P(SortingTargetChoice, ATargetThatWouldTakeTheFolderOrIsNoFolderIsRefused) {
    const auto model = makeModel();
    const auto folder = model->createTemporary("Later", SortingFate::keep());
    ASSERT_TRUE(folder);
    std::filesystem::create_directories(folder->path + "/inside");
    std::filesystem::create_directory(home / "Archive");
    file("plain.txt");
    chooser->answer = folder->path + "/" + GetParam().target;
    if (std::string(GetParam().target).starts_with("/")) {
        chooser->answer = home.path() + GetParam().target;
    }

    std::optional<std::string> chosen = "not answered";
    model->chooseTarget(*folder, [&](std::optional<std::string> path) { chosen = path; });
    EXPECT_EQ(chosen.has_value(), GetParam().accepted);
    EXPECT_EQ(model->message().isEmpty(), GetParam().accepted);
    if (!GetParam().accepted) {
        EXPECT_THAT(model->message().toStdString(), StartsWith("Cannot move"));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SortingTargetChoice,
                         ::testing::Values(TargetCase{"Itself", "", false},
                                           TargetCase{"Inside", "inside", false},
                                           TargetCase{"Missing", "/Nowhere", false},
                                           TargetCase{"AFile", "/plain.txt", false},
                                           TargetCase{"AnotherFolder", "/Archive", true}),
                         [](const ::testing::TestParamInfo<TargetCase>& shown) {
                             return std::string(shown.param.name);
                         });

MoveRecord someMove(std::string path) {
    return MoveRecord(path, "/sorting/" + path, 1, std::nullopt, std::chrono::system_clock::now());
}

struct FinishText {
    const char* name;
    std::size_t moved;
    std::size_t forPile;
    std::size_t failed;
    bool saveFailed;
    bool notRecorded;
    const char* message;
};

class SortingFinishText : public ::testing::TestWithParam<FinishText> {};

TEST_P(SortingFinishText, SaysWhatMovedWhatFailedAndWhatWaits) {
    ui::Texts::setLanguage(QStringLiteral("en"));
    SortingStore::FinishResult result;
    for (std::size_t i = 0; i < GetParam().moved; ++i) {
        result.moved.push_back(someMove("m" + std::to_string(i)));
    }
    for (std::size_t i = 0; i < GetParam().forPile; ++i) {
        result.forPile.push_back({"/p" + std::to_string(i), 1, "sorting.Later"});
    }
    for (std::size_t i = 0; i < GetParam().failed; ++i) {
        result.failed.push_back({"/f" + std::to_string(i), "no"});
    }
    if (GetParam().saveFailed) {
        result.saveError = "Disk full.";
    }
    if (GetParam().notRecorded) {
        result.recordError = "No space.";
    }
    EXPECT_EQ(SortingText::finishMessage(result, "Later").toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SortingFinishText,
    ::testing::Values(
        FinishText{"Nothing", 0, 0, 0, false, false, "Later stays as a normal folder."},
        FinishText{"ForThePile", 0, 3, 0, false, false,
                   "3 files from Later are on the pile. Nothing moves until you confirm it."},
        FinishText{"MovedOn", 2, 0, 0, false, false,
                   "Moved 2 files on. You can put them back from History."},
        FinishText{"SomeFailed", 2, 0, 1, false, false,
                   "Moved 2 files on. You can put them back from History. 1 file could not be "
                   "moved on and stays in Later."},
        FinishText{"AllFailed", 0, 0, 1, false, false,
                   "1 file could not be moved on and stays in Later."},
        FinishText{"NotRecorded", 1, 0, 2, false, true,
                   "Moved 1 file on. You can put it back from History. 2 files could not be "
                   "moved on and stay in Later. Moving on stopped, because Tandor could not "
                   "record the moves first: No space."},
        FinishText{"NotSaved", 2, 0, 0, true, false,
                   "Moved 2 files on. You can put them back from History. Could not save the "
                   "list of sorting folders: Disk full."}),
    [](const ::testing::TestParamInfo<FinishText>& shown) {
        return std::string(shown.param.name);
    });

TEST_F(SortingModelTest, FinishingOffersThePileWhatItDoesNotCoverAndCountsEveryOffer) {
    const auto model = makeModel();
    const auto later = model->createTemporary("Later", SortingFate::pileAfter(7));
    ASSERT_TRUE(later);
    std::vector<MoveRecord> moved;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) {
        moved.push_back(*moveNow(*model, file(name)));
    }
    EXPECT_EQ(model->counts().at(later->id), 3);
    ReviewPile pile;
    pile.add({moved[0].movedPath, 1, std::nullopt});

    model->finish(*later, pile);
    EXPECT_EQ(pile.count(), 3u);
    EXPECT_EQ(pile.entries()[1].ruleID, "sorting.Later");
    EXPECT_EQ(model->message(),
              "3 files from Later are on the pile. Nothing moves until you confirm it.");
    EXPECT_TRUE(model->folders().empty());
    EXPECT_FALSE(model->destinationID());
}

TEST_F(SortingModelTest, FinishingTowardsATargetThatIsGoneMovesNothingAndNamesIt) {
    const auto model = makeModel();
    const auto later = model->createTemporary("Later", SortingFate::moveTo(home / "Gone"));
    ASSERT_TRUE(later);
    const auto moved = moveNow(*model, file("a.txt"));
    ReviewPile pile;
    model->finish(*later, pile);
    EXPECT_EQ(model->message().toStdString(), MoveError::targetNotAFolder(home / "Gone").what());
    EXPECT_TRUE(isThere(moved->movedPath));
    EXPECT_EQ(model->folders().size(), 1u);
}

// A name that is not UTF-8 moves, shows and comes back at its very bytes.
TEST_F(SortingModelTest, MovesAreListedNewestFirstAndPutBackByRow) {
    const auto model = makeModel();
    QAbstractItemModelTester tester(model->moveList(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(model->moveList()->isEmpty());
    EXPECT_FALSE(moveNow(*model, file("a.txt")));  // no destination: nothing moves
    EXPECT_TRUE(isThere(home / "a.txt"));
    EXPECT_TRUE(model->message().isEmpty());

    std::filesystem::create_directory(home / "Inbox");
    chooser->answer = home / "Inbox";
    model->chooseOwnFolder();
    const std::string odd = file("caf\xE9.txt", "odd");
    ASSERT_TRUE(moveNow(*model, odd));
    ASSERT_TRUE(moveNow(*model, home / "a.txt"));
    EXPECT_EQ(contentsOf(home / "Inbox/caf\xE9.txt"), "odd");
    const SortingMoveList& list = *model->moveList();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.data(list.index(0), SortingMoveList::NameRole), "a.txt");
    EXPECT_EQ(list.data(list.index(1), SortingMoveList::FolderTextRole), "→ ~/Inbox");
    EXPECT_EQ(list.title(), "2 files sorted into folders");

    model->moveList()->putBack(1);
    EXPECT_EQ(contentsOf(odd), "odd");
    EXPECT_TRUE(list.data(list.index(1), SortingMoveList::UndoneRole).toBool());
    EXPECT_EQ(list.title(), "1 file sorted into folders");

    // Something new where it came from: it stays, and the message says why.
    file("a.txt", "new");
    model->moveList()->putBack(0);
    EXPECT_EQ(model->message().toStdString(), MoveError::originalPathTaken(home / "a.txt").what());
    EXPECT_FALSE(list.data(list.index(0), SortingMoveList::UndoneRole).toBool());
    EXPECT_EQ(model->counts().begin()->second, 1);
}

TEST_F(SortingModelTest, TheListShowsTheFiftyNewestAndCountsThemAll) {
    {
        SortingStore store(SortingStore::defaultURL());
        for (int i = 0; i < 51; ++i) {
            store.move(file("f" + std::to_string(i)), 1, home / "Inbox", std::nullopt,
                       std::chrono::system_clock::now());
        }
    }
    const auto model = makeModel();
    EXPECT_EQ(model->moveList()->rowCount(), 50);
    EXPECT_EQ(model->moveList()->title(), "51 files sorted into folders");
    EXPECT_EQ(model->moveList()->data(model->moveList()->index(0), SortingMoveList::NameRole),
              "f50");
}

// Only items still at their moved place count, whether their folder holds
// enough of them to be listed at once or few enough to be asked one by one;
// a link whose target is gone is an item all the same.
TEST_F(SortingModelTest, CountsTheItemsStillInEachFolder) {
    std::map<std::string, std::vector<MoveRecord>> moved;
    UUID many;
    UUID few;
    {
        SortingStore store(SortingStore::defaultURL());
        const auto now = std::chrono::system_clock::now();
        many = store.addFolder(home / "Many", now).id;
        few = store.addFolder(home / "Few", now).id;
        for (int i = 0; i < 40; ++i) {
            const std::string name = "m" + std::to_string(i);
            moved["Many"].push_back(store.move(file(name), 1, many, now).record);
        }
        for (int i = 0; i < 3; ++i) {
            moved["Few"].push_back(store.move(file("f" + std::to_string(i)), 1, few, now).record);
        }
        store.undo(moved["Many"][3].id);
    }
    std::filesystem::remove(moved["Many"][0].movedPath);
    std::filesystem::rename(moved["Many"][1].movedPath, home / "Many/renamed");
    std::filesystem::remove(moved["Many"][2].movedPath);
    std::filesystem::create_symlink(home / "gone", moved["Many"][2].movedPath);
    std::filesystem::remove(moved["Few"][0].movedPath);

    const auto model = makeModel();
    EXPECT_EQ(model->counts().at(many), 37);
    EXPECT_EQ(model->counts().at(few), 2);
}

// A put back made here while a move runs on the worker stays shown when the
// move ends, although the worker read the lists before it.
TEST_F(SortingModelTest, AMoveEndingAfterAPutBackShowsThePutBack) {
    const auto model = makeModel();
    ASSERT_TRUE(model->createTemporary("Later", SortingFate::keep()));
    const auto first = moveNow(*model, file("a.txt"));
    ASSERT_TRUE(first);

    bool done = false;
    model->move(file("b.txt"), 1, [&](std::optional<MoveRecord>) { done = true; });
    ASSERT_TRUE(BackgroundPool::shared()->waitForDone(10'000));
    ASSERT_TRUE(model->undo(first->id));
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 10'000));

    ASSERT_EQ(model->moves().size(), 2u);
    EXPECT_TRUE(model->moves()[1].undone);
    EXPECT_EQ(model->moveList()->title().toStdString(), "1 file sorted into folders");
}

// While moves cannot be recorded, nothing moves and the message says why, in
// the language in use; a put back whose save failed has happened, and the
// message says the list was not saved.
TEST_F(SortingModelTest, AMoveThatCannotBeRecordedDoesNotHappenAndSaysWhy) {
    const auto model = makeModel();
    ASSERT_TRUE(model->createTemporary("Later", SortingFate::keep()));
    const auto moved = moveNow(*model, file("a.txt", "a"));
    ASSERT_TRUE(moved);
    // A folder where the lock file belongs makes every save fail.
    const std::string lock = SortingStore::defaultURL() + ".lock";
    std::filesystem::remove(lock);
    std::filesystem::create_directory(lock);

    EXPECT_FALSE(moveNow(*model, file("b.txt", "b")));
    EXPECT_EQ(contentsOf(home / "b.txt"), "b");
    EXPECT_THAT(model->message().toStdString(),
                StartsWith("~/b.txt was not moved, because Tandor could not record the move "
                           "first: "));
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_FALSE(moveNow(*model, home / "b.txt"));
    EXPECT_THAT(model->message().toStdString(),
                StartsWith("~/b.txt non è stato spostato, perché Tandor non ha potuto prima "
                           "registrare lo spostamento: "));
    ui::Texts::setLanguage(QStringLiteral("en"));
    ASSERT_EQ(model->moves().size(), 1u);

    EXPECT_TRUE(model->undo(moved->id));
    EXPECT_EQ(contentsOf(home / "a.txt"), "a");
    EXPECT_THAT(model->message().toStdString(),
                StartsWith("Could not save the list of sorting folders: "));
    EXPECT_TRUE(model->moves().front().undone);
}

TEST_F(SortingModelTest, APutBackOfAReplacedFileSaysItChanged) {
    const auto model = makeModel();
    ASSERT_TRUE(model->createTemporary("Later", SortingFate::keep()));
    const auto moved = moveNow(*model, file("a.txt", "a"));
    ASSERT_TRUE(moved);
    std::filesystem::rename(file("replacement", "new"), moved->movedPath);

    EXPECT_FALSE(model->undo(moved->id));
    EXPECT_EQ(model->message(),
              "Not put back: ~/Tandor/Later/a.txt is no longer the file that was moved there.");
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_FALSE(model->undo(moved->id));
    EXPECT_EQ(
        model->message(),
        "Non ripristinato: ~/Tandor/Later/a.txt non è più il file che era stato spostato lì.");
    ui::Texts::setLanguage(QStringLiteral("en"));
    EXPECT_FALSE(isThere(home / "a.txt"));
    EXPECT_EQ(contentsOf(moved->movedPath), "new");
}

}  // namespace
}  // namespace tandor
