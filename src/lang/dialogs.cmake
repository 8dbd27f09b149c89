# The settings dialog, the small dialogs and the page entry lists.
target_sources(orvik_lang PRIVATE
  about_box.cpp about_box.h
  exit_dialog.cpp exit_dialog.h
  help_menu.cpp help_menu.h
  help_window.cpp help_window.h
  locate_dialog.cpp locate_dialog.h
  settings_dialog.cpp settings_dialog.h
)
