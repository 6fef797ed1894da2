#pragma once
// The project title window: one line of text for the project description.
#include "TInputDialog.h"

class QLineEdit;

class TdlgTitle : public TInputDialog {
  Q_OBJECT

 public:
  explicit TdlgTitle(QWidget* parent = nullptr);

  QLineEdit* TitleEdit() const { return fTitle; }

 protected:
  void LoadValues() override;
  bool StoreValues() override;

 private:
  QLineEdit* fTitle;
};
