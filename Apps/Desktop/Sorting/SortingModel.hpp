#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Sorting/FolderChooser.hpp"
#include "Sorting/SortingMoveList.hpp"
#include "TandorCore/Date.hpp"
#include "TandorReview/MoveRecord.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorReview/SortingFolder.hpp"
#include "TandorReview/SortingStore.hpp"
#include "TandorReview/UUID.hpp"

namespace tandor {

// The sorting folders as the views show them: in order of recent use, then by
// name, with how many files each holds now; the log of moves, newest first; the
// destination of the Move decision, remembered as the setting
// "sortingDestination"; and one message line for the last operation.
//
// The store is opened once. Without it (the file could not be read or decoded)
// the model says so and every operation does nothing. Nothing is thrown to the
// views: a store error becomes the message, and the lists are read again after
// every operation, whether it worked or not.
//
// Main thread only. A move runs on a worker (moving a large item to another
// disk takes a while, and a save may rewrite the whole file); while it runs
// no other move starts.
class SortingModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The swipe model makes the one sorting model.")

    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    // The moves section's rows.
    Q_PROPERTY(tandor::SortingMoveList* moveList READ moveList CONSTANT)
    // The application's folder chooser, for FolderChooserDialog.qml; null in
    // tests, which answer through a chooser of their own.
    Q_PROPERTY(QObject* folderChooser READ folderChooserObject CONSTANT)
    Q_PROPERTY(bool moving READ isMoving NOTIFY movingChanged)

  public:
    using Clock = std::function<Date()>;

    struct Services {
        // "sorting.json".
        std::string storeURL;
        // The home folder: temporary folders go into its "Tandor" folder, and
        // paths are shown with it as "~".
        std::string home;
        Clock now;
        std::shared_ptr<FolderChooser> chooser;

        // The support folder's store, the user's home, the system clock and
        // the folder dialog.
        static Services standard();
    };

    static constexpr auto destinationKey = "sortingDestination";

    explicit SortingModel(Services services, QObject* parent = nullptr);
    ~SortingModel() override;

    bool hasStore() const { return store_ != nullptr; }
    const std::vector<SortingFolder>& folders() const { return folders_; }
    // Files now in each folder, by folder id.
    const std::map<UUID, int>& counts() const { return counts_; }
    // Every move, newest first, put back ones included.
    const std::vector<MoveRecord>& moves() const { return moves_; }
    QString message() const { return message_; }
    SortingMoveList* moveList() { return &moveList_; }
    QObject* folderChooserObject() const;
    bool isMoving() const { return moving_; }

    std::optional<UUID> destinationID() const { return destinationID_; }
    // Stores the choice (nothing removes it); changes nothing else.
    void setDestinationID(std::optional<UUID> id);
    // The listed folder of the destination id, if there is one.
    std::optional<SortingFolder> destination() const;

    // Reads the folders, their counts and the moves again, and drops a
    // destination whose folder is gone. Nothing without a store.
    Q_INVOKABLE void reload();

    // Asks for one of the user's folders, registers it (a folder already
    // registered comes back as it is) and makes it the destination. A path
    // is registered only when a folder is at those bytes; a link is refused
    // with the message saying where it leads. done gets the folder, or
    // nothing.
    using FolderDone = std::function<void(std::optional<SortingFolder>)>;
    void chooseOwnFolder(FolderDone done = {});
    // Asks for the target of folder's move-on fate. A target that is the
    // folder itself, lies inside it, or is not a folder is refused with the
    // reason as the message. Needs no store.
    using TargetDone = std::function<void(std::optional<std::string>)>;
    void chooseTarget(const SortingFolder& folder, TargetDone done);

    std::optional<SortingFolder> createTemporary(const std::string& name, const SortingFate& fate);
    // Applies the folder's fate now, puts what it offers onto pile and says
    // what happened.
    void finish(const SortingFolder& folder, ReviewPile& pile);
    // Moves the item into the destination on a worker, then calls done on the
    // main thread with the record, or nothing when nothing moved (no
    // destination, no store, a move running, or the move failed: see the
    // message; one that could not be recorded first did not happen, and the
    // message says why). A move whose save failed has happened: its record
    // comes with the message saying so. done is called exactly once, at once when the
    // move cannot start; never after the model is gone.
    using MoveDone = std::function<void(std::optional<MoveRecord>)>;
    void move(const std::string& path, std::int64_t bytes, MoveDone done);
    // Puts the moved item of that record back; false when it did not go back.
    bool undo(const UUID& id);
    void setFate(const SortingFate& fate, const SortingFolder& folder);
    void forget(const SortingFolder& folder);

  signals:
    void foldersChanged();
    void movesChanged();
    void messageChanged();
    void destinationChanged();
    void movingChanged();

  private:
    struct Lists;

    static Lists read(const SortingStore& store);
    void publish(Lists lists);
    void setMessage(const QString& message);
    void failWith(const std::exception& error);
    void setMoving(bool moving);

    Services services_;
    std::shared_ptr<SortingStore> store_;
    std::vector<SortingFolder> folders_;
    std::map<UUID, int> counts_;
    std::vector<MoveRecord> moves_;
    QString message_;
    std::optional<UUID> destinationID_;
    bool moving_ = false;
    // Counts the publications of the lists: lists a worker read before a
    // later publication may be older than what is shown.
    std::uint64_t publications_ = 0;
    SortingMoveList moveList_;
};

}  // namespace tandor
