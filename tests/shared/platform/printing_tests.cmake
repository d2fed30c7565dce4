# Tests of the printer and clipboard services. Included from this folder's
# CMakeLists.txt; the PDF and clipboard tests need a QApplication (offscreen).
add_area_test(shared_printing_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/printer_fake_test.cpp
  LIBS shared_core)

add_area_test(shared_printing_gui_tests GUI
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/printer_gui_main.cpp
          ${CMAKE_CURRENT_LIST_DIR}/printer_pdf_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/printer_clipboard_test.cpp
  LIBS shared_core)
