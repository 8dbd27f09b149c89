#pragma once
// Modal message boxes with one OK button. Texts mark line breaks with "\r", as the program's own
// messages are written; the boxes show them as lines. An interface so that tests can read what
// the program would have said without a modal box blocking them.

#include <QList>
#include <QString>

namespace orvik {

enum class MessageKind { Warning, Information };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows text and returns when the user has pressed OK.
  virtual void show(MessageKind kind, const QString& text) = 0;
  // Shows a warning with the buttons Abort and Retry; true when the user chose Retry.
  virtual bool warnAbortRetry(const QString& text) = 0;
};

// Real modal boxes (QMessageBox), titled with the application name.
class QtMessageBoxes final : public MessageBoxes {
 public:
  void show(MessageKind kind, const QString& text) override;
  bool warnAbortRetry(const QString& text) override;
};

// Keeps every message instead of showing it.
class RecordingMessageBoxes final : public MessageBoxes {
 public:
  struct Message {
    MessageKind kind;
    QString text;
  };
  void show(MessageKind kind, const QString& text) override { messages.append({kind, text}); }
  // Keeps the warning and answers with the next of `retryAnswers` (Abort when none is left).
  bool warnAbortRetry(const QString& text) override {
    messages.append({MessageKind::Warning, text});
    return !retryAnswers.isEmpty() && retryAnswers.takeFirst();
  }
  QList<Message> messages;
  QList<bool> retryAnswers;
};

// The text as lines: every "\r" (with or without a following "\n") becomes "\n".
QString messageLines(const QString& text);

}  // namespace orvik
