# The sorting folders: the model over their store, the folder chooser, and the
# moves section of the History tab.
list(APPEND TANDOR_UI_SOURCES
  Sorting/DialogFolderChooser.hpp
  Sorting/DialogFolderChooser.cpp
  Sorting/FolderChooser.hpp
  Sorting/SortingModel.hpp
  Sorting/SortingModel.cpp
  Sorting/SortingMoveList.hpp
  Sorting/SortingMoveList.cpp
  Sorting/SortingText.hpp
  Sorting/SortingText.cpp
)
list(APPEND TANDOR_UI_QML
  Sorting/FolderChooserDialog.qml
  Sorting/SortingMovesSection.qml
  Sorting/SortingPalette.qml
)
set_source_files_properties(Sorting/SortingPalette.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
