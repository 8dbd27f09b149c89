# Run by CTest: fails when a source file differs from what clang-format makes of it with the
# project's .clang-format. SOURCE_DIR is the project, CLANG_FORMAT the program.
cmake_minimum_required(VERSION 3.25)
file(GLOB_RECURSE files
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
  ${SOURCE_DIR}/packaging/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message("${errors}")
  message(FATAL_ERROR "Some files are not formatted: run clang-format -i on them.")
endif()
message("Every source file is formatted.")
