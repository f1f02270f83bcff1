# The System Data tab: what the inspector measured of the disk, and the hint
# about folders that could not be read (also shown in the main header).
list(APPEND TANDOR_UI_SOURCES
  SystemData/FullDiskAccessLink.hpp
  SystemData/FullDiskAccessLink.cpp
  SystemData/SystemDataModel.hpp
  SystemData/SystemDataModel.cpp
  SystemData/SystemDataText.hpp
  SystemData/SystemDataText.cpp
)
list(APPEND TANDOR_UI_QML
  SystemData/FullDiskAccessHint.qml
  SystemData/SystemDataView.qml
)
