# The Swipe tab: its model (the decks dealt from the last scan, the session of
# decisions and the kept files), the review screen's view model and its views.
list(APPEND TANDOR_UI_SOURCES
  Swipe/SwipeModel.hpp
  Swipe/SwipeModel.cpp
  Swipe/SwipeGesture.hpp
  Swipe/SwipeGesture.cpp
  Swipe/SwipeText.hpp
  Swipe/SwipeText.cpp
  Swipe/SwipeReview.hpp
  Swipe/SwipeReview.cpp
  Swipe/SwipeThumbnailProvider.hpp
  Swipe/SwipeThumbnailProvider.cpp
)
list(APPEND TANDOR_UI_QML
  Swipe/SwipeReviewView.qml
  Swipe/SwipeDeckPicker.qml
  Swipe/SwipeDeckTile.qml
  Swipe/SwipeStackView.qml
  Swipe/SwipeCardView.qml
  Swipe/SwipeStamp.qml
  Swipe/SwipeBatchSummary.qml
)
