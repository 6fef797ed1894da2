#pragma once
// Multiple shaft lengths: whether several lengths are evaluated for the specified diameter,
// and their range. Deactivation writes back without the entry check; the close checks first.
#include "TInputDialog.h"

class QCheckBox;

class TfrmVaryLength : public TInputDialog {
  Q_OBJECT

 public:
  explicit TfrmVaryLength(QWidget* parent = nullptr);

  QCheckBox* CheckBox1() const { return fEvaluate; }
  // DataEdit1 .. DataEdit3: maximum, minimum, increment.
  TDataEdit* DataEdit(int index) const { return Entries()[std::size_t(index)]; }

 protected:
  void UpdateEnabling() override;
  bool ChecksOnDeactivate() const override { return false; }

 private:
  QCheckBox* fEvaluate;
};
