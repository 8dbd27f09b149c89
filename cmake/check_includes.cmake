# Run by CTest: fails when a file of a source folder includes a header of a folder its library
# does not link. LAYERS lists "folder=allowed;names" per line; SOURCE_DIR is the project.
# Includes are read in every spelling that reaches a project folder: "folder/...",
# <folder/...> and "../folder/..."; a test folder's includes that name a file under tests/
# are its fixtures.
cmake_minimum_required(VERSION 3.25)
set(project_folders platform controls lang schema app browse sound search pagelist print practice
    program builddict)
file(STRINGS ${LAYERS} lines)
set(problems 0)
foreach(line IN LISTS lines)
  string(FIND "${line}" "=" eq)
  string(SUBSTRING "${line}" 0 ${eq} folder)
  math(EXPR start "${eq} + 1")
  string(SUBSTRING "${line}" ${start} -1 allowed)
  string(REPLACE "builddict_lib" "builddict" allowed "${allowed}")
  file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(f IN LISTS files)
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]+[\"<](\\.\\./)*[a-z_]+/")
    foreach(inc IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+[\"<]((\\.\\./)*)([a-z_]+)/([^\">]*).*"
                           "\\3" used "${inc}")
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+[\"<]((\\.\\./)*)([a-z_]+)/([^\">]*).*"
                           "\\3/\\4" path "${inc}")
      string(REGEX MATCH "^[ \t]*#[ \t]*include[ \t]+<" angled "${inc}")
      # A system header in angle brackets (<sqlcipher/sqlite3.h>, <benchmark/benchmark.h>) is
      # not ours.
      if(angled AND NOT used IN_LIST project_folders)
        continue()
      endif()
      if(folder MATCHES "^tests/" AND EXISTS ${SOURCE_DIR}/tests/${path})
        continue()
      endif()
      if(used STREQUAL "builddict" AND "builddict" IN_LIST allowed)
        continue()
      endif()
      if(NOT used IN_LIST allowed)
        file(RELATIVE_PATH rel ${SOURCE_DIR} ${f})
        message("${rel}: includes \"${used}/...\", but ${folder} may use only: ${allowed}")
        math(EXPR problems "${problems} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(problems GREATER 0)
  message(FATAL_ERROR "${problems} include(s) reach a folder the library does not link")
endif()
message("Every include stays within the folders its library links.")
