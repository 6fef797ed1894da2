#pragma once
// The factors of safety on the ultimate side friction and on the ultimate base capacity.
#include "TInputDialog.h"

class TfrmSafetyFactor : public TInputDialog {
  Q_OBJECT

 public:
  explicit TfrmSafetyFactor(QWidget* parent = nullptr);
  TDataEdit* DataEdit1() const { return Entries()[0]; }
  TDataEdit* DataEdit2() const { return Entries()[1]; }
};
