#pragma once
// The shaft length (computation method 2): the proposed length and the type of loading.
#include "TLoadingDialog.h"

class TfrmPenetration : public TLoadingDialog {
  Q_OBJECT

 public:
  explicit TfrmPenetration(QWidget* parent = nullptr);
  TDataEdit* DataEdit1() const { return MainEntry(); }
};
