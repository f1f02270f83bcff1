list(APPEND TANDOR_UI_SOURCES
  Support/BackgroundPool.hpp
  Support/BackgroundPool.cpp
  Support/FileManagerReveal.hpp
  Support/FileManagerReveal.cpp
  Support/PooledImageResponse.hpp
  Support/PooledImageResponse.cpp
)
