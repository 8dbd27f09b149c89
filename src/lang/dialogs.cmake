# The settings dialog, the small dialogs and the page entry lists.
target_sources(orvik_lang PRIVATE
  locate_dialog.cpp locate_dialog.h
  page_entry_lists.cpp page_entry_lists.h
  settings_dialog.cpp settings_dialog.h
  small_dialogs.cpp small_dialogs.h
)
