#pragma once
// The water table: the depth of the water table.
#include "TInputDialog.h"

class TfrmWaterDepth : public TInputDialog {
  Q_OBJECT

 public:
  explicit TfrmWaterDepth(QWidget* parent = nullptr);
  TDataEdit* DataEdit1() const { return Entries()[0]; }
};
