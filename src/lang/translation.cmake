# The translation component, the language-name tables and the interface font sets.
target_sources(orvik_lang PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/font_sets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/font_sets.h
  ${CMAKE_CURRENT_LIST_DIR}/item_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_lists.h
  ${CMAKE_CURRENT_LIST_DIR}/language_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/multi_lang.cpp
  ${CMAKE_CURRENT_LIST_DIR}/multi_lang.h
)
