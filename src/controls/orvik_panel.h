#pragma once
// TOrvikPanel: the skinned panel that holds controls and serves as pop-up menus. Like a
// classic panel it has an outer and an inner bevel, a border, a caption and a colour, but its
// bevel colours are its own (clHighlight on the lit edges, clShadow on the others) and it
// draws a background Picture at the top-left of its inner area. Other windows draw on that
// picture (picture()) and repaint the panel.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class TOrvikPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
 public:
  enum Bevel { bvNone, bvLowered, bvRaised };

  explicit TOrvikPanel(QWidget* parent = nullptr);

  // The background picture, owned by the panel. Setting it copies and repaints; windows that
  // draw on it use picture() and call update().
  const QPixmap& Picture() const { return picture_; }
  QPixmap& picture() { return picture_; }
  void setPicture(const QPixmap& picture);

  // Bevel colours; setting only stores (they show at the next repaint).
  QColor clShadow() const { return shadow_; }
  void setClShadow(const QColor& color) { shadow_ = color; }
  QColor clHighlight() const { return highlight_; }
  void setClHighlight(const QColor& color) { highlight_ = color; }

  // Panel colour, (238,230,201) at first.
  QColor Color() const { return color_; }
  void setColor(const QColor& color);

  Bevel BevelOuter() const { return bevelOuter_; }
  void setBevelOuter(Bevel bevel);
  Bevel BevelInner() const { return bevelInner_; }
  void setBevelInner(Bevel bevel);
  int BevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int width);
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int width);

  // The caption, vertically centred, placed across by Alignment (left, right or centre);
  // the caption's colour is fontColor, its font the widget's font.
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  Qt::Alignment Alignment() const { return alignment_; }
  void setAlignment(Qt::Alignment alignment);
  QColor fontColor() const { return fontColor_; }
  void setFontColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QColor shadow_{123, 115, 92};
  QColor highlight_{252, 248, 232};
  QColor color_{238, 230, 201};
  Bevel bevelOuter_ = bvRaised;
  Bevel bevelInner_ = bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignHCenter;
  QColor fontColor_{0, 0, 0};
};
