#include <sys/stat.h>

#include "TandorAssistant/AssistantText.hpp"
#include "TandorAssistant/ProtectedPlaces.hpp"
#include "TandorAssistant/TandorAssistant.hpp"
#include "TandorAssistant/ToolArguments.hpp"
#include "TandorAssistant/ToolError.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/UnicodeText.hpp"
#include "TandorScanner/DirectoryScanner.hpp"
#include "TandorScanner/ScanError.hpp"

namespace tandor {
namespace {

constexpr std::size_t maximumItems = 200;

// The real total of a folder that the cached tree does not hold: a scan that
// keeps only the root as a node. 0 when it cannot be read.
std::int64_t folderTotal(const std::string& path) {
    const DirectoryScanner scanner(
        ScanOptions(true, 0, 0, {}, 3, true, ScanOptions::projectMarkers()));
    try {
        return scanner.scan(path).root->allocatedSize();
    } catch (const ScanError&) {
        return 0;
    }
}

JSONValue refusal(std::string path, std::string why) {
    return JSONValue::object({{"path", std::move(path)}, {"why", std::move(why)}});
}

}  // namespace

std::optional<std::int64_t> TandorAssistant::proposedSize(const FileNodePtr& tree,
                                                          const std::string& path) const {
    if (const auto node = tree->nodeAt(path)) {
        return node->allocatedSize();
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    if (::lstat(path.c_str(), &status) != 0) {
        return 0;
    }
    return S_ISDIR(status.st_mode) ? folderTotal(path) : static_cast<std::int64_t>(status.st_size);
}

JSONValue TandorAssistant::propose(const JSONValue& arguments) {
    const JSONValue* itemsValue = arguments["items"];
    const JSONValue::Array* items = itemsValue ? itemsValue->arrayValue() : nullptr;
    if (items == nullptr || items->empty()) {
        throw ToolError("Give at least one item with a path and a reason.");
    }
    if (items->size() > maximumItems) {
        throw ToolError("At most 200 items at a time.");
    }
    const auto entry = cacheEntry();
    const FileNodePtr tree = entry ? entry->scan.root : scanned(allowedRoot_, false).root;

    std::vector<AssistantProposal> made;
    JSONValue::Array refused;
    std::int64_t total = 0;
    for (const auto& item : *items) {
        const std::string path = toolArguments::text(item, "path").value_or("");
        const std::string reasonText = toolArguments::text(item, "reason").value_or("");
        const auto reason = assistantText::trimmingWhitespaceAndNewlines(reasonText);
        std::string resolved;
        try {
            resolved = resolve(path);
        } catch (const ToolError& error) {
            refused.push_back(refusal(path, error.description()));
            continue;
        }
        if (resolved == allowedRoot_) {
            refused.push_back(refusal(path, "The home folder itself cannot be proposed."));
            continue;
        }
        if (auto why = protectedPlaces::refusal(resolved)) {
            refused.push_back(refusal(path, std::move(*why)));
            continue;
        }
        if (reason.empty()) {
            refused.push_back(refusal(path, "Missing reason."));
            continue;
        }
        const auto bytes = proposedSize(tree, resolved);
        if (!bytes) {
            refused.push_back(refusal(path, "Not found."));
            continue;
        }
        total = saturatingAdd(total, *bytes);
        made.push_back(
            {resolved, *bytes, unicode::graphemePrefix(reason, maximumReasonLength), now_()});
    }
    if (!made.empty()) {
        proposals_.add(made);
    }
    return JSONValue::object(
        {{"proposed", made.size()},
         {"size", ByteFormat::string(total)},
         {"refused", std::move(refused)},
         {"note",
          "Nothing was moved. The user reviews these in Tandor (AI assistant) and decides."}});
}

}  // namespace tandor
