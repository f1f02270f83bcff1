#include "TandorSmart/Explanation.hpp"

#include "TandorCore/HashCombiner.hpp"

namespace tandor {

std::string_view rawValue(Explanation::Source source) {
    return source == Explanation::Source::onDeviceModel ? "onDeviceModel" : "template";
}

}  // namespace tandor

std::size_t std::hash<tandor::Explanation>::operator()(
    const tandor::Explanation& explanation) const noexcept {
    return tandor::HashCombiner().add(explanation.text).add(explanation.source).value();
}
