#include "Sorting/SortingModel.hpp"

#include <dirent.h>
#include <sys/stat.h>

#include <QCollator>
#include <QFutureWatcher>
#include <QPointer>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>
#include <unordered_set>
#include <variant>

#include "Support/BackgroundPool.hpp"
#include "Sorting/DialogFolderChooser.hpp"
#include "Sorting/SortingText.hpp"
#include "TandorCore/Paths.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/FileMover.hpp"
#include "TandorScanner/ParallelLoop.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {

struct SortingModel::Lists {
    std::vector<SortingFolder> folders;
    std::map<UUID, int> counts;
    std::vector<MoveRecord> moves;
};

namespace {

// A folder holding this many items of moves or more is listed once rather
// than asked about each item.
constexpr std::size_t listedFolderMinimum = 32;

// The names in folder, or nothing when it cannot be listed to the end.
std::optional<std::unordered_set<std::string>> namesIn(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (!listing) {
        return std::nullopt;
    }
    std::unordered_set<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(listing.get())) {
        names.insert(entry->d_name);
    }
    if (errno != 0) {
        return std::nullopt;
    }
    return names;
}

// Whether each live move into a sorting folder still has its item at its
// moved path, as lstat says. The lists are read again after every move, and
// one listing of a folder that received thousands of items costs a fraction
// of an lstat for each; a folder that cannot be listed is asked item by item.
std::vector<char> presentItems(const std::vector<MoveRecord>& moves) {
    std::vector<char> present(moves.size());
    std::map<std::string, std::vector<std::size_t>> byFolder;
    for (std::size_t index = 0; index < moves.size(); ++index) {
        if (!moves[index].undone && moves[index].folderID) {
            byFolder[paths::deletingLastComponent(moves[index].movedPath)].push_back(index);
        }
    }
    std::vector<std::size_t> asked;
    for (const auto& [folder, indices] : byFolder) {
        const auto names = indices.size() >= listedFolderMinimum ? namesIn(folder) : std::nullopt;
        if (!names) {
            asked.insert(asked.end(), indices.begin(), indices.end());
            continue;
        }
        for (const std::size_t index : indices) {
            present[index] = names->contains(paths::lastComponent(moves[index].movedPath));
        }
    }
    // One lstat each: many of them are asked in parallel.
    parallelFor(asked.size(), [&](std::size_t index) {
        present[asked[index]] = FileMover::exists(moves[asked[index]].movedPath);
    });
    return present;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The folder the link at path leads to, without any link in its path; nothing
// when it leads to no folder.
std::optional<std::string> linkedFolder(const std::string& path) {
    const std::unique_ptr<char, void (*)(void*)> resolved(::realpath(path.c_str(), nullptr),
                                                          ::free);
    if (!resolved || !isFolder(resolved.get())) {
        return std::nullopt;
    }
    return std::string(resolved.get());
}

// Recently used destinations first, in the recent list's order; then by name
// as a file browser sorts names (digits by value, case and accents as the
// language orders them); equal names keep the store's order.
void sortForDisplay(std::vector<SortingFolder>& folders, const std::vector<std::string>& recent) {
    QCollator collator(ui::Texts::locale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Keyed {
        std::size_t recency;
        QString name;
        SortingFolder folder;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(folders.size());
    for (auto& folder : folders) {
        const auto found = std::find(recent.begin(), recent.end(), folder.path);
        const std::size_t recency = found == recent.end() ? std::numeric_limits<std::size_t>::max()
                                                          : std::size_t(found - recent.begin());
        keyed.push_back({recency, ui::displayPath(folder.name), std::move(folder)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.recency != b.recency) {
            return a.recency < b.recency;
        }
        return collator.compare(a.name, b.name) < 0;
    });
    folders.clear();
    for (auto& each : keyed) {
        folders.push_back(std::move(each.folder));
    }
}

}  // namespace

SortingModel::Services SortingModel::Services::standard() {
    return {SortingStore::defaultURL(), homeFolderPath(),
            [] { return std::chrono::system_clock::now(); },
            std::make_shared<DialogFolderChooser>()};
}

SortingModel::SortingModel(Services services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      moveList_(services_.home, [this](const UUID& id) { undo(id); }) {
    try {
        store_ = std::make_shared<SortingStore>(services_.storeURL);
    } catch (const std::exception&) {
        store_ = nullptr;
    }
    const QSettings settings;
    if (settings.contains(destinationKey)) {
        // Strictly the engine's form: braces or other text are not an id.
        setDestinationID(UUID::fromString(settings.value(destinationKey).toString().toStdString()));
    }
    reload();
    if (!store_) {
        setMessage(ui::Texts::tr(QStringLiteral("Could not open the list of sorting folders.")));
    }
}

SortingModel::~SortingModel() = default;

QObject* SortingModel::folderChooserObject() const {
    return dynamic_cast<QObject*>(services_.chooser.get());
}

void SortingModel::setDestinationID(std::optional<UUID> id) {
    QSettings settings;
    if (id) {
        settings.setValue(destinationKey, QString::fromStdString(id->string()));
    } else {
        settings.remove(destinationKey);
    }
    const bool changed = destinationID_ != id;
    destinationID_ = id;
    if (changed) {
        emit destinationChanged();
    }
}

std::optional<SortingFolder> SortingModel::destination() const {
    if (!destinationID_) {
        return std::nullopt;
    }
    for (const auto& folder : folders_) {
        if (folder.id == *destinationID_) {
            return folder;
        }
    }
    return std::nullopt;
}

SortingModel::Lists SortingModel::read(const SortingStore& store) {
    Lists lists{store.folders(), {}, store.moves()};
    sortForDisplay(lists.folders, store.recentDestinations());
    // A file listing one id twice counts it once; the first folder holds it.
    for (const auto& folder : lists.folders) {
        lists.counts.try_emplace(folder.id, 0);
    }
    const std::vector<char> present = presentItems(lists.moves);
    for (std::size_t index = 0; index < lists.moves.size(); ++index) {
        if (!present[index]) {
            continue;
        }
        const auto counted = lists.counts.find(*lists.moves[index].folderID);
        if (counted != lists.counts.end()) {
            ++counted->second;
        }
    }
    std::reverse(lists.moves.begin(), lists.moves.end());
    return lists;
}

void SortingModel::reload() {
    if (store_) {
        publish(read(*store_));
    }
}

void SortingModel::publish(Lists lists) {
    ++publications_;
    folders_ = std::move(lists.folders);
    counts_ = std::move(lists.counts);
    moves_ = std::move(lists.moves);
    emit foldersChanged();
    moveList_.setMoves(moves_);
    emit movesChanged();
    if (destinationID_ && !destination()) {
        setDestinationID(std::nullopt);
    }
}

void SortingModel::setMessage(const QString& message) {
    if (message_ != message) {
        message_ = message;
        emit messageChanged();
    }
}

void SortingModel::failWith(const std::exception& error) {
    setMessage(SortingText::failure(error, services_.home));
    reload();
}

void SortingModel::setMoving(bool moving) {
    if (moving_ != moving) {
        moving_ = moving;
        emit movingChanged();
    }
}

void SortingModel::chooseOwnFolder(FolderDone done) {
    if (!services_.chooser) {
        return;
    }
    const QPointer<SortingModel> guard(this);
    services_.chooser->choose(
        ui::Texts::tr(QStringLiteral("Use This Folder")),
        [this, guard, done = std::move(done)](std::optional<std::string> path) {
            std::optional<SortingFolder> chosen;
            // A link is never registered: it could later lead somewhere else,
            // and moves would follow it there. The user is told where it
            // leads, to choose that folder itself.
            if (guard && store_ && path && isLink(*path)) {
                setMessage(SortingText::linkRefused(*path, linkedFolder(*path), services_.home));
            } else if (guard && store_ && path && isFolder(*path)) {
                try {
                    chosen = store_->addFolder(*path, services_.now());
                    setDestinationID(chosen->id);
                    setMessage({});
                    reload();
                } catch (const std::exception& error) {
                    failWith(error);
                }
            }
            if (done) {
                done(chosen);
            }
        });
}

void SortingModel::chooseTarget(const SortingFolder& folder, TargetDone done) {
    if (!services_.chooser) {
        return;
    }
    const QPointer<SortingModel> guard(this);
    services_.chooser->choose(
        ui::Texts::tr(QStringLiteral("Choose")),
        [guard, folder, done = std::move(done)](std::optional<std::string> path) {
            if (path && guard) {
                try {
                    SortingStore::checkMoveOnTarget(folder, *path);
                } catch (const std::exception& error) {
                    guard->setMessage(ui::fromEngine(error.what()));
                    path.reset();
                }
            }
            if (done) {
                done(guard ? std::move(path) : std::nullopt);
            }
        });
}

std::optional<SortingFolder> SortingModel::createTemporary(const std::string& name,
                                                           const SortingFate& fate) {
    if (!store_) {
        return std::nullopt;
    }
    try {
        SortingFolder created = store_->createTemporaryFolder(
            name, fate, SortingStore::defaultBase(services_.home), services_.now());
        setDestinationID(created.id);
        setMessage({});
        reload();
        return created;
    } catch (const std::exception& error) {
        failWith(error);
        return std::nullopt;
    }
}

void SortingModel::finish(const SortingFolder& folder, ReviewPile& pile) {
    if (!store_) {
        return;
    }
    SortingStore::FinishResult result;
    try {
        result = store_->finish(folder.id, services_.now());
    } catch (const std::exception& error) {
        failWith(error);
        return;
    }
    reload();
    for (const auto& entry : result.forPile) {
        pile.add(entry);
    }
    setMessage(SortingText::finishMessage(result, folder.name));
}

void SortingModel::move(const std::string& path, std::int64_t bytes, MoveDone done) {
    if (!destinationID_ || !store_ || moving_) {
        done(std::nullopt);
        return;
    }
    setMoving(true);
    // The store's result or its error, and the lists as they stand
    // afterwards, read on the worker too.
    using Outcome = std::pair<std::variant<std::exception_ptr, SortingStore::MoveResult>, Lists>;
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(
        watcher, &QFutureWatcher<Outcome>::finished, this,
        [this, watcher, done = std::move(done), publishedBefore = publications_] {
            watcher->deleteLater();
            Outcome outcome = watcher->result();
            setMoving(false);
            // A put back or another change made here meanwhile is newer than
            // what the worker read.
            if (publications_ == publishedBefore) {
                publish(std::move(outcome.second));
            } else {
                reload();
            }
            if (auto* error = std::get_if<std::exception_ptr>(&outcome.first)) {
                try {
                    std::rethrow_exception(*error);
                } catch (const std::exception& thrown) {
                    setMessage(SortingText::failure(thrown, services_.home));
                }
                done(std::nullopt);
                return;
            }
            auto& moved = std::get<SortingStore::MoveResult>(outcome.first);
            setMessage(moved.saveError ? SortingText::couldNotSave(*moved.saveError) : QString());
            done(std::move(moved.record));
        });
    watcher->setFuture(QtConcurrent::run(
        BackgroundPool::shared(),
        [store = store_, path, bytes, id = *destinationID_, now = services_.now()]() -> Outcome {
            try {
                SortingStore::MoveResult moved = store->move(path, bytes, id, now);
                return {std::move(moved), read(*store)};
            } catch (const std::exception&) {
                return {std::current_exception(), read(*store)};
            }
        }));
}

bool SortingModel::undo(const UUID& id) {
    if (!store_) {
        return false;
    }
    try {
        const SortingStore::UndoResult undone = store_->undo(id);
        setMessage(undone.saveError ? SortingText::couldNotSave(*undone.saveError) : QString());
        reload();
        return true;
    } catch (const std::exception& error) {
        failWith(error);
        return false;
    }
}

void SortingModel::setFate(const SortingFate& fate, const SortingFolder& folder) {
    if (!store_) {
        return;
    }
    try {
        store_->setFate(fate, folder.id);
        setMessage({});
        reload();
    } catch (const std::exception& error) {
        failWith(error);
    }
}

void SortingModel::forget(const SortingFolder& folder) {
    if (!store_) {
        return;
    }
    try {
        store_->forget(folder.id);
        setMessage({});
        reload();
    } catch (const std::exception& error) {
        failWith(error);
    }
}

}  // namespace tandor
