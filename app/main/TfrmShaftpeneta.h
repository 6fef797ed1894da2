#pragma once
// The drilled-shaft properties: the range of diameters, the bell, the portions without side
// friction and the shaft's modulus, with an explanatory picture and a fixed note.
#include "TInputDialog.h"

class TfrmShaftpeneta : public TInputDialog {
  Q_OBJECT

 public:
  explicit TfrmShaftpeneta(QWidget* parent = nullptr);

  // DataEdit1 .. DataEdit7, in the order of InputDialogFields::ShaftProperties.
  TDataEdit* DataEdit(int index) const { return Entries()[std::size_t(index)]; }

 protected:
  void UpdateEnabling() override;
};
