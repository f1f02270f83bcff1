#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>

#include "TandorSmart/ExplanationError.hpp"
#include "TandorSmart/ExplanationFacts.hpp"
#include "TandorSmart/ExplanationGuard.hpp"
#include "TandorSmart/ExplanationService.hpp"
#include "TandorSmart/OnDeviceModelExplainer.hpp"
#include "TandorSmart/TemplateExplainer.hpp"

namespace tandor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

Suggestion suggestionOf(SafetyLevel safety, int itemCount, std::vector<Evidence> evidence = {},
                        std::string title = "npm cache") {
    std::vector<SuggestionItem> items;
    for (int i = 0; i < itemCount; ++i) {
        items.push_back({"/home/u/f" + std::to_string(i) + ".tgz", 300, {}, {}});
    }
    return Suggestion("cache.npm", std::move(title), StorageCategory::caches, std::nullopt, safety,
                      "Downloaded package tarballs.", std::move(evidence), std::move(items));
}

ExplanationFacts factsOf(SafetyLevel safety, int itemCount) {
    return ExplanationFacts(suggestionOf(safety, itemCount));
}

TEST(ExplanationFacts, TextBlock) {
    const ExplanationFacts full(suggestionOf(
        SafetyLevel::needsReview, 5,
        {Evidence::inferred("i1"), Evidence::observed("o1"), Evidence::observed("o2")}));
    EXPECT_EQ(full.text(),
              "Item: npm cache\n"
              "Size: 1.5 KB in 5 items\n"
              "Safety level: Needs review\n"
              "Why Tandor suggests it: Downloaded package tarballs.\n"
              "Measured: o1\n"
              "Measured: o2\n"
              "Tandor's reading: i1\n"
              "Examples: f0.tgz, f1.tgz, f2.tgz");
    EXPECT_EQ(factsOf(SafetyLevel::existsElsewhere, 1).text(),
              "Item: npm cache\nSize: 300 bytes in 1 item\nSafety level: Exists elsewhere\n"
              "Why Tandor suggests it: Downloaded package tarballs.\nExamples: f0.tgz");
    EXPECT_EQ(factsOf(SafetyLevel::regenerable, 0).text(),
              "Item: npm cache\nSize: 0 bytes in 0 items\nSafety level: Regenerable\n"
              "Why Tandor suggests it: Downloaded package tarballs.");
}

TEST(TemplateExplainer, ThreeSentencesBySafety) {
    const struct {
        SafetyLevel safety;
        const char* last;
    } cases[] = {
        {SafetyLevel::regenerable,
         "It is safe to remove: it is rebuilt automatically when needed."},
        {SafetyLevel::existsElsewhere, "A copy exists elsewhere, so you can get it back later."},
        {SafetyLevel::needsReview,
         "Tandor cannot tell if you still need it, so have a look before removing it."},
    };
    for (const auto& test : cases) {
        const auto facts = factsOf(test.safety, 2);
        EXPECT_THAT(
            TemplateExplainer::sentences(facts),
            ElementsAre("npm cache takes 600 bytes.", "Downloaded package tarballs.", test.last));
        EXPECT_EQ(TemplateExplainer().explain(facts),
                  (Explanation{std::string("npm cache takes 600 bytes. Downloaded package "
                                           "tarballs. ") +
                                   test.last,
                               Explanation::Source::template_}));
    }
    EXPECT_EQ(rawValue(Explanation::Source::template_), "template");
    EXPECT_EQ(rawValue(Explanation::Source::onDeviceModel), "onDeviceModel");
}

TEST(ExplanationGuard, NumberTokens) {
    const struct {
        const char* text;
        std::vector<std::string> tokens;
    } cases[] = {
        {"1.5 GB in 12 items.", {"1.5", "12"}},
        {"2,500", {"2", "500"}},
        {"version 1.2.3", {"1.2.3"}},
        {"no numbers. at all", {}},
        {".5 and 7.", {"5", "7"}},
        {"3 and 3", {"3", "3"}},
        {"\xD9\xA3 files", {"\xD9\xA3"}},                                   // Arabic-Indic three
        {"\xC2\xBD done", {"\xC2\xBD"}},                                    // one half
        {"key 5\xEF\xB8\x8F\xE2\x83\xA3!", {"5\xEF\xB8\x8F\xE2\x83\xA3"}},  // keycap five
        {"bad \xFF 4", {"4"}},
        {"", {}},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ExplanationGuard::numbers(test.text), test.tokens) << test.text;
    }
}

TEST(ExplanationGuard, AcceptsShortGroundedAndHonestAnswers) {
    const auto regenerable = factsOf(SafetyLevel::regenerable, 2);
    const auto review = factsOf(SafetyLevel::needsReview, 3);
    std::string decomposed;
    for (int i = 0; i < 400; ++i) {
        decomposed += "e\xCC\x81";
    }
    const struct {
        std::string answer;
        const ExplanationFacts& facts;
        bool accepted;
    } cases[] = {
        {" \n\t ", regenerable, false},
        {"", regenerable, false},
        {std::string(400, 'a'), regenerable, true},
        {"  " + std::string(400, 'a') + "\n", regenerable, true},
        {std::string(401, 'a'), regenerable, false},
        {decomposed, regenerable, true},
        {"It holds 3 files.", regenerable, false},
        {"It holds 3 files.", review, true},
        {"It takes 600 bytes in 2 items.", regenerable, true},
        {"It takes 0.6 KB.", regenerable, false},
        {"You can safely delete it.", review, false},
        {"It is Safe To Remove.", review, false},
        {"It is safe to delete.", review, false},
        {"You can safely remove it.", review, false},
        {"It is not safe to delete it blindly.", review, true},
        {"You can safely delete it.", regenerable, true},
        {"It is safe to remove.", factsOf(SafetyLevel::existsElsewhere, 1), true},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ExplanationGuard::accepts(test.answer, test.facts), test.accepted)
            << test.answer.substr(0, 40);
    }
}

// A language model that answers through a function and counts its sessions.
class FakeModel final : public LanguageModel {
  public:
    using Answer = std::function<std::string(const std::string& prompt)>;

    explicit FakeModel(Answer answer, bool available = true)
        : answer_(std::move(answer)), available_(available) {}

    bool isAvailable() const override { return available_; }
    std::string respond(const std::string& instructions, const std::string& prompt) const override {
        ++sessions;
        EXPECT_EQ(instructions, OnDeviceModelExplainer::instructions());
        return answer_(prompt);
    }

    mutable std::atomic<int> sessions{0};

  private:
    Answer answer_;
    bool available_;
};

std::shared_ptr<FakeModel> modelAnswering(std::string text, bool available = true) {
    return std::make_shared<FakeModel>([text](const std::string&) { return text; }, available);
}

std::vector<std::shared_ptr<const Explainer>> modelThenTemplate(
    std::shared_ptr<const LanguageModel> model) {
    return {std::make_shared<OnDeviceModelExplainer>(std::move(model)),
            std::make_shared<TemplateExplainer>()};
}

const Suggestion cacheSuggestion = suggestionOf(SafetyLevel::regenerable, 2);
const Explanation templateAnswer = TemplateExplainer().explain(ExplanationFacts(cacheSuggestion));

TEST(ExplanationService, TakesAModelAnswerTheGuardAccepts) {
    std::string prompt;
    const auto model = std::make_shared<FakeModel>([&](const std::string& given) {
        prompt = given;
        return "\n  The npm cache holds 2 downloaded packages.  ";
    });
    ExplanationService service(modelThenTemplate(model));
    EXPECT_TRUE(service.usesOnDeviceModel());
    EXPECT_EQ(service.explain(cacheSuggestion),
              (Explanation{"The npm cache holds 2 downloaded packages.",
                           Explanation::Source::onDeviceModel}));
    EXPECT_EQ(prompt, ExplanationFacts(cacheSuggestion).text());
}

TEST(ExplanationService, FallsBackToTheTemplateWhenTheModelFailsOrIsRejected) {
    const std::shared_ptr<FakeModel> models[] = {
        modelAnswering("It holds 7 packages."),
        modelAnswering("   "),
        modelAnswering(std::string(401, 'a')),
        std::make_shared<FakeModel>(
            [](const std::string&) -> std::string { throw std::runtime_error("refused"); }),
        modelAnswering("Fine.", false),
    };
    for (const auto& model : models) {
        ExplanationService service(modelThenTemplate(model));
        EXPECT_EQ(service.explain(cacheSuggestion), templateAnswer);
    }
    EXPECT_EQ(models[4]->sessions, 0);

    ExplanationService withoutTemplate(
        {std::make_shared<OnDeviceModelExplainer>(modelAnswering("It holds 7 packages."))});
    EXPECT_EQ(withoutTemplate.explain(cacheSuggestion), templateAnswer);
}

TEST(ExplanationService, WithoutAModelEveryExplanationComesFromTheTemplates) {
    const OnDeviceModelExplainer noModel;
    EXPECT_FALSE(noModel.isAvailable());
    try {
        (void)noModel.explain(ExplanationFacts(cacheSuggestion));
        ADD_FAILURE() << "explained without a model";
    } catch (const ExplanationError& error) {
        EXPECT_EQ(error.errorCase(), ExplanationError::Case::unavailable);
    }
    ExplanationService service(modelThenTemplate(nullptr));
    EXPECT_FALSE(service.usesOnDeviceModel());
    EXPECT_FALSE(
        ExplanationService(modelThenTemplate(modelAnswering("x", false))).usesOnDeviceModel());
    EXPECT_EQ(service.explain(cacheSuggestion), templateAnswer);
}

TEST(ExplanationService, EachDistinctFactsValueReachesTheModelOnce) {
    const auto model = modelAnswering("A cache of packages.");
    ExplanationService service(modelThenTemplate(model));
    const auto other = suggestionOf(SafetyLevel::regenerable, 2, {}, "Yarn cache");
    const auto first = service.explain(cacheSuggestion);
    EXPECT_EQ(service.explain(cacheSuggestion), first);
    service.explain(other);
    service.explain(suggestionOf(SafetyLevel::regenerable, 2));
    EXPECT_EQ(model->sessions, 2);
}

// A model that asks the service again while it answers would hang if the
// service held its lock around the explainers.
TEST(ExplanationService, AsksTheExplainersOutsideItsLock) {
    ExplanationService* service = nullptr;
    const auto other = suggestionOf(SafetyLevel::regenerable, 2, {}, "Yarn cache");
    const auto model = std::make_shared<FakeModel>([&](const std::string& prompt) {
        if (prompt.starts_with("Item: npm cache")) {
            EXPECT_EQ(service->explain(other).text, "A cache.");
        }
        return std::string("A cache.");
    });
    ExplanationService shared(modelThenTemplate(model));
    service = &shared;
    EXPECT_EQ(shared.explain(cacheSuggestion).text, "A cache.");
    EXPECT_EQ(model->sessions, 2);
}

}  // namespace
}  // namespace tandor
