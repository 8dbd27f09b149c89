#pragma once
// The disc-locate dialog, shown when the dictionary's data is found neither beside the program
// nor on a disc. OK closes it only when the location check now finds the data; Cancel and the
// close button end the program. Its texts are Russian only.

#include <QComboBox>
#include <QLabel>
#include <functional>

#include "platform/borderless_form.h"

class TOrvikBtn98;

class TfrmLocate : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  // dataFound: the location check to run on OK. drives: what the drive selector offers.
  TfrmLocate(std::function<bool()> dataFound, const QStringList& drives, QWidget* parent = nullptr);

  // Shows the dialog modally; true when the data was found, false when the user gave up.
  bool execute();

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QComboBox* DriveComboBox1;
  TOrvikBtn98* btnOk;
  TOrvikBtn98* btnCancel;
  TOrvikBtn98* OrvikBtn981;

  void btnOkClick();
  void btnCancelClick();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<bool()> dataFound_;
};
