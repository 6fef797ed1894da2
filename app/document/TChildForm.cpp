#include "TChildForm.h"

#include <QCloseEvent>

TChildForm::TChildForm(TChildKind kind, QWidget* parent) : QWidget(parent), fKind(kind) {}

void TChildForm::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  emit Closed(fKind);
}
