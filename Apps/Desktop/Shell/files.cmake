list(APPEND TANDOR_UI_QML
  Shell/Main.qml
)
