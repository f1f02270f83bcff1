#include "TandorAssistant/TandorAssistant.hpp"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "TandorAssistant/AssistantText.hpp"
#include "TandorAssistant/ToolArguments.hpp"
#include "TandorAssistant/ToolError.hpp"
#include "TandorCore/ByteFormat.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorScanner/DirectoryScanner.hpp"

namespace tandor {
namespace {

// True when path is folder or lies below it ("/" holds every absolute path).
bool isAtOrBelow(std::string_view path, std::string_view folder) {
    return path == folder || folder == "/" || paths::isInside(path, folder);
}

std::optional<std::string> realPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::optional<std::string>(resolved.get()) : std::nullopt;
}

bool exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

}  // namespace

TandorAssistant::TandorAssistant(std::string_view allowedRoot, AssistantProposalStore proposals,
                                 Clock now, Scanner scanner, std::string packageStatus)
    : allowedRoot_(FileNode::normalize(allowedRoot)),
      proposals_(std::move(proposals)),
      now_(std::move(now)),
      scanner_(scanner ? std::move(scanner) : Scanner(diskScan)),
      packageStatus_(std::move(packageStatus)) {
}

TandorAssistant::ScanResultSummary TandorAssistant::diskScan(const std::string& path) {
    const DirectoryScanner scanner(
        ScanOptions(true, std::nullopt, 1'000'000, {}, 3, true, ScanOptions::projectMarkers()));
    std::fprintf(stderr, "tandor: scanning %s…\n", path.c_str());
    const ScanResult result = scanner.scan(path);
    return {result.root, static_cast<std::int64_t>(result.inaccessiblePaths.size())};
}

std::string TandorAssistant::resolve(const std::optional<std::string>& argument) const {
    const ToolError notAbsolute("Use an absolute path, for example " + allowedRoot_ +
                                "/Downloads.");
    const ToolError outside("Tandor only looks inside " + allowedRoot_ + ".");
    if (!argument) {
        return allowedRoot_;
    }
    const auto bytes = toolArguments::pathBytes(*argument);
    if (!bytes) {
        throw notAbsolute;
    }
    const std::string_view text = assistantText::trimmingWhitespace(*bytes);
    if (text.empty()) {
        return allowedRoot_;
    }
    std::string expanded(text);
    if (text == "~" || text.starts_with("~/")) {
        expanded = allowedRoot_ + std::string(text.substr(1));
    }
    if (!expanded.starts_with('/')) {
        throw notAbsolute;
    }
    const std::string path = FileNode::normalize(expanded);
    if (!isAtOrBelow(path, allowedRoot_) || !staysInsideOnDisk(path)) {
        throw outside;
    }
    return path;
}

bool TandorAssistant::staysInsideOnDisk(const std::string& path) const {
    // The longest existing part decides: what does not exist yet cannot lead
    // anywhere, and everything above it has been followed by realpath.
    std::string existing = path;
    std::optional<std::string> real = realPath(existing);
    while (!real && existing != allowedRoot_) {
        if (exists(existing)) {
            // A dangling or looping link, or a part that cannot be examined.
            return false;
        }
        existing = paths::deletingLastComponent(existing);
        real = realPath(existing);
    }
    if (!real) {
        return true;
    }
    const std::string realRoot = realPath(allowedRoot_).value_or(allowedRoot_);
    return isAtOrBelow(*real, realRoot);
}

TandorAssistant::ScanResultSummary TandorAssistant::scanned(const std::string& path, bool refresh) {
    if (!refresh) {
        const auto entry = cacheEntry();
        if (entry && isAtOrBelow(path, entry->path)) {
            return entry->scan;
        }
    }
    ScanResultSummary summary = scanner_(path);
    const std::lock_guard guard(lock_);
    cache_ = CacheEntry{path, summary};
    return summary;
}

std::optional<TandorAssistant::CacheEntry> TandorAssistant::cacheEntry() const {
    const std::lock_guard guard(lock_);
    return cache_;
}

JSONValue TandorAssistant::describe(const FileNode& node) {
    JSONValue::Object object{{"path", toolArguments::pathText(node.path())},
                             {"bytes", node.allocatedSize()},
                             {"size", ByteFormat::string(node.allocatedSize())},
                             {"folder", node.isDirectory()}};
    if (node.isDirectory()) {
        object.emplace("files", node.fileCount());
    }
    if (node.modificationDate()) {
        object.emplace("modified", iso8601String(*node.modificationDate()));
    }
    return object;
}

TandorAssistant::Found TandorAssistant::find(const JSONValue& arguments, bool refresh,
                                             std::string_view notFoundSuffix) {
    std::string path = resolve(toolArguments::text(arguments, "path"));
    ScanResultSummary scan = scanned(path, refresh);
    FileNodePtr node = scan.root->nodeAt(path);
    if (!node) {
        throw ToolError("Nothing found at " + toolArguments::shown(path) +
                        std::string(notFoundSuffix));
    }
    return {std::move(path), std::move(scan), std::move(node)};
}

}  // namespace tandor
