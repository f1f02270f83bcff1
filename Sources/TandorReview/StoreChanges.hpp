#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/JSONStoreFile.hpp"

namespace tandor {

// The changes a store made in memory that its file does not hold yet.
//
// A save never writes the store's own view over a file it has not seen: under
// the file's lock it compares the file with the text it last read or wrote.
// When another instance wrote meanwhile, it decodes the file as it is now and
// replays the pending changes on it, in order, so that records written
// elsewhere are kept; otherwise the store's state already is that file with
// the changes applied, and decoding a long file again is spared. Changes whose
// save failed are written by the next save that succeeds. Each change must
// therefore act by identity (record id, path) and be harmless when replayed on
// a file that already holds it.
template <typename State>
class StoreChanges {
  public:
    using Change = std::function<void(State&)>;
    using Decoder = std::function<State(const nlohmann::json&)>;
    using Encoder = std::function<nlohmann::json(const State&)>;

    // The store's first state, read from file; nothing when no file is there.
    // Throws what reading and decoding throw.
    std::optional<State> load(const JSONStoreFile& file, const Decoder& decodeState) {
        auto text = readFileIfPresent(file.path());
        if (!text) {
            return std::nullopt;
        }
        State state = decodeState(file.parse(*text));
        seen_ = std::move(text);
        return state;
    }

    // Applies change to state now and keeps it for the next save.
    void apply(State& state, Change change) {
        change(state);
        pending_.push_back(std::move(change));
    }

    // Writes every pending change into file and leaves in state what the file
    // now holds. state is what load or the last save left, with every change
    // since applied by apply. Throws what reading, decoding or writing throws;
    // the changes then stay pending and the file keeps its content.
    void save(const JSONStoreFile& file, State& state, const Decoder& decodeState,
              const Encoder& encodeState) {
        std::string written;
        file.updateText([&](const std::optional<std::string>& current) {
            if (current != seen_) {
                State merged = current ? decodeState(file.parse(*current)) : State{};
                for (const auto& change : pending_) {
                    change(merged);
                }
                state = std::move(merged);
            }
            written = JSONStoreFile::serialize(encodeState(state));
            return written;
        });
        seen_ = std::move(written);
        pending_.clear();
    }

  private:
    std::vector<Change> pending_;
    // The file's text when the state last matched it (with the pending
    // changes applied); nothing for no file.
    std::optional<std::string> seen_;
};

}  // namespace tandor
