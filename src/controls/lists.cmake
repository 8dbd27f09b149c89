# The chapter tab strip, the list controls and the radio group.
target_sources(orvik_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/list_box_base.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_box_base.h
  ${CMAKE_CURRENT_LIST_DIR}/list_with_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_with_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/new_list_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_list_box.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_chapter_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_chapter_list.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_list_box.h
  ${CMAKE_CURRENT_LIST_DIR}/radio_group.cpp
  ${CMAKE_CURRENT_LIST_DIR}/radio_group.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_zakladka.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_zakladka.h
  ${CMAKE_CURRENT_LIST_DIR}/tab_skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tab_skin.h
)
