#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tandor {

// A few plain sentences about one suggestion and who wrote them.
struct Explanation {
    // Raw values "onDeviceModel" and "template" (a C++ keyword, hence the "_").
    enum class Source { onDeviceModel, template_ };

    std::string text;
    Source source = Source::template_;

    friend bool operator==(const Explanation&, const Explanation&) = default;
};

std::string_view rawValue(Explanation::Source source);

}  // namespace tandor

template <>
struct std::hash<tandor::Explanation> {
    std::size_t operator()(const tandor::Explanation& explanation) const noexcept;
};
