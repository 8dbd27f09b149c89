# Application services: event pump, program end, message boxes, screen metrics, optical discs and
# the borderless window base.
target_sources(orvik_platform PRIVATE
  application.cpp application.h
  borderless_form.cpp borderless_form.h
  event_pump.cpp event_pump.h
  file_paths.cpp file_paths.h
  modal_watch.cpp modal_watch.h
  message_boxes.cpp message_boxes.h
  optical_discs.cpp optical_discs.h
  pop_ups.cpp pop_ups.h
  screen_metrics.cpp screen_metrics.h
)
