#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <stop_token>
#include <string>
#include <vector>

#include "Duplicates/DuplicateFinders.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorDuplicates/DuplicateGroup.hpp"
#include "TandorDuplicates/DuplicateReport.hpp"
#include "TandorDuplicates/SimilarPhotoGroup.hpp"
#include "TandorDuplicates/SimilarPhotoReport.hpp"

namespace tandor {

// Where the Duplicates tab's search stands and what it found, without threads:
// DuplicatesModel runs the searches on a worker and hands their outcome here
// on the main thread.
//
// Every search gets a generation; what a search reports (progress, results,
// failure, its end after a stop) changes this state only while it is the
// latest search, so an older search that ends late never publishes.
class DuplicateSearch {
  public:
    enum class Phase { working, failed, idle, ready };

    // What one finished search found.
    struct Outcome {
        DuplicateReport duplicates;
        SimilarPhotoReport photos;
    };

    // Runs the identical-file finder and then the photo finder over root, the
    // extra copies of the identical groups left out of the photos. places are
    // those of the scan that made root. progress gets each line, localized, on
    // the calling thread. Throws what the finders throw (CancellationError
    // when stop is requested).
    static Outcome search(const DuplicateFinders& finders, const HomePlaces& places, FileNode& root,
                          const std::function<void(const QString&)>& progress,
                          const std::stop_token& stop);
    // The paths of every extra copy of the groups.
    static std::set<std::string> excludedPhotoPaths(const DuplicateReport& report);
    // The localized notes under the results, the fixed note last.
    static QStringList footnotes(const DuplicateReport& duplicates,
                                 const SimilarPhotoReport& photos);
    // The progress lines of the two finders.
    static QString progressLine(DuplicateFinder::Stage stage, std::int64_t done,
                                std::int64_t total);
    static QString photoProgressLine(std::int64_t done, std::int64_t total);

    Phase phase() const { return phase_; }
    // The progress line while working, the error's description once failed.
    const QString& phaseText() const { return phaseText_; }
    const std::vector<DuplicateGroup>& groups() const { return groups_; }
    const std::vector<DuplicateGroup>& cloneGroups() const { return cloneGroups_; }
    const std::vector<SimilarPhotoGroup>& photoGroups() const { return photoGroups_; }
    const QStringList& footnotes() const { return footnotes_; }
    std::int64_t duplicateBytes() const;
    std::int64_t similarBytes() const;
    // True when the results came from this very tree; a new tree, even one
    // with the same path, or no tree at all makes them stale.
    bool isFrom(const FileNodePtr& root) const;

    // Starts a new search: the phase turns to working with the first line;
    // the results stay until the new ones arrive. Returns its generation.
    std::uint64_t start();
    // Each returns whether it changed anything: only the latest search does,
    // and a progress line only while that search is working.
    bool updateProgress(std::uint64_t generation, const QString& line);
    bool publish(std::uint64_t generation, Outcome outcome, const FileNodePtr& root);
    bool fail(std::uint64_t generation, const QString& message);
    bool stopped(std::uint64_t generation);

    // Makes path the kept copy (or best shot) of the group with this id;
    // false when nothing changed. The choice outlives the search: a later one
    // keeps the same copy for as long as it finds it.
    bool keep(const std::string& path, const std::string& groupID);
    bool keepPhoto(const std::string& path, const std::string& groupID);
    // Drops every file at or below a moved path from the groups, and from the
    // files that could not be read (a search can read a tree's file after a
    // commit moved it); a group left with one file goes, a kept copy that
    // stays is still kept, and a group that lost its kept copy chooses again,
    // avoiding the user's downloadsFolders. False when nothing was dropped.
    bool forget(const std::set<std::string>& movedPaths,
                const std::vector<std::string>& downloadsFolders);

  private:
    bool isLatest(std::uint64_t generation) const { return generation == generation_; }
    static QStringList footnotes(std::size_t cloneGroups, std::int64_t cloudOnlyFiles,
                                 std::size_t unreadableFiles);
    // Applies the user's choices to freshly published groups and forgets the
    // choices of copies the search no longer found.
    void applyChoices();

    Phase phase_ = Phase::idle;
    QString phaseText_;
    std::vector<DuplicateGroup> groups_;
    std::vector<DuplicateGroup> cloneGroups_;
    std::vector<SimilarPhotoGroup> photoGroups_;
    QStringList footnotes_;
    std::int64_t cloudOnlyFiles_ = 0;
    std::vector<std::string> unreadablePaths_;
    // The searched tree, held weakly: a new tree can never pass for it.
    std::weak_ptr<FileNode> searchedRoot_;
    // The copies and shots the user chose to keep.
    std::set<std::string> chosenKeepers_;
    std::set<std::string> chosenBest_;
    std::uint64_t generation_ = 0;
};

}  // namespace tandor
