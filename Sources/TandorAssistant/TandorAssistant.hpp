#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantTool.hpp"
#include "TandorAssistant/JSONValue.hpp"
#include "TandorAssistant/MCPServer.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/InstalledPackages.hpp"

namespace tandor {

// The object behind the six assistant tools: the folder they may look into,
// one cached scan, the proposal store and a clock. Tools run on the server's
// thread; the object is also safe for concurrent calls, since its lock guards
// only the cache entry and is never held during a scan or a tool's own work.
class TandorAssistant {
  public:
    // What the assistant keeps of one scan.
    struct ScanResultSummary {
        FileNodePtr root;
        std::int64_t inaccessibleCount = 0;
    };
    // How a folder is scanned; callable from any thread.
    using Scanner = std::function<ScanResultSummary(const std::string& path)>;
    using Clock = std::function<Date()>;

    static constexpr std::string_view instructions =
        "Tandor is a storage cleaner for this computer. These tools read a scan of the user's "
        "home folder: the biggest folders, where the space goes by kind of file, and Tandor's "
        "cleanup suggestions. Every suggestion has a safety level: \"regenerable\" (caches and "
        "build output the owning tool recreates), \"existsElsewhere\" (a copy exists: "
        "installers, re-downloadable models) and \"needsReview\" (personal data: the user must "
        "look first). Evidence marked \"observed\" was measured, \"inferred\" is Tandor's "
        "reading. You cannot delete or move files. To help the user clean, call propose_for_pile "
        "with paths and a short reason: Tandor shows them in its app, where the user decides. The "
        "first call scans the disk and can take a minute; later calls reuse the scan.";

    // allowedRoot is stored normalised; it is the home folder whose places
    // the suggestions look in. Without a scanner the tools scan the disk with
    // diskScan. packageStatus is dpkg's status file, read for the installed
    // packages at each request for suggestions.
    TandorAssistant(
        std::string_view allowedRoot, AssistantProposalStore proposals,
        Clock now = [] { return std::chrono::system_clock::now(); }, Scanner scanner = {},
        std::string packageStatus = std::string(InstalledPackages::defaultStatusPath));
    TandorAssistant(const TandorAssistant&) = delete;
    TandorAssistant& operator=(const TandorAssistant&) = delete;

    const std::string& allowedRoot() const { return allowedRoot_; }

    // The server of the six tools. Its tools hold this object, which must
    // outlive it.
    MCPServer server(std::string version, MCPServer::IsAllowed isAllowed);
    // The six tools in listing order; built afresh at each call.
    std::vector<AssistantTool> tools();

    // An object schema of the properties, with "required" only when required
    // is not empty, and no other properties allowed.
    static JSONValue schema(JSONValue::Object properties, const std::vector<std::string>& required);
    static const JSONValue& pathProperty();
    static const JSONValue& topProperty();
    static const JSONValue& refreshProperty();

    // The default scanner: the options of the application's home scan, and one
    // line on standard error.
    static ScanResultSummary diskScan(const std::string& path);

    // A tool's path argument as a normalised absolute path at or below the
    // allowed root, or a ToolError. A missing or blank argument is the root;
    // "~" and "~/..." start at the root. Text in the lossless escaped form of
    // PathJSON.hpp (what the tools show for names that are not UTF-8) is read
    // back to its bytes, and bytes holding a NUL are refused. Beyond the lexical test, the longest
    // part of the path that exists must, with its symbolic links resolved, still lie at or below
    // the resolved root, so no link leads a tool outside.
    std::string resolve(const std::optional<std::string>& path) const;

    // A scan whose tree contains path: the cached one unless refresh is set or
    // path lies outside it, else a new scan, which replaces the cache entry.
    // A failing scan throws and leaves the cache as it was.
    ScanResultSummary scanned(const std::string& path, bool refresh);
    ScanResultSummary scannedContaining(const std::string& path) { return scanned(path, false); }

    // The JSON object of one node: path, bytes, size, folder, and files (for
    // folders) and modified (when known).
    static JSONValue describe(const FileNode& node);

    // The tool bodies; each throws ToolError with a sentence for the assistant.
    JSONValue overview(const JSONValue& arguments);
    JSONValue folderContents(const JSONValue& arguments);
    JSONValue categories(const JSONValue& arguments);
    JSONValue suggestions(const JSONValue& arguments);
    static JSONValue rules();
    JSONValue propose(const JSONValue& arguments);

  private:
    struct CacheEntry {
        std::string path;
        ScanResultSummary scan;
    };

    struct Found {
        std::string path;
        ScanResultSummary scan;
        FileNodePtr node;
    };

    std::optional<CacheEntry> cacheEntry() const;
    // True when the longest existing part of path, its links resolved, lies at
    // or below the resolved root.
    bool staysInsideOnDisk(const std::string& path) const;
    // The resolved "path" argument, its scan and its node; without a node a
    // ToolError "Nothing found at " + path + notFoundSuffix.
    Found find(const JSONValue& arguments, bool refresh, std::string_view notFoundSuffix);
    // The size of a proposed path: from the tree when it holds a node there,
    // else from the disk (a folder's whole contents); nothing when nothing is there.
    std::optional<std::int64_t> proposedSize(const FileNodePtr& tree,
                                             const std::string& path) const;

    std::string allowedRoot_;
    AssistantProposalStore proposals_;
    Clock now_;
    Scanner scanner_;
    std::string packageStatus_;
    mutable std::mutex lock_;
    std::optional<CacheEntry> cache_;
};

}  // namespace tandor
