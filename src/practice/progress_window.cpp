#include "practice/progress_window.h"

#include <QDateTime>
#include <QPainter>
#include <algorithm>

#include "controls/orvik_btn98.h"
#include "controls/skin.h"
#include "lang/multi_lang.h"
#include "practice/schedule.h"

namespace {

// By translation index: English, Russian, French, Spanish.
const char* const kTitle[4] = {"Practice: the last 30 days", "Упражнения: последние 30 дней",
                               "Entraînement : les 30 derniers jours",
                               "Práctica: los últimos 30 días"};
const char* const kLearnt[4] = {"words learnt", "выучено слов", "mots appris",
                                "palabras aprendidas"};
const char* const kDue[4] = {"words due", "слов к повтору", "mots à revoir",
                             "palabras para repasar"};

const QColor kBackground{145, 139, 113};
const QColor kLearntColour{96, 150, 40};
const QColor kDueColour{235, 140, 0};

}  // namespace

TfrmPracticeProgress::TfrmPracticeProgress(QWidget* parent)
    : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("frmPracticeProgress"));
  setClientSize(kWidth, kHeight);
  setCaptionStrip(kHeight);
  btnClose = new TOrvikBtn98(this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  btnClose->setGeometry(kWidth - 20, 6, 15, 15);
  connect(btnClose, &TOrvikBtn98::clicked, this, [this] { hide(); });
  hide();
}

void TfrmPracticeProgress::refresh() {
  const QDate today = QDateTime::fromMSecsSinceEpoch(orvik::practice::nowMs()).date();
  const QDate first = today.addDays(-(kDays - 1));
  days_ = store_ ? store_->days(first, today) : QList<orvik::practice::ProgressStore::Day>{};
  if (days_.isEmpty())
    for (QDate d = first; d <= today; d = d.addDays(1)) days_.append({d, 0, 0});
  setAccessibleName(
      QString::fromUtf8(kTitle[std::clamp(int(TBaseMultiLang::currentTranslationIndex()), 0, 3)]));
  update();
}

void TfrmPracticeProgress::showBeside(const QWidget* other) {
  refresh();
  if (other) move(other->frameGeometry().left(), other->frameGeometry().top() - kHeight - 6);
  show();
  raise();
}

void TfrmPracticeProgress::paintEvent(QPaintEvent* event) {
  const int language = std::clamp(int(TBaseMultiLang::currentTranslationIndex()), 0, 3);
  QPainter p(this);
  p.drawPixmap(0, 0, orvik::panelPicture(size(), kBackground));
  p.setPen(orvik::colors::kDeepShadow);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(orvik::colors::kMainBackground);
  p.drawText(QRect(12, 4, kWidth - 40, 18), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(kTitle[language]));

  // The chart's area on the light face, a bar and a dot per day.
  const QRect chart(34, 34, kWidth - 50, kHeight - 84);
  p.fillRect(chart, orvik::colors::kLightFace);
  p.setPen(orvik::colors::kDeepShadow);
  p.drawRect(chart.adjusted(0, 0, -1, -1));
  int most = 1;
  for (const auto& day : days_) most = std::max({most, day.learnt, day.due});
  font.setPixelSize(10);
  font.setBold(false);
  p.setFont(font);
  p.setPen(orvik::colors::kMainBackground);
  p.drawText(QRect(2, chart.top() - 6, 28, 12), Qt::AlignRight, QString::number(most));
  p.drawText(QRect(2, chart.bottom() - 6, 28, 12), Qt::AlignRight, QStringLiteral("0"));
  const int n = std::max<int>(1, int(days_.size()));
  const double step = double(chart.width() - 4) / n;
  const auto yOf = [&](int value) {
    return chart.bottom() - 2 - double(chart.height() - 6) * value / most;
  };
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < days_.size(); ++i) {
    const auto& day = days_[i];
    const double x = chart.left() + 2 + i * step;
    if (day.learnt > 0)
      p.fillRect(QRectF(x + 1, yOf(day.learnt), step - 2, chart.bottom() - 2 - yOf(day.learnt)),
                 kLearntColour);
    if (day.due > 0) {
      p.setPen(Qt::NoPen);
      p.setBrush(kDueColour);
      p.drawEllipse(QPointF(x + step / 2, yOf(day.due)), 3, 3);
    }
    // The first of a month and today get their day's number below the chart.
    if (day.date.day() == 1 || i == 0 || i == days_.size() - 1) {
      p.setPen(orvik::colors::kMainBackground);
      p.drawText(QRectF(x - 6, chart.bottom() + 3, step + 12, 12), Qt::AlignHCenter,
                 QString::number(day.date.day()));
    }
  }
  // The legend.
  p.setRenderHint(QPainter::Antialiasing, false);
  const int legendY = kHeight - 28;
  p.fillRect(QRect(34, legendY + 2, 14, 9), kLearntColour);
  p.setPen(orvik::colors::kMainBackground);
  p.drawText(QRect(54, legendY - 2, 150, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(kLearnt[language]));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kDueColour);
  p.drawEllipse(QPointF(231, legendY + 6.5), 4, 4);
  p.setPen(orvik::colors::kMainBackground);
  p.drawText(QRect(242, legendY - 2, 180, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromUtf8(kDue[language]));
  p.end();
  orvik::BorderlessForm::paintEvent(event);
}
