#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <future>
#include <memory>
#include <string>

#include "Results/SuggestionListModel.hpp"
#include "Smart/ExplanationLine.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSmart/OnDeviceModelExplainer.hpp"
#include "TandorSmart/TemplateExplainer.hpp"

namespace tandor {
namespace {

using ::testing::HasSubstr;

Suggestion cacheOf(std::int64_t bytes) {
    return Suggestion("cache.npm", "npm cache", StorageCategory::caches, std::nullopt,
                      SafetyLevel::regenerable, "Downloaded package tarballs.", {},
                      {{"/home/u/.npm/_cacache", bytes, std::nullopt, std::nullopt}});
}

// A language model that answers through a function.
class FakeModel final : public LanguageModel {
  public:
    using Answer = std::function<std::string(const std::string& prompt)>;
    explicit FakeModel(Answer answer) : answer_(std::move(answer)) {}

    bool isAvailable() const override { return true; }
    std::string respond(const std::string&, const std::string& prompt) const override {
        return answer_(prompt);
    }

  private:
    Answer answer_;
};

std::shared_ptr<ExplanationService> serviceWith(FakeModel::Answer answer) {
    return std::make_shared<ExplanationService>(std::vector<std::shared_ptr<const Explainer>>{
        std::make_shared<OnDeviceModelExplainer>(std::make_shared<FakeModel>(std::move(answer))),
        std::make_shared<TemplateExplainer>()});
}

class ExplanationLineTest : public ::testing::Test {
  protected:
    ExplanationLineTest() { ui::Texts::setLanguage(QStringLiteral("en")); }
    ~ExplanationLineTest() override { ui::Texts::setLanguage(QStringLiteral("en")); }

    void show(const Suggestion& suggestion) { suggestions.setContent({suggestion}, ReviewPile()); }

    void open() {
        line.setSuggestions(&suggestions);
        line.setSuggestionId(QStringLiteral("cache.npm"));
    }

    void waitForAnswer() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return line.isReady(); }, 5000));
    }

    SuggestionListModel suggestions;
    ExplanationLine line;
};

struct TemplateCase {
    const char* language;
    std::string text;
};

class TemplateLine : public ExplanationLineTest,
                     public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(TemplateLine, WithoutAModelTheSentencesFollowTheInterfaceLanguage) {
    ui::Texts::setLanguage(QString::fromUtf8(GetParam().language));
    show(cacheOf(1'500'000));
    open();
    waitForAnswer();
    EXPECT_EQ(line.text().toStdString(), GetParam().text);
    EXPECT_EQ(line.symbol(), QStringLiteral("text.bubble"));
    EXPECT_EQ(line.help(),
              ui::Texts::tr(QStringLiteral("Written by Tandor from the facts below.")));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TemplateLine,
    ::testing::Values(
        TemplateCase{"en",
                     "npm cache takes 1.5 MB. It is safe to remove: it is rebuilt automatically "
                     "when needed."},
        TemplateCase{"it",
                     "Cache di npm occupa 1.5 MB. Si può rimuovere senza rischi: viene ricreato "
                     "automaticamente quando serve."}),
    [](const auto& test) { return std::string(test.param.language); });

TEST_F(ExplanationLineTest, AModelAnswerIsShownAsWrittenAndSaysWhereItWasWritten) {
    line.setService(
        serviceWith([](const std::string&) { return "A cache of downloaded packages."; }));
    show(cacheOf(1'500'000));
    open();
    waitForAnswer();
    EXPECT_EQ(line.text(), QStringLiteral("A cache of downloaded packages."));
    EXPECT_EQ(line.symbol(), QStringLiteral("sparkles"));
    EXPECT_THAT(line.help().toStdString(), HasSubstr("on this computer"));
}

// The first request is held until the second was answered; its late answer
// must not replace the newer one.
TEST_F(ExplanationLineTest, ALateAnswerNeverReplacesANewerOne) {
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    line.setService(serviceWith([released](const std::string& prompt) -> std::string {
        if (prompt.find("Size: 1 MB") != std::string::npos) {
            released.wait();
            return "The old size.";
        }
        return "The new size.";
    }));
    show(cacheOf(1'000'000));
    open();
    QTest::qWait(50);
    show(cacheOf(2'000'000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return line.text() == "The new size."; }, 5000));
    QSignalSpy changes(&line, &ExplanationLine::explanationChanged);
    release.set_value();
    QTest::qWait(200);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(line.text(), QStringLiteral("The new size."));
}

TEST_F(ExplanationLineTest, AnUnchangedSuggestionIsNotAskedAgain) {
    int asked = 0;
    line.setService(serviceWith([&asked](const std::string&) {
        ++asked;
        return "A cache.";
    }));
    show(cacheOf(1'000'000));
    open();
    waitForAnswer();
    show(cacheOf(1'000'000));
    suggestions.setPile(ReviewPile());
    QTest::qWait(100);
    EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace tandor
