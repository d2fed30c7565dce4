# The plain C++ core must never link Qt, so that the command-line tools and the models
# build and run without it. A target is a window target when one of its sources lies
# in a folder that may use Qt; every other target is core, so a new area is held to the
# rule from its first line without being listed here.

# Folders whose code may use Qt, as regular expressions over source paths relative to
# the source tree: the qt/ folders of every area (and the tests of their windows, in
# *_qt/), the shared dialogs and desktop base, the tools that draw with Qt, and the
# entry point every window test starts from.
set(QT_FOLDER_PATTERNS
  "(^|/)qt/"
  "(^|/)[a-z_]+_qt/"
  "^shared/dialogs/"
  "^shared/desktop/"
  "^tools/helpgen/"
  "^tools/screenshots/"
  "^tests/support/gui_test_main\\.cpp$")

# A link item names Qt when it is one of Qt's imported targets or one of its library
# files.
function(_link_item_is_qt item result)
  if(item MATCHES "^Qt[0-9]*::" OR item MATCHES "(^|/)lib(Qt[0-9]+|qt)[A-Za-z]*\\.")
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

# Whether target lists a source in one of QT_FOLDER_PATTERNS.
function(_target_is_window target result)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(${result} FALSE PARENT_SCOPE)
  if(NOT sources)
    return()
  endif()
  foreach(source IN LISTS sources)
    if(source MATCHES "^\\$<")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE OUTPUT_VARIABLE path)
    cmake_path(RELATIVE_PATH path BASE_DIRECTORY ${CMAKE_SOURCE_DIR})
    foreach(pattern IN LISTS QT_FOLDER_PATTERNS)
      if(path MATCHES "${pattern}")
        set(${result} TRUE PARENT_SCOPE)
        return()
      endif()
    endforeach()
  endforeach()
endfunction()

# Strips the wrappers link lists carry ($<LINK_ONLY:x>, $<BUILD_INTERFACE:x> and the
# ::@(directory-id) markers), so that the walk sees target names.
function(_plain_link_item item result)
  string(REGEX REPLACE "^\\$<(LINK_ONLY|BUILD_INTERFACE):(.*)>$" "\\2" item "${item}")
  string(REGEX REPLACE "^::@\\(.*\\)$" "" item "${item}")
  string(REGEX REPLACE "^::@" "" item "${item}")
  set(${result} "${item}" PARENT_SCOPE)
endfunction()

# Every target that target links, directly or through others, as "name<TAB>path" lines
# where path shows the chain that brought it in.
function(_linked_closure target result)
  set(seen ${target})
  set(queue ${target})
  string(MAKE_C_IDENTIFIER "${target}" key)
  set(chain_${key} ${target})
  set(found "")
  while(queue)
    list(POP_FRONT queue current)
    set(items "")
    get_target_property(type ${current} TYPE)
    get_target_property(imported ${current} IMPORTED)
    if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT imported)
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND items ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND items ${interface})
    endif()
    foreach(raw IN LISTS items)
      _plain_link_item("${raw}" item)
      if(item STREQUAL "" OR item IN_LIST seen)
        continue()
      endif()
      list(APPEND seen "${item}")
      string(MAKE_C_IDENTIFIER "${item}" key)
      string(MAKE_C_IDENTIFIER "${current}" current_key)
      set(chain_${key} "${chain_${current_key}} -> ${item}")
      list(APPEND found "${item}|${chain_${key}}")
      if(TARGET ${item})
        list(APPEND queue ${item})
      endif()
    endforeach()
  endwhile()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

# Every target defined in dir and the folders below it.
function(_targets_below dir result)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    _targets_below(${subdir} below)
    list(APPEND targets ${below})
  endforeach()
  set(${result} ${targets} PARENT_SCOPE)
endfunction()

# Stops the configuration when a core target links Qt or a window target, naming the
# chain of links that brings it in.
function(check_core_links_no_qt)
  _targets_below(${CMAKE_SOURCE_DIR} targets)
  set(window_targets "")
  set(core_targets "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "UTILITY")
      continue()
    endif()
    _target_is_window(${target} is_window)
    if(is_window)
      list(APPEND window_targets ${target})
    else()
      list(APPEND core_targets ${target})
    endif()
  endforeach()

  set(faults "")
  foreach(target IN LISTS core_targets)
    _linked_closure(${target} linked)
    foreach(entry IN LISTS linked)
      string(REPLACE "|" ";" parts "${entry}")
      list(GET parts 0 item)
      list(GET parts 1 chain)
      _link_item_is_qt("${item}" is_qt)
      if(is_qt OR item IN_LIST window_targets)
        string(APPEND faults "\n  ${chain}")
        break()
      endif()
    endforeach()
  endforeach()
  if(faults)
    message(FATAL_ERROR "Core targets link Qt or a window target:${faults}\n"
                        "Move the Qt code into a qt/ folder of its area.")
  endif()
  list(LENGTH core_targets core_count)
  message(STATUS "Qt-free core: ${core_count} core targets link no Qt")
endfunction()
