#include "TSizeFactorEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "EAssignError.h"

void TSizeFactorEdit::TellNumber() {
  long double value = 0;
  try {
    value = Number();
  } catch (const EAssignError&) {
    return;  // the field has shown why
  }
  emit NumberEntered(value);
}

void TSizeFactorEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      emit StepRequested(event->key() == Qt::Key_Up);
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      TDataEdit::keyPressEvent(event);
      TellNumber();
      return;
    default:
      TDataEdit::keyPressEvent(event);
  }
}

void TSizeFactorEdit::focusOutEvent(QFocusEvent* event) {
  TDataEdit::focusOutEvent(event);
  // Switching windows or opening a menu does not leave the field.
  switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
      return;
    default:
      TellNumber();
  }
}
