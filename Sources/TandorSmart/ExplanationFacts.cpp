#include "TandorSmart/ExplanationFacts.hpp"

#include <algorithm>

#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {
namespace {

constexpr std::size_t sampleCount = 3;

std::vector<std::string> textsOf(const std::vector<Evidence>& evidence, Evidence::Kind kind) {
    std::vector<std::string> texts;
    for (const auto& line : evidence) {
        if (line.kind == kind) {
            texts.push_back(line.text);
        }
    }
    return texts;
}

std::vector<std::string> sampleNamesOf(const std::vector<SuggestionItem>& items) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < std::min(items.size(), sampleCount); ++i) {
        names.push_back(paths::lastComponent(items[i].path));
    }
    return names;
}

void addAll(tandor::HashCombiner& combiner, const std::vector<std::string>& texts) {
    for (const auto& text : texts) {
        combiner.add(text);
    }
    combiner.add(texts.size());
}

}  // namespace

ExplanationFacts::ExplanationFacts(const Suggestion& suggestion)
    : title(suggestion.title),
      safety(suggestion.safety),
      reason(suggestion.reason),
      observed(textsOf(suggestion.evidence, Evidence::Kind::observed)),
      inferred(textsOf(suggestion.evidence, Evidence::Kind::inferred)),
      size(ByteFormat::string(suggestion.totalBytes())),
      itemCount(static_cast<std::int64_t>(suggestion.items.size())),
      sampleNames(sampleNamesOf(suggestion.items)) {
}

std::string ExplanationFacts::text() const {
    std::string block = "Item: " + title + "\nSize: " + size + " in " + std::to_string(itemCount) +
                        (itemCount == 1 ? " item" : " items") +
                        "\nSafety level: " + std::string(tandor::title(safety)) +
                        "\nWhy Tandor suggests it: " + reason;
    for (const auto& line : observed) {
        block += "\nMeasured: " + line;
    }
    for (const auto& line : inferred) {
        block += "\nTandor's reading: " + line;
    }
    if (!sampleNames.empty()) {
        block += "\nExamples: ";
        for (std::size_t i = 0; i < sampleNames.size(); ++i) {
            block += (i == 0 ? "" : ", ") + sampleNames[i];
        }
    }
    return block;
}

}  // namespace tandor

std::size_t std::hash<tandor::ExplanationFacts>::operator()(
    const tandor::ExplanationFacts& facts) const noexcept {
    tandor::HashCombiner combiner;
    combiner.add(facts.title).add(facts.safety).add(facts.reason);
    tandor::addAll(combiner, facts.observed);
    tandor::addAll(combiner, facts.inferred);
    combiner.add(facts.size).add(facts.itemCount);
    tandor::addAll(combiner, facts.sampleNames);
    return combiner.value();
}
