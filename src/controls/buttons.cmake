# Bitmap buttons, panels, hint windows, scroll bar, track bar, progress bar, the dialog frame
# and the skin they are drawn with.
target_sources(orvik_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/button_fit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_fit.h
  ${CMAKE_CURRENT_LIST_DIR}/accessibility.cpp
  ${CMAKE_CURRENT_LIST_DIR}/accessibility.h
  ${CMAKE_CURRENT_LIST_DIR}/cursors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cursors.h
  ${CMAKE_CURRENT_LIST_DIR}/dialog_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_frame.h
  ${CMAKE_CURRENT_LIST_DIR}/focus_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/focus_frame.h
  ${CMAKE_CURRENT_LIST_DIR}/hint_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hint_windows.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_btn98.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_btn98.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_btn_nav.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_btn_nav.h
  ${CMAKE_CURRENT_LIST_DIR}/osb_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/osb_button.h
  ${CMAKE_CURRENT_LIST_DIR}/skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin.h
  ${CMAKE_CURRENT_LIST_DIR}/skin_painting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_painting.h
)
target_sources(orvik_controls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/orvik_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_progress_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_progress_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_scroll_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_scroll_bar.h
  ${CMAKE_CURRENT_LIST_DIR}/orvik_track_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/orvik_track_bar.h
)
