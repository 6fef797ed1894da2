#pragma once
// The "Size Factor" field: a numeric entry field that says when the user has entered a
// number (the field's own exit check took it: Enter, or leaving the field for another
// control) and when the Up or Down key asks for a step.
#include "TDataEdit.h"

class TSizeFactorEdit : public TDataEdit {
  Q_OBJECT

 public:
  explicit TSizeFactorEdit(QWidget* parent = nullptr);

 signals:
  // The entry was taken: the field holds this number. A refused entry has been reported by
  // the field and says nothing.
  void NumberEntered(long double value);
  // Up (true) or Down (false).
  void StepRequested(bool up);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
