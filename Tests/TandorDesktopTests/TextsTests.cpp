#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <filesystem>
#include <optional>

#include "TandorShared/StringTemplates.hpp"
#include "TandorShared/TextFormat.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

using ui::StringTemplates;
namespace TextFormat = ui::TextFormat;

struct FormatCase {
    const char* pattern;
    QStringList args;
    std::optional<QString> expected;
};

TEST(TextFormat, FillsPlaceholdersAndNeverReadsAMissingValue) {
    const std::vector<FormatCase> cases{
        {"%lld files", {"12"}, "12 files"},
        {"%@ and %@", {"a", "b"}, "a and b"},
        {"%2$@ before %1$@", {"a", "b"}, "b before a"},
        {"%1$lld of %2$lld", {"3", "9"}, "3 of 9"},
        {"%d, %ld", {"1", "2"}, "1, 2"},
        {"100%% sure", {}, "100% sure"},
        {"%lld%%", {"7"}, "7%"},
        {"5% off, 50%", {}, "5% off, 50%"},
        {"%5 without dollar", {}, "%5 without dollar"},
        {"%@ stays %@", {"%@", "x"}, "%@ stays x"},
        {"%@ and %@", {"a"}, std::nullopt},
        {"%3$@", {"a", "b"}, std::nullopt},
        {"%0$@", {"a"}, std::nullopt},
        {"%99999999999$@", {"a"}, std::nullopt},
        {"%1$@ %@ %@", {"a", "b"}, "a a b"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(TextFormat::format(QString::fromUtf8(item.pattern), item.args), item.expected)
            << item.pattern;
    }
}

TEST(TextFormat, ATranslationMustReferToTheSameValuesAsItsKey) {
    struct Case {
        const char* key;
        const char* translation;
        bool same;
    };
    const std::vector<Case> cases{
        {"%lld days ago", "%lld giorni fa", true},
        {"From %@ to %@", "Verso %2$@ da %1$@", true},
        {"Uninstall %@", "Disinstalla %1$@", true},
        {"Uninstall %@", "Disinstalla %@ %@", false},
        {"Uninstall %@", "Disinstalla %2$@", false},
        {"From %@ to %@", "Da %@", false},
        {"Plain", "Semplice %@", false},
        {"Plain", "Semplice 100%%", true},
        {"Uninstall %@", "Disinstalla %0$@", false},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(TextFormat::samePlaceholders(QString::fromUtf8(item.key),
                                               QString::fromUtf8(item.translation)),
                  item.same)
            << item.key << " / " << item.translation;
    }
}

TEST(TextFormat, TheCountIsTheFirstWholeNumberValue) {
    const std::vector<std::pair<const char*, std::optional<int>>> cases{
        {"%lld items · %@", 1},     {"%@ · %lld files", 2},       {"%2$@ and %1$lld", 1},
        {"%@ of %@", std::nullopt}, {"100%% done", std::nullopt},
    };
    for (const auto& [pattern, expected] : cases) {
        EXPECT_EQ(TextFormat::countArgument(QString::fromUtf8(pattern)), expected) << pattern;
    }
}

TEST(TextFormat, WholeNumbersAreGroupedForTheLanguage) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const struct {
        QVariant value;
        const QLocale& locale;
        const char* text;
    } cases[] = {
        {QVariant(12.0), english, "12"},
        {QVariant(12320.0), english, "12,320"},
        {QVariant(12320.0), italian, "12.320"},
        {QVariant(qint64{-1234567}), english, "-1,234,567"},
        {QVariant(2.5), english, "2.5"},
        {QVariant(QStringLiteral("12320")), english, "12320"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(TextFormat::argumentText(item.value, item.locale), QString::fromUtf8(item.text))
            << item.value.toString().toStdString();
    }
}

// A strings table for the template engine, without a .qm file.
StringTemplates makeTemplates(const QHash<QString, QString>& table) {
    return StringTemplates([table](const QString& key) { return table.value(key); });
}

TEST(StringTemplates, RebuildsEngineTextsFromTheirTranslations) {
    auto templates = makeTemplates({
        {"Last opened %lld days ago", "Ultima apertura %lld giorni fa"},
        {"Last changed %@", "Ultima modifica %@"},
        {"%lld days ago", "%lld giorni fa"},
        {"From %@ to %@", "Verso %2$@ partendo da %1$@"},
        {"Uninstall %@", "Disinstalla %@ e %@"},
        {"Same email %@", "Stessa email %@"},
        {"Other %lld things", "Altre %lld cose"},
        {"Last opened 5 days ago", "Entry of its own"},
        {"Already extracted to “%@”", "Già estratto in “%@”"},
        {"To get it back: %@", "Per recuperarlo: %@"},
        {"Fonts", "Font"},
    });
    struct Case {
        const char* text;
        std::optional<QString> expected;
    };
    const std::vector<Case> cases{
        {"Last opened 12 days ago", "Ultima apertura 12 giorni fa"},
        {"Last opened 1,234.5 days ago", "Ultima apertura 1,234.5 giorni fa"},
        // A number placeholder never captures text that starts with a non-digit.
        {"Last opened x12 days ago", std::nullopt},
        // The longer literal wins, and the captured phrase is translated too.
        {"Last changed 3 days ago", "Ultima modifica 3 giorni fa"},
        {"From Downloads to Archive", "Verso Archive partendo da Downloads"},
        // A translation that asks for more values than its key is not used.
        {"Uninstall Editor", std::nullopt},
        // Only the known template keys become templates.
        {"Other 3 things", std::nullopt},
        {"Same email a%@b", "Stessa email a%@b"},
        {"Nothing like it", std::nullopt},
        // A folder's name stays as it is on the disk; a title is translated.
        {"Already extracted to “Fonts”", "Già estratto in “Fonts”"},
        {"To get it back: Fonts", "Per recuperarlo: Font"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(templates.translate(QString::fromUtf8(item.text)), item.expected) << item.text;
        // Asked again, the answer comes from the cache and is the same.
        EXPECT_EQ(templates.translate(QString::fromUtf8(item.text)), item.expected) << item.text;
    }
    EXPECT_EQ(templates.localized(QStringLiteral("Last opened 5 days ago")),
              QStringLiteral("Entry of its own"));
    EXPECT_EQ(templates.localized(QStringLiteral("Uninstall Editor")),
              QStringLiteral("Uninstall Editor"));
}

TEST(StringTemplates, WithoutTranslationsEveryTextIsShownUnchanged) {
    auto templates = makeTemplates({});
    for (const QString& key : StringTemplates::keys()) {
        EXPECT_EQ(templates.localized(key), key);
    }
    EXPECT_EQ(templates.localized(QStringLiteral("Last opened 12 days ago")),
              QStringLiteral("Last opened 12 days ago"));
}

TEST(Texts, ChoosesTheStoredLanguageElseTheSystemsElseEnglish) {
    struct Case {
        const char* stored;
        QStringList system;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"it", {"en-US"}, "it"},        {"en", {"it-IT"}, "en"},
        {"", {"it-IT", "en-US"}, "it"}, {"fr", {"de-DE", "it_CH"}, "it"},
        {"", {"de-DE", "fr-FR"}, "en"}, {"", {}, "en"},
        {"", {"en-GB", "it-IT"}, "en"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(ui::Texts::resolveLanguage(QString::fromUtf8(item.stored), item.system),
                  QString::fromUtf8(item.expected))
            << item.stored;
    }
}

class TextsInLanguage : public ::testing::Test {
  protected:
    void TearDown() override { ui::Texts::setLanguage(QStringLiteral("en")); }
};

TEST_F(TextsInLanguage, ItalianComesFromTheEmbeddedTranslation) {
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_EQ(ui::Texts::language(), QStringLiteral("it"));
    EXPECT_EQ(ui::Texts::tr(QStringLiteral("Last opened %lld days ago"), {12}),
              QStringLiteral("Ultima apertura 12 giorni fa"));
    EXPECT_EQ(ui::Texts::localized(QStringLiteral("Last opened 12 days ago")),
              QStringLiteral("Ultima apertura 12 giorni fa"));
    EXPECT_EQ(ui::Texts::count(1234567), QStringLiteral("1.234.567"));

    ui::Texts::setLanguage(QStringLiteral("en"));
    EXPECT_EQ(ui::Texts::tr(QStringLiteral("Last opened %lld days ago"), {12}),
              QStringLiteral("Last opened 12 days ago"));
    EXPECT_EQ(ui::Texts::localized(QStringLiteral("Last opened 12 days ago")),
              QStringLiteral("Last opened 12 days ago"));
    EXPECT_EQ(ui::Texts::count(1234567), QStringLiteral("1,234,567"));
}

TEST_F(TextsInLanguage, TooFewValuesShowTheTextUnfilled) {
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_EQ(ui::Texts::tr(QStringLiteral("Last opened %lld days ago")),
              QStringLiteral("Ultima apertura %lld giorni fa"));
    EXPECT_EQ(ui::Texts::tr(QStringLiteral("No such key %@ %@"), {QStringLiteral("a")}),
              QStringLiteral("No such key %@ %@"));
}

TEST_F(TextsInLanguage, ACountOfOneReadsInTheSingularInBothLanguages) {
    struct Case {
        const char* language;
        const char* key;
        QVariantList args;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"en", "%lld items · %@", {1, "5 KB"}, "1 item · 5 KB"},
        {"en", "%lld items · %@", {2, "5 KB"}, "2 items · 5 KB"},
        {"en", "%lld items · %@", {0, "0 KB"}, "0 items · 0 KB"},
        // QML hands its numbers over as doubles.
        {"en", "%lld suggestions · %@", {1.0, "5 KB"}, "1 suggestion · 5 KB"},
        {"en", "%@ · %lld files", {"5 KB", 1}, "5 KB · 1 file"},
        {"en", "%@ · %lld files", {"5 KB", 3}, "5 KB · 3 files"},
        {"en",
         "Move %lld items (%@) to the Trash?",
         {1, "5 KB"},
         "Move 1 item (5 KB) to the Trash?"},
        {"en", "Swipe review", {}, "Swipe review"},
        {"it", "%lld items · %@", {1, "5 KB"}, "1 elemento · 5 KB"},
        {"it", "%lld items · %@", {0, "0 KB"}, "0 elementi · 0 KB"},
        {"it", "%lld items · %@", {1234, "5 KB"}, "1.234 elementi · 5 KB"},
        {"it",
         "Move %lld items (%@) to the Trash?",
         {1, "5 KB"},
         "Spostare 1 elemento (5 KB) nel Cestino?"},
        {"it", "· %lld put back", {1}, "· 1 ripristinato"},
        {"it", "· %lld put back", {2}, "· 2 ripristinati"},
        // A key without plural forms keeps its one translation for any count.
        {"it", "Restore All (%lld)", {1}, "Ripristina tutti (1)"},
        {"it", "Restore All (%lld)", {2}, "Ripristina tutti (2)"},
    };
    for (const auto& item : cases) {
        ui::Texts::setLanguage(QString::fromUtf8(item.language));
        EXPECT_EQ(ui::Texts::tr(QString::fromUtf8(item.key), item.args),
                  QString::fromUtf8(item.expected))
            << item.language << ": " << item.key;
    }
}

TEST_F(TextsInLanguage, ByteCountsAreWordsOfTheLanguage) {
    ui::Texts::setLanguage(QStringLiteral("it"));
    EXPECT_EQ(ui::Texts::bytes(0), QStringLiteral("0 byte"));
    EXPECT_EQ(ui::Texts::bytes(999), QStringLiteral("999 byte"));
    EXPECT_EQ(ui::Texts::bytes(1500), QStringLiteral("1.5 KB"));
    // Engine sentences that carry a byte count read in Italian too.
    EXPECT_EQ(ui::Texts::localized(QStringLiteral("It takes 12 bytes today")),
              QStringLiteral("Oggi occupa 12 byte"));
    ui::Texts::setLanguage(QStringLiteral("en"));
    EXPECT_EQ(ui::Texts::bytes(0), QStringLiteral("0 bytes"));
    EXPECT_EQ(ui::Texts::bytes(1), QStringLiteral("1 byte"));
    EXPECT_EQ(ui::Texts::localized(QStringLiteral("It takes 1 bytes today")),
              QStringLiteral("It takes 1 bytes today"));
}

// Each message of a .ts file: its key and its translations (one, or one per
// plural form), and whether it was marked unfinished.
struct ShippedMessage {
    QString key;
    QStringList translations;
    bool unfinished = false;
};

QList<ShippedMessage> shippedMessages(const char* name) {
    const auto source = std::filesystem::path(TANDOR_SOURCE_DIR) / "Apps" / "Shared" / name;
    QFile file(QString::fromStdString(source.string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << source;
    QXmlStreamReader reader(&file);
    QList<ShippedMessage> messages;
    bool plural = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (reader.name() == u"message") {
            messages.append(ShippedMessage{});
            plural = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (reader.name() == u"source") {
            messages.back().key = reader.readElementText();
        } else if (reader.name() == u"translation") {
            messages.back().unfinished =
                reader.attributes().value(QStringLiteral("type")) == u"unfinished";
            if (!plural) {
                messages.back().translations.append(reader.readElementText());
            }
        } else if (reader.name() == u"numerusform") {
            messages.back().translations.append(reader.readElementText());
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return messages;
}

// Every translation shipped must be filled in and refer to the same values as
// its key; otherwise the English text would silently take its place. Plural
// forms follow a count, and only texts with a count have them.
TEST(Texts, EveryTranslationIsCompleteAndKeepsItsPlaceholders) {
    QStringList italianKeys;
    for (const char* name : {"tandor_it.ts", "tandor_en.ts"}) {
        const auto messages = shippedMessages(name);
        EXPECT_FALSE(messages.isEmpty()) << name;
        for (const auto& message : messages) {
            const std::string key = message.key.toStdString();
            EXPECT_FALSE(message.unfinished) << name << ": " << key;
            EXPECT_FALSE(message.translations.isEmpty()) << name << ": " << key;
            if (message.translations.size() > 1) {
                EXPECT_TRUE(TextFormat::countArgument(message.key)) << name << ": " << key;
            }
            for (const QString& translation : message.translations) {
                EXPECT_FALSE(translation.isEmpty()) << name << ": " << key;
                EXPECT_TRUE(TextFormat::samePlaceholders(message.key, translation))
                    << name << ": " << key << " / " << translation.toStdString();
            }
            if (QString::fromUtf8(name) == u"tandor_it.ts") {
                italianKeys.append(message.key);
            } else {
                EXPECT_TRUE(italianKeys.contains(message.key)) << "not a key: " << key;
            }
        }
    }
}

}  // namespace
}  // namespace tandor
