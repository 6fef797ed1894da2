#pragma once
// The design load (computation method 1): the design load and the type of loading.
#include "TLoadingDialog.h"

class TfrmDesignLoad : public TLoadingDialog {
  Q_OBJECT

 public:
  explicit TfrmDesignLoad(QWidget* parent = nullptr);
  TDataEdit* DataEditL() const { return MainEntry(); }
};
