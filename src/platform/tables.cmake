# The table engine: encrypted table files on SQLCipher, their cursors and writer.
target_sources(orvik_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/db_error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/db_error.h
  ${CMAKE_CURRENT_LIST_DIR}/database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database.h
  ${CMAKE_CURRENT_LIST_DIR}/table_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_file.h
  ${CMAKE_CURRENT_LIST_DIR}/table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table.h
  ${CMAKE_CURRENT_LIST_DIR}/data_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_source.h
  ${CMAKE_CURRENT_LIST_DIR}/table_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_writer.h)
