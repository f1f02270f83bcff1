#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorScanner/MountAccessTimes.hpp"
#include "TandorScanner/StaticLastUsedReader.hpp"
#include "TandorSmart/AutomationRule.hpp"
#include "TandorSmart/FileFilter.hpp"

namespace tandor::testing {

inline constexpr const char* home = "/home/u";

// 2025-06-15T12:00:00Z.
inline Date fixedNow() {
    using namespace std::chrono;
    return sys_days{year{2025} / June / 15} + hours{12};
}

inline Date secondsBefore(Date date, std::int64_t seconds) {
    return date - std::chrono::seconds{seconds};
}

inline Date daysBefore(Date date, std::int64_t days) {
    return secondsBefore(date, days * 86'400);
}

inline AnalysisContext contextAt(Date now) {
    return AnalysisContext(home, now, {});
}

// A node described by its name below its parent; built with absolute paths.
struct Node {
    std::string name;
    std::int64_t bytes = 0;
    std::optional<Date> modified;
    std::optional<std::vector<Node>> children;
    std::optional<Date> accessed;
};

inline Node file(std::string name, std::int64_t bytes, std::optional<Date> modified = {},
                 std::optional<Date> accessed = {}) {
    return {std::move(name), bytes, modified, std::nullopt, accessed};
}

inline Node folder(std::string name, std::vector<Node> children,
                   std::optional<Date> modified = {}) {
    return {std::move(name), 0, modified, std::move(children), std::nullopt};
}

inline FileNodePtr build(const std::string& path, const Node& node) {
    if (!node.children) {
        return FileNode::make(path, node.name, false, node.bytes, node.bytes, 0, node.modified,
                              node.accessed, {});
    }
    std::vector<FileNodePtr> children;
    for (const auto& child : *node.children) {
        children.push_back(build(path + "/" + child.name, child));
    }
    return FileNode::make(path, node.name, true, 0, 0, 0, node.modified, std::nullopt,
                          std::move(children));
}

// The home folder holding children.
inline FileNodePtr homeTree(std::vector<Node> children) {
    return build(home, folder("u", std::move(children)));
}

// Stands in for statvfs: every mount answers these flags (ST_NOATIME or 0).
inline std::shared_ptr<const MountAccessTimes> mountsWith(unsigned long flags) {
    return std::make_shared<MountAccessTimes>(
        [flags](const std::string&) { return std::optional<unsigned long>(flags); });
}

inline std::shared_ptr<const StaticLastUsedReader> readerOf(
    std::unordered_map<std::string, Date> dates = {}) {
    return std::make_shared<StaticLastUsedReader>(std::move(dates));
}

// Answers from a table and remembers which paths were asked.
class CountingReader final : public LastUsedReader {
  public:
    explicit CountingReader(std::unordered_map<std::string, Date> dates)
        : dates_(std::move(dates)) {}

    std::optional<Date> lastUsedDate(const std::string& path) const override {
        asked.push_back(path);
        const auto found = dates_.find(path);
        return found == dates_.end() ? std::nullopt : std::optional<Date>(found->second);
    }

    mutable std::vector<std::string> asked;

  private:
    std::unordered_map<std::string, Date> dates_;
};

inline FileFilter filterOn(std::string folderPath, std::set<std::string> extensions = {},
                           std::optional<std::int64_t> olderThanDays = {},
                           std::optional<std::int64_t> notOpenedForDays = {},
                           bool includeSubfolders = false) {
    return FileFilter(std::move(folderPath), extensions, olderThanDays, notOpenedForDays,
                      includeSubfolders);
}

inline AutomationRule ruleWith(
    AutomationRule::Condition condition, std::string id = "rule.a",
    AutomationRule::Schedule schedule = AutomationRule::Schedule::weekly) {
    return AutomationRule(std::move(id), "A rule", std::move(condition), schedule,
                          SafetyLevel::needsReview, AutomationRule::Origin::user,
                          {Evidence::observed("seen"), Evidence::inferred("guessed")});
}

inline AutomationRule filesRule(FileFilter filter, std::string id = "rule.a") {
    return ruleWith(AutomationRule::Condition::files(std::move(filter)), std::move(id));
}

}  // namespace tandor::testing
