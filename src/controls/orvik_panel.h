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
  const QPixmap& Picture() const { return m_picture; }
  QPixmap& picture() { return m_picture; }
  void setPicture(const QPixmap& picture);

  // Bevel colours; setting only stores (they show at the next repaint).
  QColor clShadow() const { return m_shadow; }
  void setClShadow(const QColor& color) { m_shadow = color; }
  QColor clHighlight() const { return m_highlight; }
  void setClHighlight(const QColor& color) { m_highlight = color; }

  // Panel colour, (238,230,201) at first.
  QColor Color() const { return m_color; }
  void setColor(const QColor& color);

  Bevel BevelOuter() const { return m_bevelOuter; }
  void setBevelOuter(Bevel bevel);
  Bevel BevelInner() const { return m_bevelInner; }
  void setBevelInner(Bevel bevel);
  int BevelWidth() const { return m_bevelWidth; }
  void setBevelWidth(int width);
  int BorderWidth() const { return m_borderWidth; }
  void setBorderWidth(int width);

  // The caption, vertically centred, placed across by Alignment (left, right or centre);
  // the caption's colour is fontColor, its font the widget's font.
  QString Caption() const { return m_caption; }
  void setCaption(const QString& caption);
  Qt::Alignment Alignment() const { return m_alignment; }
  void setAlignment(Qt::Alignment alignment);
  QColor fontColor() const { return m_fontColor; }
  void setFontColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap m_picture;
  QColor m_shadow{123, 115, 92};
  QColor m_highlight{252, 248, 232};
  QColor m_color{238, 230, 201};
  Bevel m_bevelOuter = bvRaised;
  Bevel m_bevelInner = bvNone;
  int m_bevelWidth = 1;
  int m_borderWidth = 0;
  QString m_caption;
  Qt::Alignment m_alignment = Qt::AlignHCenter;
  QColor m_fontColor{0, 0, 0};
};
