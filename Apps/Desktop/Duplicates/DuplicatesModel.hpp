#pragma once

#include <QtQml/qqml.h>
#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Duplicates/DuplicateFinders.hpp"
#include "Duplicates/DuplicateSearch.hpp"
#include "Duplicates/IdenticalFilesListModel.hpp"
#include "Duplicates/PhotoIDs.hpp"
#include "Duplicates/SimilarPhotosListModel.hpp"

class QQmlEngine;
class QJSEngine;

namespace tandor {

class ScanModel;

// The Duplicates tab's model, one for the whole run beside the scan model:
// searches the tree of the last scan for identical files and then for similar
// photos, publishes what it found, and follows the pile's commits so that
// moved files leave the groups whichever tab is shown. QML reaches it as the
// singleton DuplicatesModel.
//
// Threads: every member runs on the main thread. Each search runs on a worker
// thread of its own that holds the tree by its shared pointer and posts its
// progress and outcome back tagged with its generation (see DuplicateSearch).
// A new search asks the older one to stop without waiting for it; destroying
// the model stops and joins every worker.
class DuplicatesModel : public QObject {
    Q_OBJECT

    // "working", "failed", "idle" or "ready".
    Q_PROPERTY(QString phase READ phaseName NOTIFY phaseChanged)
    // The progress line while working, the error's description once failed.
    Q_PROPERTY(QString phaseText READ phaseText NOTIFY phaseChanged)
    // The results come from the tree of the current scan.
    Q_PROPERTY(bool resultsAreCurrent READ resultsAreCurrent NOTIFY resultsAreCurrentChanged)
    Q_PROPERTY(QStringList footnotes READ footnotes NOTIFY resultsChanged)
    Q_PROPERTY(tandor::IdenticalFilesListModel* identical READ identical CONSTANT)
    Q_PROPERTY(tandor::SimilarPhotosListModel* similar READ similar CONSTANT)

  public:
    explicit DuplicatesModel(ScanModel& scan, QObject* parent = nullptr);
    DuplicatesModel(ScanModel& scan, DuplicateFinders finders, QObject* parent = nullptr);
    ~DuplicatesModel() override;

    // Makes model the singleton "DuplicatesModel" and adds the photo
    // thumbnails ("image://photo/<id>") to engine. The model must outlive the
    // engine.
    static void prepare(QQmlEngine& engine, DuplicatesModel* model);

    const DuplicateSearch& search() const { return search_; }
    ScanModel& scan() const { return scan_; }
    const std::shared_ptr<PhotoIDs>& photoIDs() const { return photoIDs_; }
    IdenticalFilesListModel* identical() const { return identical_; }
    SimilarPhotosListModel* similar() const { return similar_; }

    QString phaseName() const;
    QString phaseText() const { return search_.phaseText(); }
    bool resultsAreCurrent() const;
    QStringList footnotes() const { return search_.footnotes(); }

    // Starts a search over the current scan's tree, stopping the running one;
    // nothing happens without a tree.
    Q_INVOKABLE void run();
    // Asks the running search to stop; the phase turns idle when it has.
    Q_INVOKABLE void cancel();
    // Each returns whether the group changed.
    bool keep(const std::string& path, const std::string& groupID);
    bool keepPhoto(const std::string& path, const std::string& groupID);
    // Drops the moved files from the groups, and from what the running
    // search will publish.
    void forget(const std::set<std::string>& movedPaths);

  signals:
    void phaseChanged();
    void resultsChanged();
    void resultsAreCurrentChanged();

  private:
    struct Worker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    void searchOn(FileNodePtr root, const HomePlaces& places, std::uint64_t generation,
                  std::stop_token stop);
    void finish(std::uint64_t generation, DuplicateSearch::Outcome outcome, FileNodePtr root);
    void joinFinishedWorkers();

    ScanModel& scan_;
    DuplicateFinders finders_;
    DuplicateSearch search_;
    std::shared_ptr<PhotoIDs> photoIDs_ = std::make_shared<PhotoIDs>();
    IdenticalFilesListModel* identical_;
    SimilarPhotosListModel* similar_;
    bool lastCurrent_ = false;
    // What commits moved since the tree of the latest search was made: that
    // search read the tree, which still holds them, and may have read a file
    // before a commit moved it.
    std::set<std::string> movedSinceSearchedTree_;
    // Declared last: stopped and joined before the other members go.
    std::vector<Worker> workers_;
};

// Registers the model given to DuplicatesModel::prepare as the QML singleton
// "DuplicatesModel" of the "Tandor" module.
struct DuplicatesModelForeign {
    Q_GADGET
    QML_FOREIGN(tandor::DuplicatesModel)
    QML_NAMED_ELEMENT(DuplicatesModel)
    QML_SINGLETON

  public:
    static DuplicatesModel* create(QQmlEngine* engine, QJSEngine* scriptEngine);
};

}  // namespace tandor
