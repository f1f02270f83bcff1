#include "TandorAnalyzers/CleanupRule.hpp"

namespace tandor {

CleanupRule::CleanupRule(std::string id, std::string title, StorageCategory category,
                         std::optional<FileKind> kind, SafetyLevel safety, std::string reason,
                         std::optional<std::string> howToRecover, Target target,
                         std::int64_t minimumBytes)
    : id_(std::move(id)),
      title_(std::move(title)),
      category_(category),
      kind_(kind),
      safety_(safety),
      reason_(std::move(reason)),
      howToRecover_(std::move(howToRecover)),
      target_(std::move(target)),
      minimumBytes_(minimumBytes) {
}

}  // namespace tandor
