#include "Smart/SmartModel.hpp"

#include <QtConcurrent/QtConcurrentRun>

#include "Support/BackgroundPool.hpp"
#include "Shell/ScanModel.hpp"
#include "TandorScanner/LastUsedText.hpp"
#include "TandorShared/DisplayText.hpp"
#include "TandorShared/Texts.hpp"

namespace tandor {
namespace {

using ui::Texts;

QString engineText(const std::string& text) {
    return Texts::localized(ui::fromEngine(text));
}

QVariantList evidenceRows(const std::vector<Evidence>& lines) {
    QVariantList rows;
    for (const auto& line : lines) {
        rows.append(
            QVariantMap{{QStringLiteral("text"), engineText(line.text)},
                        {QStringLiteral("observed"), line.kind == Evidence::Kind::observed}});
    }
    return rows;
}

QVariantList previewItemRows(const AutomationPreview& preview, Date now) {
    QVariantList rows;
    const auto shown = std::min(preview.items.size(), SmartModel::shownPreviewItems);
    for (std::size_t index = 0; index < shown; ++index) {
        const auto& item = preview.items[index];
        const auto opened = preview.lastOpened.find(item.path);
        rows.append(QVariantMap{{QStringLiteral("sizeText"), ui::Texts::byteCount(item.bytes)},
                                {QStringLiteral("path"), ui::displayPath(item.path)},
                                {QStringLiteral("lastOpened"),
                                 opened == preview.lastOpened.end()
                                     ? QString()
                                     : engineText(LastUsedText::describe(opened->second, now))}});
    }
    return rows;
}

}  // namespace

SmartModel::SmartModel(QObject* parent)
    : SmartModel(AutomationModel::Services::standard(), parent) {
}

SmartModel::SmartModel(AutomationModel::Services services, QObject* parent)
    : QObject(parent), model_(std::move(services)) {
    publish();
}

const AutomationRule* SmartModel::proposalAt(int row) const {
    const auto& proposals = model_.proposals();
    return row >= 0 && std::size_t(row) < proposals.size() ? &proposals[std::size_t(row)] : nullptr;
}

void SmartModel::refresh(ScanModel* scan) {
    model_.refresh(scan != nullptr ? scan->suggestions() : std::vector<Suggestion>{});
    publish();
}

void SmartModel::preview(int row, ScanModel* scan) {
    const auto* rule = proposalAt(row);
    if (rule == nullptr || scan == nullptr || !scan->root()) {
        return;
    }
    model_.preview(*rule, scan->root(),
                   [scan](const std::string& path) { return scan->movedSinceScan(path); });
    publish();
}

void SmartModel::enable(int row) {
    if (const auto* rule = proposalAt(row)) {
        // enable drops the rule from the proposals it is read from.
        const AutomationRule chosen = *rule;
        model_.enable(chosen);
        publish();
    }
}

void SmartModel::disable(int row) {
    const auto& enabled = model_.enabled();
    if (row < 0 || std::size_t(row) >= enabled.size()) {
        return;
    }
    model_.disable(enabled[std::size_t(row)].rule.id);
    publish();
}

void SmartModel::runNow(ScanModel* scan) {
    if (running_ || scan == nullptr || !scan->root()) {
        return;
    }
    running_ = true;
    publish();
    QtConcurrent::run(BackgroundPool::shared(), model_.evaluation(scan->root(), false))
        .then(this, [this, scan = QPointer<ScanModel>(scan)](AutomationModel::RunResults results) {
            running_ = false;
            {
                const ScanModel::PileBatch batch(scan);
                // Asked here rather than when the run began: a commit may
                // have landed while the worker evaluated.
                model_.applyRun(results, [scan](ReviewPile::Entry entry) {
                    return scan && !scan->movedSinceScan(entry.path) &&
                           scan->addToPile(std::move(entry));
                });
            }
            publish();
        });
}

QVariantMap SmartModel::proposalRow(const AutomationRule& rule) const {
    QVariantMap row{{QStringLiteral("title"), engineText(rule.title)},
                    {QStringLiteral("summary"), engineText(rule.summary())},
                    {QStringLiteral("safety"), ui::fromEngine(rawValue(rule.safety))},
                    {QStringLiteral("why"), evidenceRows(rule.why)},
                    {QStringLiteral("canEnable"), model_.canEnable(rule)},
                    {QStringLiteral("hasPreview"), false},
                    {QStringLiteral("previewEvidence"), QVariantList()},
                    {QStringLiteral("previewItems"), QVariantList()},
                    {QStringLiteral("moreText"), QString()}};
    const auto found = model_.previews().find(rule.id);
    if (found == model_.previews().end()) {
        return row;
    }
    const auto& preview = found->second;
    row[QStringLiteral("hasPreview")] = true;
    row[QStringLiteral("previewEvidence")] = evidenceRows(preview.evidence());
    row[QStringLiteral("previewItems")] = previewItemRows(preview, model_.now());
    if (preview.items.size() > shownPreviewItems) {
        row[QStringLiteral("moreText")] =
            Texts::tr(QStringLiteral("… and %lld more"),
                      {QVariant(qlonglong(preview.items.size() - shownPreviewItems))});
    }
    return row;
}

QVariantMap SmartModel::enabledRow(const EnabledAutomation& automation) const {
    const auto paused = model_.paused().find(automation.rule.id);
    const QString pausedText =
        paused == model_.paused().end()
            ? QString()
            : Texts::tr(
                  QStringLiteral("Paused: %@ Preview it again from Suggested to turn it back on."),
                  {ui::fromEngine(paused->second)});
    const QString lastRunText =
        automation.lastRun
            ? Texts::tr(QStringLiteral("Last run %@"), {Texts::dateTime(*automation.lastRun)})
            : QString();
    return {{QStringLiteral("title"), engineText(automation.rule.title)},
            {QStringLiteral("summary"), engineText(automation.rule.summary())},
            {QStringLiteral("pausedText"), pausedText},
            {QStringLiteral("lastRunText"), lastRunText}};
}

void SmartModel::publish() {
    enabledRows_.clear();
    for (const auto& automation : model_.enabled()) {
        enabledRows_.append(enabledRow(automation));
    }
    proposalRows_.clear();
    for (const auto& rule : model_.proposals()) {
        proposalRows_.append(proposalRow(rule));
    }
    emit changed();
}

}  // namespace tandor
