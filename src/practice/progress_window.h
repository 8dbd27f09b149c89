#pragma once
// TfrmPracticeProgress: the learner's last 30 days as a chart drawn in the skin: per day, the
// words learnt (that reached the box of known words) as bars, and the words falling due as a
// line of dots. It reads the progress store when shown and never writes it.

#include <QList>

#include "platform/borderless_form.h"
#include "practice/progress_store.h"

class TOrvikBtn98;

class TfrmPracticeProgress : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 440;
  static constexpr int kHeight = 250;
  static constexpr int kDays = 30;

  explicit TfrmPracticeProgress(QWidget* parent = nullptr);

  // The store read (not owned; null shows an empty chart).
  void setStore(const orvik::practice::ProgressStore* store) { store_ = store; }
  // Reads the last 30 days up to the practice clock's today, shows the window beside `other`.
  void showBeside(const QWidget* other);
  void refresh();
  const QList<orvik::practice::ProgressStore::Day>& days() const { return days_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const orvik::practice::ProgressStore* store_ = nullptr;
  QList<orvik::practice::ProgressStore::Day> days_;
  TOrvikBtn98* btnClose;
};
