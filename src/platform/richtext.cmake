# Rich text: the RTF reader and writer, the code pages they decode, and the read-only
# rich-text pane built on them.
target_sources(orvik_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/code_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_pages.h
  ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rtf_reader.h
  ${CMAKE_CURRENT_LIST_DIR}/rtf_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rtf_writer.h
  ${CMAKE_CURRENT_LIST_DIR}/rich_text_pane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rich_text_pane.h)
