#include "TfrmVaryLength.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "TProgramData.h"

TfrmVaryLength::TfrmVaryLength(QWidget* parent)
    : TInputDialog(TChildKind::ncvary, DialogText::VaryLengthCaption(), parent) {
  fEvaluate = AddSwitch(QStringLiteral("Evaluate Shaft Lengths (for Specified Diameter)"),
                        "CheckBox1", &TProgramData::IPENT, this);
  auto* grid = new QGridLayout;
  AddEntries(InputDialogFields::VaryLengths(), grid);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fEvaluate);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(CloseButtonRow());
}

void TfrmVaryLength::UpdateEnabling() {
  for (TDataEdit* entry : Entries()) SetEntryEnabled(entry, fEvaluate->isChecked());
}
