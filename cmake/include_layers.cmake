# The include check: every `#include "<folder>/..."` (or `<folder/...>`, or "../<folder>/...") of
# a source folder must name a folder whose library that folder's library links (directly or
# through others). The allowed folders are read from the targets' own link lists, so the check
# mirrors target_link_libraries and cannot drift from it. Test, benchmark and gallery folders
# are checked too, against everything their programs link; a test folder may also include the
# fixtures under tests/.

# The source folders and their libraries.
set(ORVIK_LAYER_FOLDERS
  "src/platform=orvik_platform" "src/controls=orvik_controls" "src/lang=orvik_lang"
  "src/schema=orvik_schema" "src/app=orvik_app" "src/browse=orvik_browse"
  "src/sound=orvik_sound" "src/search=orvik_search" "src/pagelist=orvik_pagelist"
  "src/print=orvik_print" "src/practice=orvik_practice" "src/program=orvik_program"
  "tools/builddict=orvik_builddict_lib")

# Collects the orvik_ libraries `target` links, transitively, into `out`.
function(orvik_linked_libraries target out)
  set(seen ${${out}})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(links ${target} LINK_LIBRARIES)
  endif()
  foreach(lib IN LISTS links)
    if(lib MATCHES "^orvik_" AND TARGET ${lib} AND NOT lib IN_LIST seen)
      list(APPEND seen ${lib})
      orvik_linked_libraries(${lib} seen)
    endif()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The folders checked against all the targets they define (programs and their helpers).
set(ORVIK_PROGRAM_FOLDERS bench tools/gallery)
foreach(dir platform controls lang app program tools browse sound print pagelist search shots
            faults hidpi fuzz a11y practice x11)
  list(APPEND ORVIK_PROGRAM_FOLDERS tests/${dir})
endforeach()

# Collects every folder the build has added under `dir` into `out`.
function(orvik_added_folders dir out)
  set(found ${${out}})
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    list(APPEND found ${sub})
    orvik_added_folders(${sub} found)
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Appends to `out` the line of a folder: the folder, "=", the folders its libraries stand in.
function(orvik_layer_line folder libs out)
  set(allowed "")
  foreach(lib IN LISTS libs)
    string(REGEX REPLACE "^orvik_" "" name "${lib}")
    list(APPEND allowed ${name})
  endforeach()
  set(${out} "${${out}}${folder}=${allowed}\n" PARENT_SCOPE)
endfunction()

# Writes the allowed include folders of each source folder and registers the check with CTest.
function(orvik_add_include_check)
  set(content "")
  set(added "")
  orvik_added_folders(${CMAKE_SOURCE_DIR} added)
  foreach(folder IN LISTS ORVIK_PROGRAM_FOLDERS)
    # A build without benchmarks (the sanitizer build) has no bench folder to check.
    if(NOT ${CMAKE_SOURCE_DIR}/${folder} IN_LIST added)
      continue()
    endif()
    get_property(targets DIRECTORY ${CMAKE_SOURCE_DIR}/${folder} PROPERTY BUILDSYSTEM_TARGETS)
    set(libs "")
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "UTILITY")
        continue()
      endif()
      orvik_linked_libraries(${target} libs)
    endforeach()
    orvik_layer_line(${folder} "${libs}" content)
  endforeach()
  foreach(pair IN LISTS ORVIK_LAYER_FOLDERS)
    string(REPLACE "=" ";" parts "${pair}")
    list(GET parts 0 folder)
    list(GET parts 1 target)
    set(libs ${target})
    orvik_linked_libraries(${target} libs)
    orvik_layer_line(${folder} "${libs}" content)
  endforeach()
  file(WRITE ${CMAKE_BINARY_DIR}/include_layers.txt "${content}")
  add_test(NAME include_layers
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
            -DLAYERS=${CMAKE_BINARY_DIR}/include_layers.txt
            -P ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake)
endfunction()
