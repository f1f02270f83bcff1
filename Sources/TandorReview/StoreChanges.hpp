#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TandorCore/AtomicFile.hpp"
#include "TandorCore/JSONDecoding.hpp"
#include "TandorCore/JSONStoreFile.hpp"
#include "TandorCore/StoreLock.hpp"
#include "TandorReview/StoreJournal.hpp"

namespace tandor {

// The changes a store made in memory that its file does not hold yet.
//
// A save never writes the store's own view over a file it has not seen: under
// the file's lock it compares the file (and the journal, for a store that has
// one) with the text it last read or wrote. When another instance wrote
// meanwhile, it decodes the files as they are now and replays the pending
// changes on them, in order, so that records written elsewhere are kept;
// otherwise the store's state already is those files with the changes
// applied, and decoding a long file again is spared. Changes whose save failed
// are written by the next save that succeeds. Each change must therefore act
// by identity (record id, path) and be harmless when replayed on a file that
// already holds it.
//
// A journal line that does not decode where no crash leaves one (before the
// last line, or JSON that is no change) is skipped: the other lines count,
// and the next save folds them into the file and moves the journal aside
// instead of removing it.
template <typename State>
class StoreChanges {
  public:
    using Change = std::function<void(State&)>;
    using Decoder = std::function<State(const nlohmann::json&)>;
    using Encoder = std::function<nlohmann::json(const State&)>;
    // The change one journal line records. Throws DecodingError.
    using LineDecoder = std::function<Change(const nlohmann::json&)>;

    // The changes of a store that rewrites its whole file for each save.
    StoreChanges() = default;
    // The changes of a store that may also save a change as a line of journal
    // (see saveLine), read back by decodeLine.
    StoreChanges(StoreJournal journal, LineDecoder decodeLine)
        : journal_(std::move(journal)), decodeLine_(std::move(decodeLine)) {}

    // The store's first state, read from file and the journal; nothing when
    // neither is there. Throws what reading and decoding the file throw.
    std::optional<State> load(const JSONStoreFile& file, const Decoder& decodeState) {
        auto text = readFileIfPresent(file.path());
        auto lines = readJournal();
        if (!text && !lines) {
            return std::nullopt;
        }
        State state = decoded(file, text, lines, decodeState);
        seen_ = std::move(text);
        journalSeen_ = std::move(lines);
        return state;
    }

    // True when the journal last read has lines that were skipped: the next
    // save moves it aside.
    bool journalDamaged() const { return journalDamaged_; }

    // Applies change to state now and keeps it for the next save.
    void apply(State& state, Change change) {
        change(state);
        pending_.push_back(std::move(change));
    }

    // Writes every pending change into file, folding the journal into it and
    // removing it, and leaves in state what the file now holds. state is what
    // load or the last save left, with every change since applied by apply.
    // Throws what reading, decoding or writing throws; the changes then stay
    // pending and the files keep their content.
    void save(const JSONStoreFile& file, State& state, const Decoder& decodeState,
              const Encoder& encodeState) {
        if (!journal_) {
            std::string written;
            file.updateText([&](const std::optional<std::string>& current) {
                catchUp(file, current, std::nullopt, state, decodeState);
                written = JSONStoreFile::serialize(encodeState(state));
                return written;
            });
            seen_ = std::move(written);
            pending_.clear();
            return;
        }
        const StoreLock lock(file.path());
        rewrite(file, readFileIfPresent(file.path()), journal_->read(), state, decodeState,
                encodeState);
    }

    // Saves the one pending change, which line records, by appending line to
    // the journal: a save that costs one short write whatever the store's
    // size. When the files changed since this object last saw them, other
    // changes are pending or the journal takes no more lines, saves as save
    // does instead. Needs a journal; throws as save does.
    void saveLine(const JSONStoreFile& file, State& state, const nlohmann::json& line,
                  const Decoder& decodeState, const Encoder& encodeState) {
        const StoreLock lock(file.path());
        if (pending_.size() == 1 && !journalDamaged_ && StoreJournal::acceptsLine(journalSeen_) &&
            fileHolds(file.path(), seen_) &&
            fileHolds(journal_->path(), journalSeen_, LinkAtPath::refuse)) {
            const std::string text = StoreJournal::line(line);
            journal_->append(text);
            if (!journalSeen_) {
                journalSeen_.emplace();
            }
            *journalSeen_ += text;
            pending_.clear();
            return;
        }
        rewrite(file, readFileIfPresent(file.path()), journal_->read(), state, decodeState,
                encodeState);
    }

  private:
    std::optional<std::string> readJournal() const {
        return journal_ ? journal_->read() : std::nullopt;
    }

    // The state the file's text and the journal's lines hold; notes whether
    // lines of the journal had to be skipped.
    State decoded(const JSONStoreFile& file, const std::optional<std::string>& text,
                  const std::optional<std::string>& lines, const Decoder& decodeState) {
        State state = text ? decodeState(file.parse(*text)) : State{};
        journalDamaged_ = false;
        if (lines) {
            const StoreJournal::Lines read = journal_->lines(*lines);
            journalDamaged_ = read.damaged;
            for (const auto& line : read.decoded) {
                try {
                    decodeLine_(line)(state);
                } catch (const DecodingError&) {
                    journalDamaged_ = true;
                }
            }
        }
        return state;
    }

    // Makes state what the files hold now with the pending changes replayed,
    // when another instance wrote them since this object last saw them.
    void catchUp(const JSONStoreFile& file, const std::optional<std::string>& current,
                 const std::optional<std::string>& lines, State& state,
                 const Decoder& decodeState) {
        if (current == seen_ && lines == journalSeen_) {
            return;
        }
        State merged = decoded(file, current, lines, decodeState);
        for (const auto& change : pending_) {
            change(merged);
        }
        state = std::move(merged);
    }

    // Under the store's lock: writes the whole state, then removes the journal
    // it folds in. A crash between the two leaves lines the file holds, which
    // change nothing when applied again.
    void rewrite(const JSONStoreFile& file, std::optional<std::string> current,
                 std::optional<std::string> lines, State& state, const Decoder& decodeState,
                 const Encoder& encodeState) {
        catchUp(file, current, lines, state, decodeState);
        std::string written = JSONStoreFile::serialize(encodeState(state));
        writeFileAtomically(file.path(), written);
        seen_ = std::move(written);
        pending_.clear();
        if (journalDamaged_ ? journal_->moveAside() : journal_->remove()) {
            journalSeen_.reset();
            journalDamaged_ = false;
        } else {
            journalSeen_ = std::move(lines);
        }
    }

    std::optional<StoreJournal> journal_;
    LineDecoder decodeLine_;
    std::vector<Change> pending_;
    // The file's text when the state last matched it (with the pending
    // changes applied); nothing for no file.
    std::optional<std::string> seen_;
    // The journal's text at that moment; nothing for no journal.
    std::optional<std::string> journalSeen_;
    // Lines of that journal were skipped.
    bool journalDamaged_ = false;
};

}  // namespace tandor
