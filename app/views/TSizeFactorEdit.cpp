#include "TSizeFactorEdit.h"

#include <QKeyEvent>

TSizeFactorEdit::TSizeFactorEdit(QWidget* parent) : TDataEdit(parent) {
  connect(this, &TDataEdit::EntryChecked, this, [this](bool accepted) {
    if (accepted) emit NumberEntered(Number());
  });
}

void TSizeFactorEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
    emit StepRequested(event->key() == Qt::Key_Up);
    event->accept();
    return;
  }
  TDataEdit::keyPressEvent(event);
}
