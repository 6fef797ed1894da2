#include "TfrmVaryLength.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "TDataEdit.h"
#include "TProgramData.h"

TfrmVaryLength::TfrmVaryLength(QWidget* parent)
    : TInputDialog(TChildKind::ncvary, DialogText::VaryLengthCaption(), parent) {
  fEvaluate =
      new QCheckBox(QStringLiteral("Evaluate Shaft Lengths (for Specified Diameter)"), this);
  fEvaluate->setObjectName(QStringLiteral("CheckBox1"));
  connect(fEvaluate, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });

  auto* grid = new QGridLayout;
  int row = 0;
  for (const TDocumentField& field : InputDialogFields::VaryLengths()) AddEntry(field, grid, row++);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(MakeCloseButton());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fEvaluate);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(buttons);
}

void TfrmVaryLength::LoadValues() {
  fEvaluate->setChecked(Doc().IPENT == 1);
  ShowBoundEntries();
}

bool TfrmVaryLength::StoreValues() {
  Doc().IPENT = fEvaluate->isChecked() ? 1 : 0;
  ReadBoundEntries();
  return true;
}

void TfrmVaryLength::UpdateEnabling() {
  for (TDataEdit* entry : Entries()) SetEntryEnabled(entry, fEvaluate->isChecked());
}
