#pragma once
// The control options: end bearing in sands, the output increment, plotting by elevation,
// the external text editor and the printing of additional t-z curves.
//
// Every deactivation writes back without the entry check (the close checks first). The text
// editor is a setting of the program, not of the document: it goes to the host.
#include "TDialogHost.h"
#include "TInputDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TDlgOptions : public TInputDialog {
  Q_OBJECT

 public:
  explicit TDlgOptions(const TDialogHost& host, QWidget* parent = nullptr);

  QRadioButton* RadioButton1() const { return fInterpolate; }
  QRadioButton* RadioButton2() const { return fMaximum; }
  TDataEdit* DataEdit1() const { return fIncrement; }
  QCheckBox* CheckBox2() const { return fUseElevation; }
  TDataEdit* DataEdit2() const { return fElevation; }
  QLineEdit* EdtWord() const { return fWord; }
  QCheckBox* ChkPrint() const { return fPrint; }
  QPushButton* EditDepths() const { return fEditDepths; }

  // "&Browse...": a program file for the text editor.
  void BrowseClick();
  // "Edit Depths": the t-z print depth table.
  void EditDepthsClick();

 protected:
  void LoadValues() override;
  bool StoreValues() override;
  void UpdateEnabling() override;
  bool ChecksOnDeactivate() const override { return false; }

 private:
  TDialogHost fHost;
  QRadioButton* fInterpolate;
  QRadioButton* fMaximum;
  TDataEdit* fIncrement;
  QCheckBox* fUseElevation;
  TDataEdit* fElevation;
  QLineEdit* fWord;
  QPushButton* fBrowse;
  QCheckBox* fPrint;
  QPushButton* fEditDepths;
};
