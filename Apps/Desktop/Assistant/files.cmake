# The AI assistant sheet: the switch that lets assistants read Tandor's
# analysis, the set-up texts for the AI apps, and the proposals for the pile.
list(APPEND TANDOR_UI_SOURCES
  Assistant/AssistantProposalFilter.hpp
  Assistant/AssistantProposalFilter.cpp
  Assistant/AssistantProposalList.hpp
  Assistant/AssistantProposalList.cpp
  Assistant/AssistantSetup.hpp
  Assistant/AssistantSetup.cpp
  Assistant/AssistantSheetModel.hpp
  Assistant/AssistantSheetModel.cpp
  Assistant/FileStamp.hpp
  Assistant/FileStamp.cpp
)
list(APPEND TANDOR_UI_QML
  Assistant/AssistantSheet.qml
)
