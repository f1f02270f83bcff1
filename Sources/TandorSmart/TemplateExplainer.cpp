#include "TandorSmart/TemplateExplainer.hpp"

namespace tandor {
namespace {

std::string safetySentence(SafetyLevel safety) {
    switch (safety) {
        case SafetyLevel::regenerable:
            return "It is safe to remove: it is rebuilt automatically when needed.";
        case SafetyLevel::existsElsewhere:
            return "A copy exists elsewhere, so you can get it back later.";
        case SafetyLevel::needsReview:
            break;
    }
    return "Tandor cannot tell if you still need it, so have a look before removing it.";
}

}  // namespace

std::vector<std::string> TemplateExplainer::sentences(const ExplanationFacts& facts) {
    return {facts.title + " takes " + facts.size + ".", facts.reason, safetySentence(facts.safety)};
}

Explanation TemplateExplainer::explain(const ExplanationFacts& facts) const {
    const auto parts = sentences(facts);
    return {parts[0] + " " + parts[1] + " " + parts[2], Explanation::Source::template_};
}

}  // namespace tandor
