#include "TfrmWaterDepth.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogFields.h"

TfrmWaterDepth::TfrmWaterDepth(QWidget* parent)
    : TInputDialog(TChildKind::PI, DialogText::WaterTableCaption(), parent) {
  auto* grid = new QGridLayout;
  AddEntry(InputDialogFields::WaterTable(), grid, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(MakeCloseButton());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(buttons);
}

bool TfrmWaterDepth::StoreValues() {
  ReadBoundEntries();
  return true;
}
