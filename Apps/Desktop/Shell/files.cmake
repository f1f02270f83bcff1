# The application's spine: the scan model, the main view with its tab strip,
# header and empty state, the window, the settings, the pool of background
# work and the base of the image providers' responses.
list(APPEND TANDOR_UI_SOURCES
  Shell/ApplicationEngine.hpp
  Shell/ApplicationEngine.cpp
  Shell/CategoryBarModel.hpp
  Shell/CategoryBarModel.cpp
  Shell/ContentView.hpp
  Shell/ContentView.cpp
  Shell/ContentViewModel.hpp
  Shell/ContentViewModel.cpp
  Shell/HomeScan.hpp
  Shell/HomeScan.cpp
  Shell/PileCommit.hpp
  Shell/PileCommit.cpp
  Shell/ScanModel.hpp
  Shell/ScanModel.cpp
  Shell/ShellSettings.hpp
  Shell/ShellSettings.cpp
  Shell/ViewTabBarEdges.hpp
  Shell/ViewTabBarEdges.cpp
)
list(APPEND TANDOR_UI_QML
  Shell/CategoryBar.qml
  Shell/ContentView.qml
  Shell/EmptyStateView.qml
  Shell/LanguageMenu.qml
  Shell/LanguagePicker.qml
  Shell/Main.qml
  Shell/RelaunchDialog.qml
  Shell/SettingsWindow.qml
  Shell/SummaryHeader.qml
  Shell/TabIcon.qml
  Shell/ViewTabBar.qml
)
