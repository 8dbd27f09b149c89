#pragma once
// TOrvikWord: the entry pane. A read-only rich-text pane bound to a field of the current record
// of a table through a data source: when the record or the table's state changes it shows the
// field again. A memo field is read as rich text with the article's standard size "\fs18"
// rewritten to FontSize; any other field is shown as plain text.
//
// It promises:
//  - the pane follows its data source until the source is destroyed, and then shows nothing;
//  - no field (no source, no table, a closed table, an unknown field name) shows nothing;
//  - a table-engine failure while reading leaves the pane empty and is reported once through
//    databaseFailed(), never thrown out of a handler;
//  - contentReplaced() fires once each time the whole text is replaced or emptied (a load, a
//    clear), not for every piece of text the reader inserts.

#include <QPointer>
#include <QString>

#include "platform/data_source.h"
#include "platform/rich_text_pane.h"
#include "platform/table.h"

class TOrvikWord : public RichTextPane {
  Q_OBJECT
  Q_PROPERTY(QString DataField READ DataField WRITE setDataField)
  Q_PROPERTY(bool AutoDisplay READ AutoDisplay WRITE setAutoDisplay)
  Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize)

 public:
  explicit TOrvikWord(QWidget* parent = nullptr);

  // The data source whose table supplies the text. Setting another source (or none) shows the
  // new source's current record at once; setting the same source again does nothing.
  orvik::DataSource* DataSource() const { return source_; }
  void setDataSource(orvik::DataSource* source);
  // The field's name (case-insensitive). Setting another name shows that field at once.
  QString DataField() const { return field_; }
  void setDataField(const QString& field);
  // True (the default): a change of record loads the memo at once. Turning it on loads.
  bool AutoDisplay() const { return autoDisplay_; }
  void setAutoDisplay(bool on);
  // The point size the standard size "\fs18" becomes on loading; 9 (the default) loads the
  // article unchanged. Setting only stores; changeFontSize() also reloads.
  int FontSize() const { return fontSize_; }
  void setFontSize(int size) { fontSize_ = size; }

  // Set while the text shown is the loaded field of the current record.
  bool loaded() const { return loaded_; }

  // What the data link calls when the record, the field or the state changed.
  void DataChange();
  // Loads the memo of the current record as rich text; does nothing while loaded() is set, or
  // with no memo field bound.
  virtual void LoadMemo();
  // Clears the loaded flag and loads again (after the font sizes are set at start).
  void reload();
  // Shows an article given as rich text, at the pane's font size, as if its table had loaded
  // it (a pane without a data source: printing gathers articles read by value this way).
  void showArticle(const QByteArray& rtf);
  // The settings dialog's change: sets FontSize and, if the pane is visible and holds text,
  // reloads the article at the new size.
  void changeFontSize(int size);
  // Empties the pane (the loaded flag is cleared, the binding stays).
  void clearText();

  // Lays the text out at the pane's current size even while the pane is hidden (a hidden
  // widget hears of its new size only when shown), so line counts and positions are those
  // the user will see.
  void settleLayout();

  // The table behind the data source, or null.
  orvik::Table* table() const;

 signals:
  // The whole text was replaced or emptied.
  void contentReplaced();
  // A key went down or up in the pane (after the pane handled it).
  void keyActivity();
  // A right-button press at `pos` (pane coordinates), after the pane took the focus.
  void rightPressed(QPoint pos);
  // The mouse moved over the pane.
  void mouseMovedOver();
  // Reading the table failed; the pane was left empty.
  void databaseFailed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The bound field's position in the table, or -1 when there is no usable field.
  int fieldPosition() const;
  void setPlainContent(const QString& text);
  void sourceDestroyed();

  QPointer<orvik::DataSource> source_;
  QString field_;
  bool autoDisplay_ = true;
  int fontSize_ = 9;
  bool loaded_ = false;
  bool replacing_ = false;
};
