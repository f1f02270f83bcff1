#include "TandorReview/SwipeCard.hpp"

#include "TandorCore/HashCombiner.hpp"
#include "TandorCore/Paths.hpp"

namespace tandor {

SwipeCard::SwipeCard(std::string path, std::optional<std::string> name, std::int64_t bytes,
                     bool isDirectory, std::optional<Date> modificationDate, SwipeDeckKind kind,
                     std::vector<Evidence> evidence)
    : path(std::move(path)),
      name(name ? std::move(*name) : paths::lastComponent(this->path)),
      bytes(bytes),
      isDirectory(isDirectory),
      modificationDate(modificationDate),
      kind(kind),
      evidence(std::move(evidence)) {
}

std::string SwipeCard::parentPath() const {
    return paths::deletingLastComponent(path);
}

}  // namespace tandor

std::size_t std::hash<tandor::SwipeCard>::operator()(const tandor::SwipeCard& card) const noexcept {
    tandor::HashCombiner hash;
    hash.add(card.path)
        .add(card.name)
        .add(card.bytes)
        .add(card.isDirectory)
        .add(card.modificationDate)
        .add(static_cast<int>(card.kind));
    for (const auto& line : card.evidence) {
        hash.add(line);
    }
    return hash.value();
}
