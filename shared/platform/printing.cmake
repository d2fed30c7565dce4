# The printer and clipboard services: interfaces and test fakes in shared_core, the
# Qt backends in shared_gui. Included from this folder's CMakeLists.txt.
target_sources(shared_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/testing/fake_printer.cpp
)

target_sources(shared_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt/qt_clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt/qt_printer.cpp
)
