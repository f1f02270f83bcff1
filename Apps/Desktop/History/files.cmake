# The History tab: the cleanup history in sessions with put back, and the
# moves into sorting folders above it.
list(APPEND TANDOR_UI_SOURCES
  History/HistoryModel.hpp
  History/HistoryModel.cpp
  History/RuleTitle.hpp
  History/RuleTitle.cpp
)
list(APPEND TANDOR_UI_QML
  History/HistoryView.qml
)
