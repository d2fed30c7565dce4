# The printer and clipboard services: the Qt backends in shared_gui (the fakes are in
# shared_platform_testing). Included from this folder's CMakeLists.txt.
target_sources(shared_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/qt_clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/qt_printer.cpp
)
