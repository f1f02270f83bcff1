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
  Sorting/SortingFolderText.hpp
  Sorting/SortingFolderText.cpp
  Sorting/SortingFolderList.hpp
  Sorting/SortingFolderList.cpp
  Sorting/SortingTutorialFrame.hpp
  Sorting/SortingTutorialFrame.cpp
)
list(APPEND TANDOR_UI_QML
  Sorting/FolderChooserDialog.qml
  Sorting/FolderPickerDialog.qml
  Sorting/SortingMovesSection.qml
  Sorting/SortingPalette.qml
  Sorting/SortingFolderLabel.qml
  Sorting/SortingFolderRow.qml
  Sorting/SortingFoldersPanel.qml
  Sorting/DestinationMenuItems.qml
  Sorting/MoveControl.qml
  Sorting/NewSortingFolderSheet.qml
  Sorting/DestinationPickerSheet.qml
  Sorting/SortingTutorialView.qml
)
set_source_files_properties(Sorting/SortingPalette.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
