#pragma once
// FocusFrame: shows which control has the keyboard focus. The skinned controls draw no focus
// cue of their own, so a keyboard user could not tell where a key would go: the frame lays a
// dotted rectangle in the skin's text colour over the focused control (a bitmap button, a list,
// a bar, an entry pane), on top of whatever the control paints, and takes it away when the
// focus leaves. Like the keyboard cues of classic desktops it shows once the keyboard is in
// use: when the focus arrives by Tab, Shift+Tab or a shortcut, or a key is pressed in the
// focused control; a control focused by a mouse click shows no frame until then, so working
// with the mouse looks exactly as before. The frame takes no mouse input and no focus.

#include <QObject>
#include <QPointer>

class QWidget;

class FocusFrame : public QObject {
  Q_OBJECT

 public:
  // Installs the one frame of the program (later calls do nothing); it lives as long as the
  // application object.
  static void install();
  static FocusFrame* instance();

  // The control the frame stands on now, or null.
  QWidget* framedControl() const;
  // Whether the frame would stand on `control` when it has the focus.
  static bool frames(const QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit FocusFrame(QObject* parent);
  void attach(QWidget* control);
  void detach();

  QPointer<QWidget> ring_;
  // Whether the user's last input was a key: a control hidden under the focus after a click
  // passes the focus on as Tab would, which is no keyboard use.
  bool keyboardInUse_ = false;
};
