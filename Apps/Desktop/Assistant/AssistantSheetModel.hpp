#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Assistant/AssistantProposalList.hpp"
#include "Assistant/AssistantSetup.hpp"
#include "Assistant/FileStamp.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorAssistant/AssistantProposalStore.hpp"
#include "TandorAssistant/AssistantSettings.hpp"

namespace tandor {

// The state of the assistant sheet: the switch that lets AI assistants read
// Tandor's analysis (the file "assistant.json" that every "--mcp" process
// reads at start and at each tool call), the set-up text for the chosen AI
// app, and what assistants proposed for the pile.
//
// Main thread only. The sheet makes a new model each time it opens. While the
// switch is on, a timer refreshes every 3 seconds: it re-reads the switch, and
// the proposals only when their file changed since they were last read. The
// proposals are read and checked on a worker, and only the latest read is
// shown.
class AssistantSheetModel : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(
        tandor::ScanModel* scanModel READ scanModel WRITE setScanModel NOTIFY scanModelChanged)
    // The position the file holds (after a failed write, too).
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    // Why the last change of the switch did not reach the file; empty after a
    // good one.
    Q_PROPERTY(QString switchError READ switchError NOTIFY enabledChanged)
    // The AI apps in picker order, and the index of the chosen one.
    Q_PROPERTY(QStringList clients READ clients CONSTANT)
    Q_PROPERTY(int client READ client WRITE setClient NOTIFY clientChanged)
    // Where the chosen app takes its set-up text, translated.
    Q_PROPERTY(QString hint READ hint NOTIFY clientChanged)
    // The set-up text; empty when the executable has no path that can be
    // written into it, and snippetError says why.
    Q_PROPERTY(QString snippet READ snippet NOTIFY clientChanged)
    Q_PROPERTY(QString snippetError READ snippetError NOTIFY clientChanged)
    // "Copy" was pressed and the app has not changed since.
    Q_PROPERTY(bool copied READ copied NOTIFY copiedChanged)
    Q_PROPERTY(QAbstractListModel* proposals READ proposalList CONSTANT)
    Q_PROPERTY(int proposalCount READ proposalCount NOTIFY proposalsChanged)
    // "%lld items · %@" over the proposals shown.
    Q_PROPERTY(QString proposalSummary READ proposalSummary NOTIFY proposalsChanged)

  public:
    using Clock = std::function<Date()>;
    using CopyText = std::function<void(const QString& text)>;

    struct Services {
        std::string settingsPath;
        std::string proposalsPath;
        std::string home;
        // Absent when the executable is no longer where it was started from.
        std::optional<std::string> executablePath;
        Clock now;
        CopyText copy;

        // The support folder's two files, the user's home, this executable
        // and the system clipboard.
        static Services standard();
    };

    static constexpr int refreshMilliseconds = 3000;

    explicit AssistantSheetModel(QObject* parent = nullptr);
    AssistantSheetModel(Services services, QObject* parent = nullptr);
    ~AssistantSheetModel() override;

    // Tests point a model that QML made at their own files.
    void setServices(Services services);

    ScanModel* scanModel() const { return scanModel_; }
    void setScanModel(ScanModel* model);
    bool enabled() const { return settings_.enabled; }
    QString switchError() const { return switchError_; }
    static QStringList clients();
    int client() const { return static_cast<int>(client_); }
    void setClient(int index);
    QString hint() const;
    QString snippet() const;
    QString snippetError() const;
    bool copied() const { return copied_; }
    AssistantProposalList* proposalList() { return &proposals_; }
    const std::vector<AssistantProposal>& proposals() const { return proposals_.proposals(); }
    int proposalCount() const { return static_cast<int>(proposals_.proposals().size()); }
    QString proposalSummary() const;

    // Writes the switch with the current date when on, none when off. When
    // the write fails, the switch shows what the file holds and the error.
    Q_INVOKABLE void setEnabled(bool on);
    // Puts the set-up text on the clipboard.
    Q_INVOKABLE void copySnippet();
    // Re-reads the switch now and the proposals on a worker.
    Q_INVOKABLE void reload();
    // What the timer does: re-reads the switch, and the proposals on a worker
    // when no read runs and their file changed since the last read began.
    void refresh();
    // Puts these proposals on the pile with the rule "assistant" and the size
    // the assistant reported, then removes them from the file, also those the
    // pile refused.
    Q_INVOKABLE void addToPile(int row);
    Q_INVOKABLE void addAllToPile();
    // Removes this proposal from the file.
    Q_INVOKABLE void ignore(int row);

    // True while a read of the proposals runs (tests and benchmarks wait).
    bool isReading() const { return reading_ > 0; }

  signals:
    void scanModelChanged();
    void enabledChanged();
    void clientChanged();
    void copiedChanged();
    void proposalsChanged();

  private:
    std::optional<std::string> setupText() const;
    void add(const std::vector<AssistantProposal>& items);
    void dismiss(const std::vector<AssistantProposal>& items);
    void readSettings();
    void setSettings(AssistantSettings settings, QString error);
    void readProposals();
    // Main thread, posted by the worker of read `generation`.
    void finishRead(std::uint64_t generation, std::vector<AssistantProposal> proposals);
    void show(std::vector<AssistantProposal> proposals);
    void updateTimer();

    Services services_;
    QPointer<ScanModel> scanModel_;
    AssistantSettings settings_;
    QString switchError_;
    AssistantSetup::Client client_ = AssistantSetup::Client::claudeCode;
    bool copied_ = false;
    AssistantProposalList proposals_;
    QTimer refresh_;
    // Counts the reads started; a read's result is shown only while it is
    // the latest.
    std::uint64_t generation_ = 0;
    int reading_ = 0;
    // The proposal file as the latest read found it before reading; nothing
    // before the first read and for a missing file.
    std::optional<FileStamp> readStamp_;
    bool hasRead_ = false;
};

}  // namespace tandor
