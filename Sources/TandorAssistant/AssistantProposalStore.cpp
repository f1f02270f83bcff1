#include "TandorAssistant/AssistantProposalStore.hpp"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/FileDescriptor.hpp"
#include "TandorCore/FileError.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/PathJSON.hpp"
#include "TandorCore/StoreLock.hpp"

namespace tandor {
namespace {

std::vector<AssistantProposal> decoded(const std::optional<nlohmann::json>& contents) {
    std::vector<AssistantProposal> proposals;
    if (!contents) {
        return proposals;
    }
    if (!contents->is_array()) {
        throw DecodingError("The proposals are not a list");
    }
    for (const auto& element : *contents) {
        const auto& object = decode::requireObject(element, "proposal");
        // The reason is the assistant's own text, which may hold a NUL; the
        // path may not.
        proposals.push_back({decode::requireString(object, "path"),
                             decode::requireInt64(object, "bytes"),
                             textFromJSON(decode::requireKey(object, "reason")),
                             decode::requireDate(object, "proposedAt")});
    }
    return proposals;
}

// The file at path decoded as it streams in, keeping no more than the first
// limit elements of its list; nothing when there is no file. Throws FileError
// and DecodingError.
std::optional<nlohmann::json> firstElements(const std::string& path, std::size_t limit) {
    FileDescriptor fd = openRegularFile(path);
    if (fd.get() < 0) {
        return std::nullopt;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd.get(), "r"),
                                                               &std::fclose);
    if (!file) {
        throw FileError("Cannot read", path, errno);
    }
    // The stream closes the descriptor from now on.
    static_cast<void>(fd.release());
    std::size_t seen = 0;
    const auto keepFirst = [&](int depth, nlohmann::json::parse_event_t event, nlohmann::json&) {
        using enum nlohmann::json::parse_event_t;
        const bool endsElement =
            depth == 1 && (event == object_end || event == array_end || event == value);
        return !endsElement || ++seen <= limit;
    };
    try {
        return nlohmann::json::parse(file.get(), keepFirst);
    } catch (const nlohmann::json::exception& error) {
        throw DecodingError("Cannot decode " + path + ": " + error.what());
    }
}

nlohmann::json encoded(const std::vector<AssistantProposal>& proposals) {
    nlohmann::json array = nlohmann::json::array();
    for (const auto& proposal : proposals) {
        array.push_back({{"bytes", proposal.bytes},
                         {"path", pathToJSON(proposal.path)},
                         {"proposedAt", iso8601String(proposal.proposedAt)},
                         {"reason", pathToJSON(proposal.reason)}});
    }
    return array;
}

// "2026-12-09T09:30:28Z" as "20261209T093028Z", a file-name friendly stamp.
std::string compactStamp(Date date) {
    std::string stamp;
    for (const char character : iso8601String(date)) {
        if (character != '-' && character != ':') {
            stamp += character;
        }
    }
    return stamp;
}

}  // namespace

AssistantProposalStore::AssistantProposalStore(std::string path, Clock clock)
    : path_(std::move(path)), clock_(std::move(clock)) {
}

std::vector<AssistantProposal> AssistantProposalStore::load() const {
    try {
        return decoded(firstElements(path_, maximumLoaded));
    } catch (const std::exception&) {
        return {};
    }
}

int AssistantProposalStore::add(const std::vector<AssistantProposal>& proposals) const {
    int appended = 0;
    update([&](std::vector<AssistantProposal> stored) {
        for (const auto& proposal : proposals) {
            const auto same = std::find_if(stored.begin(), stored.end(), [&](const auto& existing) {
                return existing.path == proposal.path;
            });
            if (same != stored.end()) {
                *same = proposal;
            } else {
                stored.push_back(proposal);
                ++appended;
            }
        }
        return stored;
    });
    return appended;
}

void AssistantProposalStore::dismiss(const std::set<std::string>& paths) const {
    update([&](std::vector<AssistantProposal> stored) {
        std::erase_if(stored, [&](const auto& proposal) { return paths.contains(proposal.path); });
        return stored;
    });
}

void AssistantProposalStore::update(const Change& change) const {
    const StoreLock lock(path_);
    std::vector<AssistantProposal> stored;
    try {
        stored = decoded(JSONStoreFile(path_).read());
    } catch (const DecodingError&) {
        moveAside();
    }
    writeFileAtomically(path_, JSONStoreFile::serialize(encoded(change(std::move(stored)))));
}

void AssistantProposalStore::moveAside() const {
    const std::string base = path_ + ".corrupt-" + compactStamp(clock_());
    std::string target = base;
    for (int attempt = 2;
         ::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0;
         ++attempt) {
        if (errno != EEXIST) {
            throw FileError("Cannot move aside", path_, errno);
        }
        target = base + "-" + std::to_string(attempt);
    }
    std::fprintf(stderr, "tandor: %s could not be decoded; it was moved to %s\n", path_.c_str(),
                 target.c_str());
}

}  // namespace tandor
