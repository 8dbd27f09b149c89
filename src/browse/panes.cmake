# The entry panes: the pane control and the entry area of the main window.
target_sources(orvik_browse PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/entry_panes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_panes.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_word.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_word.h
)
