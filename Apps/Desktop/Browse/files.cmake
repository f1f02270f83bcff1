list(APPEND TANDOR_UI_SOURCES
  Browse/DiskMapGeometry.hpp
  Browse/DiskMapGeometry.cpp
  Browse/DiskMapItem.hpp
  Browse/DiskMapItem.cpp
  Browse/BrowseState.hpp
  Browse/BrowseState.cpp
  Browse/FolderListModel.hpp
  Browse/FolderListModel.cpp
)
list(APPEND TANDOR_UI_QML
  Browse/BrowseView.qml
  Browse/BrowsePane.qml
  Browse/BrowseBar.qml
  Browse/FolderView.qml
  Browse/FolderRow.qml
  Browse/NodeMenu.qml
)
