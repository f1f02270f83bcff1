#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>
#include <vector>

#include "TandorCore/JSONStoreFile.hpp"

namespace tandor {

// The changes a store made in memory that its file does not hold yet.
//
// A save never writes the store's own view back: under the file's lock it
// reads the file as it is now, replays the pending changes on it, in order, and
// writes the result. So records another instance wrote meanwhile are kept, and
// changes whose save failed are written by the next save that succeeds. Each
// change must therefore act by identity (record id, path) and be harmless when
// replayed on a file that already holds it.
template <typename State>
class StoreChanges {
  public:
    using Change = std::function<void(State&)>;
    using Decoder = std::function<State(const nlohmann::json&)>;
    using Encoder = std::function<nlohmann::json(const State&)>;

    // Applies change to state now and keeps it for the next save.
    void apply(State& state, Change change) {
        change(state);
        pending_.push_back(std::move(change));
    }

    // Writes every pending change into file and returns what the file now holds.
    // Throws what reading, decoding or writing throws; the changes then stay
    // pending and the file keeps its content.
    State save(const JSONStoreFile& file, const Decoder& decodeState, const Encoder& encodeState) {
        State merged{};
        file.update([&](const std::optional<nlohmann::json>& current) {
            merged = current ? decodeState(*current) : State{};
            for (const auto& change : pending_) {
                change(merged);
            }
            return encodeState(merged);
        });
        pending_.clear();
        return merged;
    }

  private:
    std::vector<Change> pending_;
};

}  // namespace tandor
