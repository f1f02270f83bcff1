#include <algorithm>

#include "TandorAnalyzers/FileClassifier.hpp"
#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorAssistant/ToolArguments.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/FileKind.hpp"

namespace tandor {
namespace {

constexpr std::int64_t maximumTop = 100;

JSONValue::Array largestChildren(const FileNode& node, std::int64_t top) {
    JSONValue::Array entries;
    for (const auto& child : node.childrenBySize()) {
        if (std::cmp_greater_equal(entries.size(), top)) {
            break;
        }
        entries.push_back(TandorAssistant::describe(*child));
    }
    return entries;
}

JSONValue::Object totals(const FileNode& node) {
    return {{"path", toolArguments::pathText(node.path())},
            {"bytes", node.allocatedSize()},
            {"size", ByteFormat::string(node.allocatedSize())},
            {"files", node.fileCount()}};
}

JSONValue kindObject(const StorageBreakdown::KindTotal& total) {
    JSONValue::Array owners;
    for (const auto& owner : total.owners) {
        owners.push_back(JSONValue::object({{"name", toolArguments::pathText(owner.name)},
                                            {"size", ByteFormat::string(owner.bytes)}}));
    }
    JSONValue::Array largest;
    for (const auto& item : total.largest) {
        largest.push_back(JSONValue::object({{"path", toolArguments::pathText(item.path)},
                                             {"size", ByteFormat::string(item.bytes)}}));
    }
    return JSONValue::object({{"kind", rawValue(total.kind)},
                              {"title", title(total.kind)},
                              {"category", rawValue(category(total.kind))},
                              {"bytes", total.bytes},
                              {"size", ByteFormat::string(total.bytes)},
                              {"owners", std::move(owners)},
                              {"largest", std::move(largest)}});
}

}  // namespace

JSONValue TandorAssistant::overview(const JSONValue& arguments) {
    const auto found = find(arguments, toolArguments::flag(arguments, "refresh"), ".");
    const auto top = toolArguments::count(arguments, "top", 15, maximumTop);
    JSONValue::Object answer = totals(*found.node);
    answer.emplace("unreadableFolders", found.scan.inaccessibleCount);
    answer.emplace("biggest", largestChildren(*found.node, top));
    return answer;
}

JSONValue TandorAssistant::folderContents(const JSONValue& arguments) {
    const auto found = find(arguments, false, ", or it is under 1 MB.");
    const auto top = toolArguments::count(arguments, "top", 25, maximumTop);
    const auto childCount = static_cast<std::int64_t>(found.node->children().size());
    JSONValue::Object answer = totals(*found.node);
    answer.emplace("children", largestChildren(*found.node, top));
    answer.emplace("moreChildren", std::max<std::int64_t>(childCount - top, 0));
    return answer;
}

JSONValue TandorAssistant::categories(const JSONValue& arguments) {
    const auto found = find(arguments, toolArguments::flag(arguments, "refresh"), ".");
    const auto top =
        static_cast<std::size_t>(toolArguments::count(arguments, "top", 5, maximumTop));
    const auto breakdown = StorageBreakdown::compute(
        found.node, FileClassifier(HomePlaces::read(allowedRoot_)), top, top);
    JSONValue::Array kinds;
    for (const auto& total : breakdown.kinds()) {
        kinds.push_back(kindObject(total));
    }
    return JSONValue::object(
        {{"path", toolArguments::pathText(found.node->path())}, {"kinds", std::move(kinds)}});
}

}  // namespace tandor
