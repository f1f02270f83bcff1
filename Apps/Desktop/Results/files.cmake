# The result screens (suggestions, categories) and the pile pane with its tips.
list(APPEND TANDOR_UI_SOURCES
  Results/CategoryListModel.cpp
  Results/CategoryListModel.hpp
  Results/FeatureTip.cpp
  Results/FeatureTip.hpp
  Results/KindDetailModel.cpp
  Results/KindDetailModel.hpp
  Results/PileListModel.cpp
  Results/PileListModel.hpp
  Results/ResultsText.cpp
  Results/ResultsText.hpp
  Results/SuggestionListModel.cpp
  Results/SuggestionListModel.hpp
)
list(APPEND TANDOR_UI_QML
  Results/CategoriesView.qml
  Results/FeatureTipPopup.qml
  Results/PilePanel.qml
  Results/SafetyIcon.qml
  Results/SuggestionCard.qml
  Results/SuggestionsView.qml
)
