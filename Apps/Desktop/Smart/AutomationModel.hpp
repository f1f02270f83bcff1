#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TandorAnalyzers/AnalysisContext.hpp"
#include "TandorCore/Date.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/Suggestion.hpp"
#include "TandorReview/HistoryRecord.hpp"
#include "TandorReview/ReviewPile.hpp"
#include "TandorScanner/LastUsedReader.hpp"
#include "TandorSmart/AutomationEvaluator.hpp"
#include "TandorSmart/AutomationPreview.hpp"
#include "TandorSmart/AutomationRule.hpp"
#include "TandorSmart/AutomationRunResult.hpp"
#include "TandorSmart/AutomationStore.hpp"
#include "TandorSmart/EnabledAutomation.hpp"

namespace tandor {

// What the automations pane shows and the user's actions on it, without Qt
// objects: the proposed rules, the previews asked for, the automations that
// are on, the reasons of paused ones and one status message. SmartModel
// publishes it to QML.
//
// A failure is always said in `message`: an unreadable store (which then
// stays closed and is never written), a refused or unwritten change. The list
// of automations that are on always follows the store, so a row never
// disappears while the file still holds it.
class AutomationModel {
  public:
    struct Services {
        // The automations file.
        std::string storeURL;
        // The whole cleanup history; may throw, which counts as no history.
        std::function<std::vector<HistoryRecord>()> loadHistory;
        // Makes the reader of last-used dates for one scanned tree.
        std::function<std::shared_ptr<const LastUsedReader>(const FileNodePtr& tree)> lastUsed;
        std::function<Date()> now;
        // The home folder as the scan read it.
        std::string home;
        // dpkg's status file, read for the installed packages; none when empty.
        std::string packageStatus;

        // The support folder's files, the recently used list (read once) with
        // the access times of the tree, the clock and dpkg's status file.
        static Services standard();
    };

    // Takes one item into the pile; answers whether the pile took it.
    using PileSink = std::function<bool(ReviewPile::Entry)>;
    // True for a path that went to the Trash, itself or in a folder, since the
    // tree was scanned: the tree still holds it.
    using MovedTest = std::function<bool(const std::string& path)>;

    explicit AutomationModel(Services services);

    const std::vector<AutomationRule>& proposals() const { return proposals_; }
    const std::map<std::string, AutomationPreview>& previews() const { return previews_; }
    const std::vector<EnabledAutomation>& enabled() const { return enabled_; }
    const std::map<std::string, std::string>& paused() const { return paused_; }
    const QString& message() const { return message_; }
    // False when the automations file could not be read.
    bool hasStore() const { return store_ != nullptr; }
    Date now() const { return services_.now(); }

    // Proposes rules from the history and these suggestions, leaving out those
    // that are on.
    void refresh(const std::vector<Suggestion>& suggestions);
    // Previews rule over tree, leaving out the items `moved` answers true for,
    // and keeps it under the rule's id. An empty test leaves out nothing.
    void preview(const AutomationRule& rule, const FileNodePtr& tree, const MovedTest& moved = {});
    // A store is open and rule has a preview still valid for it.
    bool canEnable(const AutomationRule& rule) const;
    // Turns a previewed rule on; a refusal or a failed write goes to message.
    void enable(const AutomationRule& rule);
    // Turns an automation off. A failed write keeps it listed (the file still
    // holds it) and says why.
    void disable(const std::string& id);
    // Runs the automations that are on (all, or only those due) over tree,
    // handing their items one by one to pile, and reports what it took.
    void run(const FileNodePtr& tree, const PileSink& pile, bool onlyDue);

    // The same run in two halves, so that the slow one can leave the main
    // thread: `evaluation` previews every automation and records the runs of
    // those not paused in the store; it holds copies of what it needs and may
    // run on any thread. `applyRun` then fills the pile and the model, leaving
    // out the results of automations turned off since the evaluation began.
    using RunResults = std::vector<AutomationRunResult>;
    std::function<RunResults()> evaluation(const FileNodePtr& tree, bool onlyDue) const;
    void applyRun(const RunResults& results, const PileSink& pile);

  private:
    AnalysisContext context() const;
    AutomationEvaluator evaluator(const FileNodePtr& tree) const;
    void republishEnabled();

    Services services_;
    // Shared with a run's evaluation, which may outlive the model.
    std::shared_ptr<AutomationStore> store_;
    std::vector<AutomationRule> proposals_;
    std::map<std::string, AutomationPreview> previews_;
    std::vector<EnabledAutomation> enabled_;
    std::map<std::string, std::string> paused_;
    QString message_;
};

}  // namespace tandor
