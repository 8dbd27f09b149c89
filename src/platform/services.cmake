# Application services: event pump, program end, message boxes (drawn by the X server itself on a
# display of too few colours, hence xcb), screen metrics, optical discs and the borderless window
# base.
target_sources(orvik_platform PRIVATE
  application.cpp application.h
  borderless_form.cpp borderless_form.h
  event_pump.cpp event_pump.h
  failure.cpp failure.h
  file_paths.cpp file_paths.h
  floating_window.h
  modal_watch.cpp modal_watch.h
  message_boxes.cpp message_boxes.h
  optical_discs.cpp optical_discs.h
  plain_x_message.cpp plain_x_message.h
  pop_ups.cpp pop_ups.h
  screen_metrics.cpp screen_metrics.h
  widget_helpers.h
)
target_link_libraries(orvik_platform PRIVATE PkgConfig::XCB)
