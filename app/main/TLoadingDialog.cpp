#include "TLoadingDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "InputDialogFields.h"
#include "InputDialogRules.h"
#include "TDataEdit.h"
#include "TProgramData.h"

TLoadingDialog::TLoadingDialog(TChildKind kind, const QString& caption,
                               const TDocumentField& mainField, bool reductionFollowsLoading,
                               QWidget* parent)
    : TInputDialog(kind, caption, parent), fReductionFollowsLoading(reductionFollowsLoading) {
  auto* mainGrid = new QGridLayout;
  fMain = AddEntry(mainField, mainGrid, 0);

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

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(MakeCloseButton());
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mainGrid);
  layout->addWidget(group);
  layout->addStretch();
  layout->addLayout(buttons);
}

void TLoadingDialog::OptStaticClick() { fStatic->setChecked(true); }

void TLoadingDialog::OptCyclicClick() { fCyclic->setChecked(true); }

void TLoadingDialog::LoadValues() {
  ShowEntry(fMain, MainValue());
  if (Doc().KCYCL == 1) {
    fStatic->setChecked(true);
  } else {
    fCyclic->setChecked(true);
    ShowEntry(fReduction, Doc().RCYCL);
  }
}

bool TLoadingDialog::StoreValues() {
  long double value = MainValue();
  if (ReadEntry(fMain, value)) StoreMainValue(value);
  long double reduction = Doc().RCYCL;
  ReadEntry(fReduction, reduction);
  InputDialogRules::StoreLoading(Doc(), fCyclic->isChecked(), reduction);
  return true;
}

void TLoadingDialog::UpdateEnabling() {
  if (fReductionFollowsLoading) SetEntryEnabled(fReduction, fCyclic->isChecked());
}
