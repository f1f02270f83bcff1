#include "Smart/AutomationModel.hpp"

#include <chrono>
#include <unordered_set>

#include "TandorAnalyzers/BuiltInRules.hpp"
#include "TandorCore/CheckedMath.hpp"
#include "TandorCore/FileNode.hpp"
#include "TandorCore/InstalledPackages.hpp"
#include "TandorCore/SupportFolder.hpp"
#include "TandorReview/CleanupHistory.hpp"
#include "TandorScanner/RecentListOrAccessTimeReader.hpp"
#include "TandorScanner/RecentlyUsedXbelReader.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"
#include "TandorSmart/AutomationRunner.hpp"
#include "TandorSmart/RuleSuggester.hpp"

namespace tandor {
namespace {

using ui::Texts;

constexpr double growthFactorLimit = 5.0;
constexpr std::int64_t growthBytesLimit = 10'000'000'000;

std::shared_ptr<AutomationStore> openStore(const std::string& url, QString& failure) {
    try {
        return std::make_shared<AutomationStore>(url);
    } catch (const std::exception& error) {
        failure = Texts::tr(QStringLiteral("automations.json could not be read: %@"),
                            {ui::fromEngine(error.what())});
        return nullptr;
    }
}

std::vector<HistoryRecord> historyOrNothing(
    const std::function<std::vector<HistoryRecord>()>& load) {
    try {
        return load();
    } catch (const std::exception&) {
        // Without a readable history the proposals come from the scan alone.
        return {};
    }
}

}  // namespace

AutomationModel::Services AutomationModel::Services::standard() {
    return {AutomationStore::defaultURL(),
            [] { return CleanupHistory(CleanupHistory::defaultURL()).records(); },
            [recentList = std::make_shared<const RecentlyUsedXbelReader>(),
             mounts = std::make_shared<const MountAccessTimes>()](const FileNodePtr& tree) {
                return std::make_shared<const RecentListOrAccessTimeReader>(recentList, mounts,
                                                                            tree);
            },
            [] { return std::chrono::system_clock::now(); },
            homeFolderPath(),
            std::string(InstalledPackages::defaultStatusPath)};
}

AutomationModel::AutomationModel(Services services) : services_(std::move(services)) {
    store_ = openStore(services_.storeURL, message_);
    republishEnabled();
}

AnalysisContext AutomationModel::context() const {
    return AnalysisContext(FileNode::normalize(services_.home), services_.now(), {},
                           services_.packageStatus.empty()
                               ? InstalledPackages()
                               : InstalledPackages::read(services_.packageStatus));
}

AutomationEvaluator AutomationModel::evaluator(const FileNodePtr& tree) const {
    return AutomationEvaluator(services_.lastUsed(tree), BuiltInRules::all());
}

void AutomationModel::republishEnabled() {
    enabled_ = store_ ? store_->enabled() : std::vector<EnabledAutomation>{};
}

void AutomationModel::refresh(const std::vector<Suggestion>& suggestions) {
    std::unordered_set<std::string> on;
    for (const auto& automation : enabled_) {
        on.insert(automation.rule.id);
    }
    const RuleSuggester suggester(3, 180, 0.2, 1'000'000'000);
    proposals_ =
        suggester.suggest(historyOrNothing(services_.loadHistory), suggestions, on, context());
}

void AutomationModel::preview(const AutomationRule& rule, const FileNodePtr& tree,
                              const MovedTest& moved) {
    AutomationPreview preview = evaluator(tree).preview(rule, tree, context());
    if (moved) {
        std::erase_if(preview.items, [&](const SuggestionItem& item) { return moved(item.path); });
    }
    previews_.insert_or_assign(rule.id, std::move(preview));
}

bool AutomationModel::canEnable(const AutomationRule& rule) const {
    const auto found = previews_.find(rule.id);
    return store_ && found != previews_.end() && found->second.isValid(rule, services_.now());
}

void AutomationModel::enable(const AutomationRule& rule) {
    const auto found = previews_.find(rule.id);
    if (!store_ || found == previews_.end()) {
        return;
    }
    try {
        store_->enable(rule, found->second, services_.now());
    } catch (const std::exception& error) {
        message_ = ui::fromEngine(error.what());
        return;
    }
    republishEnabled();
    std::erase_if(proposals_,
                  [&](const AutomationRule& proposal) { return proposal.id == rule.id; });
    message_ =
        Texts::tr(QStringLiteral("%@ is on. It fills the pile; nothing moves until you confirm."),
                  {Texts::localized(ui::fromEngine(rule.title))});
}

void AutomationModel::disable(const std::string& id) {
    if (!store_) {
        return;
    }
    try {
        store_->disable(id);
        paused_.erase(id);
    } catch (const std::exception& error) {
        message_ = ui::fromEngine(error.what());
    }
    republishEnabled();
}

void AutomationModel::run(const FileNodePtr& tree, const PileSink& pile, bool onlyDue) {
    applyRun(evaluation(tree, onlyDue)(), pile);
}

std::function<AutomationModel::RunResults()> AutomationModel::evaluation(const FileNodePtr& tree,
                                                                         bool onlyDue) const {
    return [runner = AutomationRunner(evaluator(tree), growthFactorLimit, growthBytesLimit),
            automations = enabled_, tree, context = context(), onlyDue, store = store_,
            now = services_.now] {
        RunResults results = runner.run(automations, tree, context, onlyDue);
        for (const auto& result : results) {
            if (store &&
                result.status.statusCase != AutomationRunResult::Status::Case::needsNewPreview) {
                try {
                    store->markRun(result.automation.rule.id, now());
                } catch (const std::exception&) {
                    // The run goes on; only its date is missing.
                }
            }
        }
        return results;
    };
}

void AutomationModel::applyRun(const RunResults& results, const PileSink& pile) {
    republishEnabled();
    std::unordered_set<std::string> stillOn;
    for (const auto& automation : enabled_) {
        stillOn.insert(automation.rule.id);
    }
    std::int64_t itemsAdded = 0;
    std::int64_t bytesAdded = 0;
    for (const auto& result : results) {
        const std::string& id = result.automation.rule.id;
        if (!stillOn.contains(id)) {
            continue;
        }
        if (result.status.statusCase == AutomationRunResult::Status::Case::needsNewPreview) {
            paused_.insert_or_assign(id, result.status.reason);
            continue;
        }
        if (const auto suggestion = result.suggestion()) {
            for (const auto& item : suggestion->items) {
                if (pile({item.path, item.bytes, suggestion->ruleID})) {
                    ++itemsAdded;
                    bytesAdded = saturatingAdd(bytesAdded, item.bytes);
                }
            }
        }
        paused_.erase(id);
    }
    message_ = itemsAdded > 0
                   ? Texts::tr(QStringLiteral("Automations added %lld items (%@) to the pile. "
                                              "Review them, then move them to the Trash."),
                               {QVariant(qlonglong(itemsAdded)), ui::Texts::byteCount(bytesAdded)})
                   : Texts::tr(QStringLiteral("Automations found nothing new."));
}

}  // namespace tandor
