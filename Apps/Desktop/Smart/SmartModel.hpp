#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>

#include "Smart/AutomationModel.hpp"

namespace tandor {

class ScanModel;

// The automations pane's model for QML: one per engine (a singleton), so that
// proposals, previews, paused reasons and the last message outlive switching
// tabs and panes. Rows are plain lists of maps; QML acts on a row by its
// index, and the rules and paths stay here.
//
// Main thread only. Every action runs to completion before it returns.
class SmartModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QString message READ message NOTIFY changed)
    // Each: title, summary, pausedText (empty when not paused), lastRunText.
    Q_PROPERTY(QVariantList enabledRows READ enabledRows NOTIFY changed)
    // Each: title, summary, safety, why, canEnable, hasPreview,
    // previewEvidence, previewItems (first 20: sizeText, path, lastOpened)
    // and moreText (empty when the preview has at most 20 items).
    Q_PROPERTY(QVariantList proposalRows READ proposalRows NOTIFY changed)
    // True while "Run now" evaluates on its worker; a second run is refused.
    Q_PROPERTY(bool running READ isRunning NOTIFY changed)

  public:
    // The most preview items a card lists.
    static constexpr std::size_t shownPreviewItems = 20;

    explicit SmartModel(QObject* parent = nullptr);
    SmartModel(AutomationModel::Services services, QObject* parent = nullptr);

    const AutomationModel& automations() const { return model_; }

    QString message() const { return model_.message(); }
    QVariantList enabledRows() const { return enabledRows_; }
    QVariantList proposalRows() const { return proposalRows_; }
    bool isRunning() const { return running_; }

    // The proposals from the history and the scan's current suggestions.
    Q_INVOKABLE void refresh(tandor::ScanModel* scan);
    // Previews the proposal of this row over the scan's tree, without what
    // went to the Trash since the scan; nothing without a tree.
    Q_INVOKABLE void preview(int row, tandor::ScanModel* scan);
    Q_INVOKABLE void enable(int row);
    Q_INVOKABLE void disable(int row);
    // Runs every automation that is on into the scan's pile: the previews
    // and the store's records on a worker, then the pile and the message
    // here, without what went to the Trash since the scan.
    Q_INVOKABLE void runNow(tandor::ScanModel* scan);

  signals:
    void changed();

  private:
    const AutomationRule* proposalAt(int row) const;
    void publish();
    QVariantMap proposalRow(const AutomationRule& rule) const;
    QVariantMap enabledRow(const EnabledAutomation& automation) const;

    AutomationModel model_;
    QVariantList enabledRows_;
    QVariantList proposalRows_;
    bool running_ = false;
};

}  // namespace tandor
