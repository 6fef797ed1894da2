#include "TfrmSafetyFactor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogFields.h"

TfrmSafetyFactor::TfrmSafetyFactor(QWidget* parent)
    : TInputDialog(TChildKind::SP, DialogText::SafetyFactorCaption(), parent) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const TDocumentField& field : InputDialogFields::SafetyFactors())
    AddEntry(field, grid, row++);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(MakeCloseButton());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(buttons);
}

bool TfrmSafetyFactor::StoreValues() {
  ReadBoundEntries();
  return true;
}
