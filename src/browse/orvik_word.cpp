#include "browse/orvik_word.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/data_source.h"
#include "platform/db_error.h"
#include "platform/table.h"

TOrvikWord::TOrvikWord(QWidget* parent) : RichTextPane(parent) {
  setReadOnly(true);
  // A selection stays visible while another control has the focus.
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QPalette pal = palette();
  pal.setColor(QPalette::Inactive, QPalette::Highlight,
               pal.color(QPalette::Active, QPalette::Highlight));
  pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
               pal.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(pal);
  // An empty pane has nothing to select: it shows no caret either.
  setCursorWidth(0);
  connect(this, &QTextEdit::textChanged, this, [this] {
    setCursorWidth(document()->isEmpty() ? 0 : 1);
    if (!replacing_) emit contentReplaced();
  });
}

void TOrvikWord::setDataSource(orvik::DataSource* source) {
  if (source_ == source) return;
  if (source_) disconnect(source_, nullptr, this, nullptr);
  source_ = source;
  if (source) {
    connect(source, &orvik::DataSource::dataChanged, this, &TOrvikWord::DataChange);
    // A table that opens announces its record too; only a field that went away needs the
    // state change itself.
    connect(source, &orvik::DataSource::stateChanged, this, [this] {
      if (fieldPosition() < 0) DataChange();
    });
    connect(source, &QObject::destroyed, this, &TOrvikWord::sourceDestroyed);
  }
  DataChange();
}

void TOrvikWord::sourceDestroyed() {
  // The QPointer is already null; what is shown no longer has a source.
  source_ = nullptr;
  DataChange();
}

void TOrvikWord::setDataField(const QString& field) {
  if (field_ == field) return;
  field_ = field;
  DataChange();
}

void TOrvikWord::setAutoDisplay(bool on) {
  if (autoDisplay_ == on) return;
  autoDisplay_ = on;
  if (on) LoadMemo();
}

orvik::Table* TOrvikWord::table() const {
  return source_ ? source_->dataSet() : nullptr;
}

int TOrvikWord::fieldPosition() const {
  orvik::Table* t = table();
  if (!t || field_.isEmpty() || !t->active()) return -1;
  return t->fieldIndex(field_);
}

void TOrvikWord::setPlainContent(const QString& text) {
  replacing_ = true;
  setPlainText(text);
  replacing_ = false;
  emit contentReplaced();
}

void TOrvikWord::clearText() {
  loaded_ = false;
  setPlainContent(QString());
}

void TOrvikWord::DataChange() {
  const int position = fieldPosition();
  if (position < 0) {
    loaded_ = false;
    setPlainContent(QString());
    return;
  }
  orvik::Table* t = table();
  if (t->fieldType(position) != orvik::FieldType::Memo) {
    QString text;
    try {
      if (!t->isEmpty()) text = t->textValue(position);
    } catch (const orvik::DbError&) {
      loaded_ = false;
      setPlainContent(QString());
      emit databaseFailed();
      return;
    }
    setPlainContent(text);
    loaded_ = true;
    return;
  }
  if (autoDisplay_ || loaded_) {
    loaded_ = false;
    LoadMemo();
  } else {
    setPlainContent(QString());
  }
}

void TOrvikWord::LoadMemo() {
  const int position = fieldPosition();
  if (loaded_ || position < 0) return;
  orvik::Table* t = table();
  if (t->fieldType(position) != orvik::FieldType::Memo) return;
  QByteArray rtf;
  try {
    if (!t->isEmpty()) rtf = t->memo(t->fieldNames().at(position));
  } catch (const orvik::DbError&) {
    setPlainContent(QString());
    emit databaseFailed();
    return;
  }
  showArticle(rtf);
}

void TOrvikWord::showArticle(const QByteArray& article) {
  QByteArray rtf = article;
  if (fontSize_ != 9) rtf = rewriteStandardSize(rtf, fontSize_);
  replacing_ = true;
  loadRtf(rtf);
  replacing_ = false;
  loaded_ = true;
  emit contentReplaced();
}

void TOrvikWord::settleLayout() {
  // The pane's own resize places the viewport; the viewport's resize lays the text out.
  for (QWidget* widget : {static_cast<QWidget*>(this), viewport()}) {
    if (!widget->testAttribute(Qt::WA_PendingResizeEvent)) continue;
    QResizeEvent event(widget->size(), QSize());
    QCoreApplication::sendEvent(widget, &event);
    widget->setAttribute(Qt::WA_PendingResizeEvent, false);
  }
}

void TOrvikWord::reload() {
  loaded_ = false;
  LoadMemo();
}

void TOrvikWord::changeFontSize(int size) {
  fontSize_ = size;
  if (isVisible() && !isEmpty()) reload();
}

void TOrvikWord::keyPressEvent(QKeyEvent* event) {
  // The pane is read-only, but copying and selecting all are its own keys.
  if (event->matches(QKeySequence::Copy)) {
    copy();
    event->accept();
  } else if (event->matches(QKeySequence::SelectAll)) {
    selectAll();
    event->accept();
  } else {
    RichTextPane::keyPressEvent(event);
  }
  emit keyActivity();
}

void TOrvikWord::keyReleaseEvent(QKeyEvent* event) {
  RichTextPane::keyReleaseEvent(event);
  emit keyActivity();
}

void TOrvikWord::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::RightButton) {
    event->accept();
    emit rightPressed(event->position().toPoint());
    return;
  }
  RichTextPane::mousePressEvent(event);
}

void TOrvikWord::mouseMoveEvent(QMouseEvent* event) {
  RichTextPane::mouseMoveEvent(event);
  emit mouseMovedOver();
}
