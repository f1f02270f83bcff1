#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TandorAnalyzers/StorageBreakdown.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorScanner/ScanProgress.hpp"

namespace tandor {

// The application's central model: runs the scan of the home folder, publishes
// its results to every screen, owns the review pile and commits it to the
// Trash. One instance lives on the main thread for the whole run; QML reaches
// it as the singleton ScanModel, C++ view models are given a pointer to it.
class ScanModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The application creates the one scan model.")

    // "idle", "scanning", "failed" or "ready".
    Q_PROPERTY(QString phase READ phaseName NOTIFY phaseChanged)
    // The failure message while the phase is "failed".
    Q_PROPERTY(QString failureMessage READ failureMessage NOTIFY phaseChanged)
    // The latest progress while the phase is "scanning".
    Q_PROPERTY(QString currentPath READ currentPath NOTIFY phaseChanged)
    Q_PROPERTY(qint64 filesSeen READ filesSeen NOTIFY phaseChanged)
    Q_PROPERTY(qint64 bytesSeen READ bytesSeen NOTIFY phaseChanged)
    Q_PROPERTY(qint64 recoverableBytes READ recoverableBytes NOTIFY suggestionsChanged)
    Q_PROPERTY(int inaccessibleCount READ inaccessibleCount NOTIFY resultsChanged)
    Q_PROPERTY(QString lastCommitMessage READ lastCommitMessage NOTIFY lastCommitMessageChanged)
    Q_PROPERTY(int pileCount READ pileCount NOTIFY pileChanged)
    Q_PROPERTY(qint64 pileBytes READ pileBytes NOTIFY pileChanged)

public:
    enum class Phase { scanning, failed, idle, ready };

    explicit ScanModel(QObject* parent = nullptr);
    ~ScanModel() override;

    Phase phase() const;
    QString phaseName() const;
    QString failureMessage() const;
    QString currentPath() const;
    qint64 filesSeen() const;
    qint64 bytesSeen() const;
    // When the last scan started; used space of the home volume when it started.
    Date scanStarted() const;
    std::optional<std::int64_t> diskUsedBytes() const;

    // The results of the last finished scan (null / empty before the first).
    const FileNodePtr& root() const;
    const std::vector<Suggestion>& suggestions() const;
    const std::optional<StorageBreakdown>& breakdown() const;
    int inaccessibleCount() const;
    qint64 recoverableBytes() const;

    // The review pile. Every screen changes it only through these calls, so
    // that pileChanged is always emitted. Paths are bytes and never come back
    // from display text: QML asks the C++ view models by row, and they pass
    // the byte paths they hold.
    const ReviewPile& pile() const;
    bool addToPile(ReviewPile::Entry entry);
    void addSuggestionToPile(const Suggestion& suggestion);
    void removeFromPile(const std::string& path);
    Q_INVOKABLE void undoLastPileAddition();
    int pileCount() const;
    qint64 pileBytes() const;

    QString lastCommitMessage() const;
    const QSet<QString>& lastMovedPaths() const;

    // Starts a scan of the home folder in the background; refused (false)
    // while one runs.
    Q_INVOKABLE bool scanHome();
    // Moves every pile entry to the Trash and publishes the outcome.
    Q_INVOKABLE void commitPile();

signals:
    void phaseChanged();
    void resultsChanged();
    void suggestionsChanged();
    void pileChanged();
    void lastCommitMessageChanged();
};

}  // namespace tandor
