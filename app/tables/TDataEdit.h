#pragma once
// The numeric entry field: a single-line edit holding one number. It accepts expressions
// (12*2.5, sqrt(2), pi/4), knows its allowed range and whether only whole numbers are
// allowed, shows its unit in an attached label, and checks the entry when the user leaves
// the field or presses Enter. Failures are told in an information box (TMessageBox) and
// the focus returns to the field.
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>

class TDataEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr long double kDefaultMinVal = -1.18973149535723176E+100L;
  static constexpr long double kDefaultMaxVal = +1.18973149535723176E+100L;

  explicit TDataEdit(QWidget* parent = nullptr);

  // The value of the current text; throws EAssignError when the text does not evaluate.
  long double Number() const;
  // Clamps to [MinVal, MaxVal] and shows the value.
  void SetNumber(long double value);

  long double MinVal() const { return fMinVal; }
  void SetMinVal(long double value);
  long double MaxVal() const { return fMaxVal; }
  void SetMaxVal(long double value);
  bool IntegerOnly() const { return fIntegerOnly; }
  void SetIntegerOnly(bool value);
  bool Hex() const { return fHex; }
  void SetHex(bool value);
  const QString& Caption() const { return fCaption; }
  void SetCaption(const QString& value);
  // The label next to the field; the field manages its text and enabled state and makes
  // itself the label's buddy, so the label's accelerator focuses the field.
  QLabel* EditLabel() const { return fEditLabel; }
  void SetEditLabel(QLabel* label);
  const QString& UnitsString() const { return fUnitsString; }
  void SetUnitsString(const QString& value);
  int Units() const { return fUnits; }
  void SetUnits(int value);  // 1 English, 2 SI, 3 symbolic; clamped into 1..3

  // Runs the exit check and tells whether the entry was taken. Dialogs call it before
  // closing and stay open when it is false.
  bool CloseQuery();
  // Runs the exit check.
  void Evaluate();

  // The text the field shows for a value: "$" and at least four hexadecimal digits with
  // Hex, otherwise the general format with 8 significant digits and the user's separator.
  QString ShownText(long double value) const;

 signals:
  // The exit check ran (the field was left, Enter, CloseQuery, Evaluate); `accepted` tells
  // whether the entry was taken. Windows that copy the number elsewhere listen to this, so
  // they see the checked value (2*3 already shown as 6, a value beyond the range already
  // set to the limit) and never a refused entry.
  void EntryChecked(bool accepted);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ExitCheck();
  void RunExitCheck();
  void ShowFailure(const QString& message);
  void RefreshLabel();
  // The current number when the text evaluates; leaves `value` alone otherwise.
  bool CurrentNumber(long double& value) const;

  long double fMinVal = kDefaultMinVal;
  long double fMaxVal = kDefaultMaxVal;
  bool fIntegerOnly = false;
  bool fHex = false;
  QString fCaption;
  QPointer<QLabel> fEditLabel;
  QString fUnitsString;
  int fUnits = 1;
  bool fOK = false;
  // The entry of the refusal told last, and whether control has been back in the event
  // loop since.
  QString fRefusedText;
  bool fRefusalTold = false;
};
