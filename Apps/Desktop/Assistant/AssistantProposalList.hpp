#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "TandorAssistant/AssistantProposal.hpp"

namespace tandor {

// The proposals the assistant sheet offers, in the order shown. QML asks by
// row; the paths stay here as bytes.
class AssistantProposalList : public QAbstractListModel {
    Q_OBJECT

  public:
    enum Role {
        NameRole = Qt::UserRole + 1,  // QString: the last path component
        ReasonRole,                   // QString: the assistant's words
        PathRole,                     // QString: the path with the home as "~"
        SizeTextRole,                 // QString: the bytes the assistant reported
    };
    Q_ENUM(Role)

    explicit AssistantProposalList(std::string home, QObject* parent = nullptr);

    void setHome(std::string home) { home_ = std::move(home); }
    const std::vector<AssistantProposal>& proposals() const { return proposals_; }
    // Changes the list only when it differs from the one shown, so that a
    // refresh that finds nothing new costs the view nothing; a list that only
    // lacks some rows removes them, so that the view keeps its place. True
    // when changed.
    bool setProposals(std::vector<AssistantProposal> proposals);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  private:
    // Removes the rows missing from kept when kept is the list without them;
    // false, changing nothing, otherwise.
    bool removeAllBut(const std::vector<AssistantProposal>& kept);

    std::string home_;
    std::vector<AssistantProposal> proposals_;
};

}  // namespace tandor
