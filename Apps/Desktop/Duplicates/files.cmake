# The Duplicates tab: the search for identical files and similar photos, its
# lists, the hand-off to the pile and the photo thumbnails.
list(APPEND TANDOR_UI_SOURCES
  Duplicates/DuplicateFinders.cpp
  Duplicates/DuplicateFinders.hpp
  Duplicates/DuplicatePile.cpp
  Duplicates/DuplicatePile.hpp
  Duplicates/DuplicateSearch.cpp
  Duplicates/DuplicateSearch.hpp
  Duplicates/DuplicatesModel.cpp
  Duplicates/DuplicatesModel.hpp
  Duplicates/DuplicatesText.cpp
  Duplicates/DuplicatesText.hpp
  Duplicates/FileActions.cpp
  Duplicates/FileActions.hpp
  Duplicates/IdenticalFilesListModel.cpp
  Duplicates/IdenticalFilesListModel.hpp
  Duplicates/PathRows.cpp
  Duplicates/PathRows.hpp
  Duplicates/PhotoIDs.cpp
  Duplicates/PhotoIDs.hpp
  Duplicates/PhotoThumbnailProvider.cpp
  Duplicates/PhotoThumbnailProvider.hpp
  Duplicates/PileFlags.cpp
  Duplicates/PileFlags.hpp
  Duplicates/SimilarPhotosListModel.cpp
  Duplicates/SimilarPhotosListModel.hpp
)
list(APPEND TANDOR_UI_QML
  Duplicates/DuplicateGroupRow.qml
  Duplicates/DuplicatesView.qml
  Duplicates/IdenticalFilesList.qml
  Duplicates/SimilarGroupRow.qml
  Duplicates/SimilarPhotosList.qml
)
