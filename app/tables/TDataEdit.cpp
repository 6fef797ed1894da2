#include "TDataEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "EAssignError.h"
#include "Expression.h"
#include "NumberText.h"
#include "TMessageBox.h"
#include "Units.h"

namespace {

const char* const kMsgMustBeInteger = "Entry must be an integer.";
const char* const kMsgMustBeValidInteger = "Entry must be a valid integer.";
const char* const kMsgAtLeast = "Entry must be greater than or equal to ";
const char* const kMsgAtMost = "Entry must be less than or equal to ";

constexpr long double kInt32Min = -2147483648.0L;
constexpr long double kInt32Max = 2147483647.0L;
// Values shown in hexadecimal must fit a 64-bit integer once rounded.
constexpr long double kHexLimit = 9223372036854775807.0L;

constexpr int kShownDigits = 8;

// Set while a field tells a failure and takes the focus back: the focus changes this
// causes must not start the check of another field, or two fields with bad entries would
// hand the focus back and forth for ever.
int gTellingFailure = 0;

}  // namespace

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent) {
  setText(QStringLiteral("0"));
}

long double TDataEdit::Number() const { return EvaluateExpression(text()); }

bool TDataEdit::CurrentNumber(long double& value) const {
  try {
    value = Number();
    return true;
  } catch (const EAssignError&) {
    return false;
  }
}

void TDataEdit::SetNumber(long double value) {
  if (std::isnan(value)) value = 0;
  value = std::clamp(value, fMinVal, fMaxVal);
  setText(ShownText(value));
}

void TDataEdit::SetMaxVal(long double value) {
  fMaxVal = std::max(value, fMinVal);
  if (fIntegerOnly) fMaxVal = std::clamp(fMaxVal, kInt32Min, kInt32Max);
  long double current = 0;
  if (CurrentNumber(current) && current > fMaxVal) SetNumber(fMaxVal);
}

void TDataEdit::SetMinVal(long double value) {
  fMinVal = std::min(value, fMaxVal);
  if (fIntegerOnly) fMinVal = std::clamp(fMinVal, kInt32Min, kInt32Max);
  long double current = 0;
  if (CurrentNumber(current) && current < fMinVal) SetNumber(fMinVal);
}

void TDataEdit::SetIntegerOnly(bool value) {
  fIntegerOnly = value;
  if (fIntegerOnly) {
    SetMaxVal(fMaxVal);
    SetMinVal(fMinVal);
  }
}

void TDataEdit::SetHex(bool value) {
  long double current = 0;
  const bool known = CurrentNumber(current);
  fHex = value;
  if (known) setText(ShownText(current));
}

void TDataEdit::SetCaption(const QString& value) {
  fCaption = value;
  RefreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
  fEditLabel = label;
  if (fEditLabel) fEditLabel->setBuddy(this);
  RefreshLabel();
}

void TDataEdit::SetUnitsString(const QString& value) {
  fUnitsString = value;
  RefreshLabel();
}

void TDataEdit::SetUnits(int value) {
  fUnits = std::clamp(value, kUnitsEnglish, kUnitsSymbolic);
  RefreshLabel();
}

void TDataEdit::RefreshLabel() {
  if (!fEditLabel) return;
  if (fUnitsString.isEmpty())
    fEditLabel->setText(fCaption);
  else
    fEditLabel->setText(fCaption + QStringLiteral(" (") + UnitLabelName(fUnitsString, fUnits) +
                        QStringLiteral(")"));
  fEditLabel->setEnabled(isEnabled());
}

QString TDataEdit::ShownText(long double value) const {
  if (fHex && std::isfinite(value) && std::fabs(value) <= kHexLimit) {
    const auto whole = static_cast<std::int64_t>(std::llround(value));
    const auto magnitude = whole < 0 ? -static_cast<std::uint64_t>(whole)
                                     : static_cast<std::uint64_t>(whole);
    const QString digits =
        QString::number(magnitude, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return (whole < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + digits;
  }
  return FormatGeneral(value, kShownDigits, UserDecimalPoint());
}

bool TDataEdit::CloseQuery() {
  ExitCheck();
  return fOK;
}

void TDataEdit::Evaluate() { ExitCheck(); }

void TDataEdit::ExitCheck() {
  RunExitCheck();
  emit EntryChecked(fOK);
}

void TDataEdit::RunExitCheck() {
  fOK = false;
  long double value = 0;
  try {
    value = Number();
  } catch (const EAssignError& e) {
    ShowFailure(fIntegerOnly ? QString::fromLatin1(kMsgMustBeValidInteger) : e.Message());
    return;
  }
  if (fIntegerOnly && value != std::trunc(value)) {
    ShowFailure(QString::fromLatin1(kMsgMustBeInteger));
  } else if (value < fMinVal) {
    SetNumber(fMinVal);
    ShowFailure(QString::fromLatin1(kMsgAtLeast) + ShownText(fMinVal));
  } else if (!(value <= fMaxVal)) {
    SetNumber(fMaxVal);
    ShowFailure(QString::fromLatin1(kMsgAtMost) + ShownText(fMaxVal));
  } else {
    setText(ShownText(value));
    fOK = true;
  }
}

void TDataEdit::ShowFailure(const QString& message) {
  ++gTellingFailure;
  // A refusal is told once. Telling it and taking the focus back can make the window this
  // field is in lose and regain the focus before control is back in the event loop (a
  // multiple-document frame finishing the activation the user began); each loss checks the
  // same entry again, and it is not told again.
  if (!fRefusalTold || text() != fRefusedText) {
    TMessageBox::Information(window(), message);
    fRefusedText = text();
    if (!fRefusalTold) QTimer::singleShot(0, this, [this] { fRefusalTold = false; });
    fRefusalTold = true;
  }
  // Back to the field, so that the user corrects the entry where it was made.
  if (isVisible()) setFocus(Qt::OtherFocusReason);
  --gTellingFailure;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only a move to another control is leaving the field; switching windows or opening a
  // menu is not.
  switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
      return;
    default:
      break;
  }
  if (gTellingFailure > 0) return;
  ExitCheck();
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ExitCheck();
    selectAll();
    event->accept();
    return;
  }
  // An operator typed over the whole (selected) value extends it instead of replacing it.
  static const QString kOperators = QStringLiteral("+-/*^=%!");
  const QString typed = event->text();
  if (typed.size() == 1 && kOperators.contains(typed[0]) && !text().isEmpty() &&
      selectedText() == text()) {
    deselect();
    end(false);
  }
  QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) RefreshLabel();
}
