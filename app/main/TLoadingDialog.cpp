#include "TLoadingDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "InputDialogFields.h"
#include "InputDialogRules.h"
#include "TDataEdit.h"
#include "TProgramData.h"

TLoadingDialog::TLoadingDialog(TChildKind kind, const QString& caption,
                               const TLoadingAlternative& alternative, QWidget* parent)
    : TInputDialog(kind, caption, parent), fAlternative(alternative) {
  auto* mainGrid = new QGridLayout;
  fMain = AddEntry(alternative.Field, mainGrid, 0);

  auto* group = new QGroupBox(QStringLiteral("Type of Loading"), this);
  fStatic = new QRadioButton(QStringLiteral("C&ompression"), group);
  fStatic->setObjectName(QStringLiteral("OptStatic"));
  fCyclic = new QRadioButton(QStringLiteral("&Uplift "), group);
  fCyclic->setObjectName(QStringLiteral("OptCyclic"));
  auto* groupGrid = new QGridLayout;
  fReduction = AddEntry(InputDialogFields::UpliftReduction(), groupGrid, 0);
  fReduction->SetNumber(1);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(fStatic);
  groupLayout->addWidget(fCyclic);
  groupLayout->addLayout(groupGrid);
  // Clicks, arrow keys and loading all go through the checked state.
  connect(fStatic, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mainGrid);
  layout->addWidget(group);
  layout->addStretch();
  layout->addLayout(CloseButtonRow());
}

void TLoadingDialog::OptStaticClick() { fStatic->setChecked(true); }

void TLoadingDialog::OptCyclicClick() { fCyclic->setChecked(true); }

void TLoadingDialog::LoadValues() {
  ShowEntry(fMain, Doc().*fAlternative.Value);
  if (Doc().KCYCL == 1) {
    fStatic->setChecked(true);
  } else {
    fCyclic->setChecked(true);
    ShowEntry(fReduction, Doc().RCYCL);
  }
}

bool TLoadingDialog::StoreValues() {
  long double value = Doc().*fAlternative.Value;
  if (ReadEntry(fMain, value)) fAlternative.Store(Doc(), value);
  long double reduction = Doc().RCYCL;
  ReadEntry(fReduction, reduction);
  InputDialogRules::StoreLoading(Doc(), fCyclic->isChecked(), reduction);
  return true;
}

void TLoadingDialog::UpdateEnabling() {
  if (fAlternative.ReductionFollowsLoading) SetEntryEnabled(fReduction, fCyclic->isChecked());
}
