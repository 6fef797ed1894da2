#pragma once
// The option of printing t-z curves (a modal dialog): whether internally generated t-z
// curves are printed at the depths of the t-z print depth table, and that table.
#include <QDialog>

#include "TDialogHost.h"

class QCheckBox;
class QPushButton;

class TDlgTZPrint : public QDialog {
  Q_OBJECT

 public:
  explicit TDlgTZPrint(const TDialogHost& host, QWidget* parent = nullptr);

  // Loads the check box from the document and runs the dialog; the document holds the
  // choice when it returns.
  int Execute();

  // Activation and the write-back (on close and when the dialog loses the focus).
  void FormActivate();
  void FormDeactivate();

  QCheckBox* ChkPrint() const { return fPrint; }
  QPushButton* EditDepths() const { return fEditDepths; }

  void EditDepthsClick();
  void CloseClick();

 protected:
  void done(int result) override;

 private:
  void UpdateEnabling();

  TDialogHost fHost;
  QCheckBox* fPrint;
  QPushButton* fEditDepths;
};

// Shows the option of printing t-z curves over `parent`.
void ShowTZPrintOptions(const TDialogHost& host, QWidget* parent);
