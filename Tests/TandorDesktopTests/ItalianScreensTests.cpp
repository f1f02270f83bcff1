#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>

#include "Duplicates/DuplicatesModel.hpp"
#include "MainWindow.hpp"
#include "Shell/ContentViewModel.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

// The words of a text, lowercased; numbers and marks are not words.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList words;
    for (const QString& word : text.toLower().split(nonLetters, Qt::SkipEmptyParts)) {
        if (word.size() >= 3) {
            words.append(word);
        }
    }
    return words;
}

// The words only English texts use: every word of the keys that no Italian
// translation uses too ("file", "app" and "Tandor" read alike in both).
QSet<QString> englishOnlyWords() {
    const auto source =
        std::filesystem::path(TANDOR_SOURCE_DIR) / "Apps" / "Shared" / "tandor_it.ts";
    QFile file(QString::fromStdString(source.string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << source;
    QXmlStreamReader reader(&file);
    QSet<QString> english;
    QSet<QString> italian;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == u"source") {
            for (const QString& word : wordsOf(reader.readElementText())) {
                english.insert(word);
            }
        } else if (reader.name() == u"translation") {
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            for (const QString& word : wordsOf(text)) {
                italian.insert(word);
            }
        }
    }
    return english - italian;
}

// A text with the paths and file names in it left out.
QString withoutPaths(const QString& text) {
    static const QRegularExpression path(QStringLiteral("\\S*(?:[/~]|\\.\\w)\\S*"));
    return QString(text).remove(path);
}

// The words of every name in the home: the user's, whatever their language.
QSet<QString> namesIn(const std::string& home) {
    QSet<QString> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home)) {
        for (const QString& word : wordsOf(QString::fromStdString(entry.path().filename()))) {
            names.insert(word);
        }
    }
    return names;
}

// Whether the item draws its "text" itself; a component's own "text"
// property may hold the key it hands on to the item that shows it.
bool drawsText(const QQuickItem* item) {
    return item->inherits("QQuickText") || item->inherits("QQuickTextInput") ||
           item->inherits("QQuickTextEdit") || item->inherits("QQuickIconLabel");
}

// The text of every visible item under root that draws one.
void collectTexts(QQuickItem* root, QStringList& texts) {
    if (root == nullptr || !root->isVisible()) {
        return;
    }
    const QString text = root->property("text").toString();
    if (drawsText(root) && !text.isEmpty()) {
        texts.append(text);
    }
    for (auto* child : root->childItems()) {
        collectTexts(child, texts);
    }
}

// Writes a file of `bytes` allocated bytes.
void allocate(const std::string& path, off_t bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::posix_fallocate(fd, 0, bytes), 0);
    ::close(fd);
}

// The main window in Italian over a scanned fixture home with a suggestion,
// files for the swipe decks, an empty file and a cleanup in the history.
class ItalianScreens : public testing::MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        ui::Texts::setLanguage(QStringLiteral("it"));
        environment.set("XDG_CACHE_HOME", elsewhere.path());
        ASSERT_NO_FATAL_FAILURE(
            allocate(home / "Library/Caches/com.example.zattera/blob", 60'000'000));
        ASSERT_NO_FATAL_FAILURE(allocate(home / "Downloads/zattera.zip", 30'000'000));
        std::filesystem::create_directories(home / "Documents");
        std::ofstream(home / "Documents/vuoto.txt");
        const std::string inTrash = home / ".local/share/Trash/files/vecchio.dmg";
        ASSERT_NO_FATAL_FAILURE(allocate(inTrash, 4'000));
        CleanupHistory(CleanupHistory::defaultURL())
            .append({HistoryRecord(home / "Downloads/vecchio.dmg", inTrash, 512,
                                   std::string("downloads.installers"),
                                   std::chrono::system_clock::now())});
        QSettings().setValue("didFinishOnboarding", true);
        DuplicatesModel::prepare(engine, &duplicates);
        ASSERT_NO_FATAL_FAILURE(loadWindow());
        ASSERT_TRUE(model.scanHome());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return model.phase() == ScanModel::Phase::ready; }, 60'000));
    }

    void TearDown() override {
        MainWindowFixture::TearDown();
        ui::Texts::setLanguage(QStringLiteral("en"));
    }

    const testing::TemporaryFolder elsewhere;
    testing::EnvironmentOverride environment;
    DuplicatesModel duplicates{model};
};

TEST_F(ItalianScreens, EveryTabShowsItsTextsInItalian) {
    const QSet<QString> english = englishOnlyWords() - namesIn(home.path());
    ASSERT_TRUE(english.contains(QStringLiteral("pile")));
    for (const QVariant& tab : ContentViewModel::tabs()) {
        const QString title = tab.toMap().value(QStringLiteral("title")).toString();
        showTab(title.toUtf8().constData(), 500);
        QStringList texts;
        collectTexts(window->contentItem(), texts);
        EXPECT_FALSE(texts.isEmpty()) << title.toStdString();
        for (const QString& text : texts) {
            for (const QString& word : wordsOf(withoutPaths(text))) {
                EXPECT_FALSE(english.contains(word))
                    << title.toStdString() << ": \"" << text.toStdString() << "\" ("
                    << word.toStdString() << ")";
            }
        }
    }
}

}  // namespace
}  // namespace tandor
