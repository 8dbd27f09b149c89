#include "platform/plain_x_message.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/message_boxes.h"

namespace orvik {

namespace {

// Core fonts draw Latin-1; anything else shows as "?".
QByteArray latin1(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) bytes.append(c.unicode() < 256 ? char(c.unicode()) : '?');
  return bytes.left(255);  // the most one text request draws
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
  const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

}  // namespace

bool showPlainXMessage(const QString& title, const QString& text) {
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (!c || xcb_connection_has_error(c)) {
    if (c) xcb_disconnect(c);
    return false;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber && it.rem; ++i) xcb_screen_next(&it);
  xcb_screen_t* screen = it.data;
  if (!screen) {
    xcb_disconnect(c);
    return false;
  }

  const xcb_font_t font = xcb_generate_id(c);
  const char kFont[] = "fixed";
  if (xcb_generic_error_t* error =
          xcb_request_check(c, xcb_open_font_checked(c, font, sizeof kFont - 1, kFont))) {
    std::free(error);
    xcb_disconnect(c);
    return false;
  }
  int charWidth = 6, ascent = 11, descent = 2;
  if (xcb_query_font_reply_t* metrics = xcb_query_font_reply(c, xcb_query_font(c, font), nullptr)) {
    charWidth = std::max<int>(1, metrics->max_bounds.character_width);
    ascent = metrics->font_ascent;
    descent = metrics->font_descent;
    std::free(metrics);
  }

  QList<QByteArray> lines;
  for (const QString& line : messageLines(text).split(QLatin1Char('\n'))) lines << latin1(line);
  lines << QByteArray() << QByteArray("Press a key or click to close.");
  qsizetype widest = 0;
  for (const QByteArray& line : lines) widest = std::max(widest, line.size());
  const int margin = 16, lineHeight = ascent + descent + 2;
  const int width = int(widest) * charWidth + 2 * margin;
  const int height = int(lines.size()) * lineHeight + 2 * margin;

  const xcb_window_t window = xcb_generate_id(c);
  const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_EXPOSURE |
                                                      XCB_EVENT_MASK_KEY_PRESS |
                                                      XCB_EVENT_MASK_BUTTON_PRESS};
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root,
                    int16_t(std::max(0, (screen->width_in_pixels - width) / 2)),
                    int16_t(std::max(0, (screen->height_in_pixels - height) / 2)), uint16_t(width),
                    uint16_t(height), 1, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
  const QByteArray name = latin1(title);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      uint32_t(name.size()), name.constData());
  const char kClass[] = "orvik\0orvik";
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                      sizeof kClass, kClass);
  const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
  const xcb_atom_t deleteWindow = atom(c, "WM_DELETE_WINDOW");
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, protocols, XCB_ATOM_ATOM, 32, 1,
                      &deleteWindow);
  const xcb_gcontext_t gc = xcb_generate_id(c);
  const uint32_t gcValues[] = {screen->black_pixel, screen->white_pixel, font};
  xcb_create_gc(c, gc, window, XCB_GC_FOREGROUND | XCB_GC_BACKGROUND | XCB_GC_FONT, gcValues);
  xcb_map_window(c, window);
  xcb_flush(c);

  for (bool open = true; open;) {
    xcb_generic_event_t* event = xcb_wait_for_event(c);
    if (!event) break;  // the display went away
    switch (event->response_type & 0x7f) {
      case XCB_EXPOSE:
        for (int i = 0; i < lines.size(); ++i)
          xcb_image_text_8(c, uint8_t(lines[i].size()), window, gc, int16_t(margin),
                           int16_t(margin + i * lineHeight + ascent), lines[i].constData());
        xcb_flush(c);
        break;
      case XCB_KEY_PRESS:
      case XCB_BUTTON_PRESS:
        open = false;
        break;
      case XCB_CLIENT_MESSAGE:
        if (reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == deleteWindow)
          open = false;
        break;
      default:
        break;
    }
    std::free(event);
  }
  xcb_free_gc(c, gc);
  xcb_close_font(c, font);
  xcb_destroy_window(c, window);
  xcb_disconnect(c);
  return true;
}

}  // namespace orvik
