# The Swipe tab's model: the decks dealt from the last scan, the session of
# decisions and the kept files.
list(APPEND TANDOR_UI_SOURCES
  Swipe/SwipeModel.hpp
  Swipe/SwipeModel.cpp
)
