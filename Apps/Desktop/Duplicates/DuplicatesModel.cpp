#include "Duplicates/DuplicatesModel.hpp"

#include <QQmlEngine>
#include <exception>
#include <utility>

#include "Duplicates/PhotoThumbnailProvider.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorDuplicates/CancellationError.hpp"
#include "TandorShared/DisplayText.hpp"

namespace tandor {

namespace {

DuplicatesModel*& registeredModel() {
    static DuplicatesModel* model = nullptr;
    return model;
}

}  // namespace

DuplicatesModel::DuplicatesModel(ScanModel& scan, QObject* parent)
    : DuplicatesModel(scan, DuplicateFinders::standard(), parent) {
}

DuplicatesModel::DuplicatesModel(ScanModel& scan, DuplicateFinders finders, QObject* parent)
    : QObject(parent),
      scan_(scan),
      finders_(std::move(finders)),
      identical_(new IdenticalFilesListModel(*this, this)),
      similar_(new SimilarPhotosListModel(*this, this)) {
    connect(&scan_, &ScanModel::lastMovedPathsChanged, this,
            [this] { forget(scan_.lastMovedPaths()); });
    connect(&scan_, &ScanModel::resultsChanged, this, [this] {
        if (resultsAreCurrent() != lastCurrent_) {
            lastCurrent_ = !lastCurrent_;
            emit resultsAreCurrentChanged();
        }
    });
}

DuplicatesModel::~DuplicatesModel() {
    if (registeredModel() == this) {
        registeredModel() = nullptr;
    }
    for (auto& worker : workers_) {
        worker.thread.request_stop();
    }
    workers_.clear();
}

void DuplicatesModel::prepare(QQmlEngine& engine, DuplicatesModel* model) {
    registeredModel() = model;
    engine.addImageProvider(QStringLiteral("photo"), new PhotoThumbnailProvider(model->photoIDs()));
}

DuplicatesModel* DuplicatesModelForeign::create(QQmlEngine* /*engine*/,
                                                QJSEngine* /*scriptEngine*/) {
    DuplicatesModel* model = registeredModel();
    if (model != nullptr) {
        QJSEngine::setObjectOwnership(model, QJSEngine::CppOwnership);
    }
    return model;
}

QString DuplicatesModel::phaseName() const {
    switch (search_.phase()) {
        case DuplicateSearch::Phase::working:
            return QStringLiteral("working");
        case DuplicateSearch::Phase::failed:
            return QStringLiteral("failed");
        case DuplicateSearch::Phase::idle:
            return QStringLiteral("idle");
        case DuplicateSearch::Phase::ready:
            return QStringLiteral("ready");
    }
    return {};
}

bool DuplicatesModel::resultsAreCurrent() const {
    return search_.isFrom(scan_.root());
}

void DuplicatesModel::run() {
    FileNodePtr root = scan_.root();
    if (root == nullptr) {
        return;
    }
    for (auto& worker : workers_) {
        worker.thread.request_stop();
    }
    joinFinishedWorkers();
    movedSinceSearchedTree_ = scan_.movedSinceScan();
    const std::uint64_t generation = search_.start();
    emit phaseChanged();
    auto done = std::make_shared<std::atomic<bool>>(false);
    workers_.push_back({std::jthread([this, root = std::move(root), places = scan_.homePlaces(),
                                      generation, done](std::stop_token stop) {
                            searchOn(root, places, generation, std::move(stop));
                            done->store(true);
                        }),
                        done});
}

// On the worker. Posts to the model, which outlives the worker (its
// destructor joins it), so the posts reach a living object or are dropped
// with it.
void DuplicatesModel::searchOn(FileNodePtr root, const HomePlaces& places, std::uint64_t generation,
                               std::stop_token stop) {
    try {
        auto outcome = DuplicateSearch::search(
            finders_, places, *root,
            [&](const QString& line) {
                QMetaObject::invokeMethod(
                    this,
                    [this, generation, line] {
                        if (search_.updateProgress(generation, line)) {
                            emit phaseChanged();
                        }
                    },
                    Qt::QueuedConnection);
            },
            stop);
        QMetaObject::invokeMethod(
            this,
            [this, generation, outcome = std::move(outcome), root]() mutable {
                finish(generation, std::move(outcome), root);
            },
            Qt::QueuedConnection);
    } catch (const CancellationError&) {
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (search_.stopped(generation)) {
                    emit phaseChanged();
                }
            },
            Qt::QueuedConnection);
    } catch (const std::exception& error) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, message = ui::fromEngine(error.what())] {
                if (search_.fail(generation, message)) {
                    emit phaseChanged();
                }
            },
            Qt::QueuedConnection);
    }
}

void DuplicatesModel::finish(std::uint64_t generation, DuplicateSearch::Outcome outcome,
                             FileNodePtr root) {
    if (!search_.publish(generation, std::move(outcome), root)) {
        return;
    }
    search_.forget(movedSinceSearchedTree_,
                   scan_.homePlaces().foldersOf(HomePlaces::UserFolder::download));
    emit resultsChanged();
    emit phaseChanged();
    lastCurrent_ = resultsAreCurrent();
    emit resultsAreCurrentChanged();
}

void DuplicatesModel::joinFinishedWorkers() {
    std::erase_if(workers_, [](const Worker& worker) { return worker.done->load(); });
}

void DuplicatesModel::cancel() {
    for (auto& worker : workers_) {
        worker.thread.request_stop();
    }
}

bool DuplicatesModel::keep(const std::string& path, const std::string& groupID) {
    return search_.keep(path, groupID);
}

bool DuplicatesModel::keepPhoto(const std::string& path, const std::string& groupID) {
    return search_.keepPhoto(path, groupID);
}

void DuplicatesModel::forget(const std::set<std::string>& movedPaths) {
    movedSinceSearchedTree_.insert(movedPaths.begin(), movedPaths.end());
    if (search_.forget(movedPaths,
                       scan_.homePlaces().foldersOf(HomePlaces::UserFolder::download))) {
        emit resultsChanged();
    }
}

}  // namespace tandor
