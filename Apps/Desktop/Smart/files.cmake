# The Smart tab: the automations (proposals from past cleanups, previews,
# turning them on and off, running them into the pile) and the Apps pane.
list(APPEND TANDOR_UI_SOURCES
  Smart/AppIcon.hpp
  Smart/AppIcon.cpp
  Smart/AppIconProvider.hpp
  Smart/AppIconProvider.cpp
  Smart/AutomationModel.hpp
  Smart/AutomationModel.cpp
  Smart/SmartModel.hpp
  Smart/SmartModel.cpp
  Smart/ExplanationLine.hpp
  Smart/ExplanationLine.cpp
  Smart/Explanations.hpp
  Smart/Explanations.cpp
  Smart/InstalledAppList.hpp
  Smart/InstalledAppList.cpp
  Smart/RunningApps.hpp
  Smart/RunningApps.cpp
  Smart/UninstallDetailModel.hpp
  Smart/UninstallDetailModel.cpp
  Smart/UninstallFooter.hpp
  Smart/UninstallFooter.cpp
)
list(APPEND TANDOR_UI_QML
  Smart/AppIconImage.qml
  Smart/AutomationsView.qml
  Smart/EnabledAutomationRow.qml
  Smart/EvidenceLabel.qml
  Smart/ExplanationLineView.qml
  Smart/ProposalCard.qml
  Smart/SmartView.qml
  Smart/UninstallDetail.qml
  Smart/UninstallView.qml
)
