#include "TDlgTZPrint.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "DocumentSnapshot.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

TDlgTZPrint::TDlgTZPrint(const TDialogHost& host, QWidget* parent) : QDialog(parent), fHost(host) {
  setWindowTitle(DialogText::TZPrintCaption());
  fPrint = new QCheckBox(QStringLiteral("&Print Internally-Generated"), this);
  fPrint->setObjectName(QStringLiteral("ChkPrint"));
  auto* note = new QLabel(QStringLiteral("t-z Curves for Verification"), this);
  fEditDepths = new QPushButton(QStringLiteral("Edit Depths"), this);
  fEditDepths->setObjectName(QStringLiteral("EditDepths"));
  auto* close = new QPushButton(DialogText::Close(), this);
  close->setDefault(true);
  connect(fPrint, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
  connect(fEditDepths, &QPushButton::clicked, this, &TDlgTZPrint::EditDepthsClick);
  connect(close, &QPushButton::clicked, this, &TDlgTZPrint::CloseClick);

  auto* check = new QVBoxLayout;
  check->setSpacing(0);
  check->addWidget(fPrint);
  note->setIndent(fPrint->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                  fPrint->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
  check->addWidget(note);
  auto* top = new QHBoxLayout;
  top->addLayout(check, 1);
  top->addWidget(fEditDepths);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

void TDlgTZPrint::FormActivate() {
  fPrint->setChecked(ProgramData->PrintTZCurves == 1);
  UpdateEnabling();
}

void TDlgTZPrint::FormDeactivate() {
  const TDocumentSnapshot before(*ProgramData);
  ProgramData->PrintTZCurves = fPrint->isChecked() ? 1 : 0;
  if (!(TDocumentSnapshot(*ProgramData) == before)) ProgramData->Tables().SetDataChanged(true);
}

int TDlgTZPrint::Execute() {
  FormActivate();
  return exec();
}

void TDlgTZPrint::UpdateEnabling() { fEditDepths->setEnabled(fPrint->isChecked()); }

void TDlgTZPrint::EditDepthsClick() { EditTZDepthTable(fHost); }

void TDlgTZPrint::CloseClick() { accept(); }

void TDlgTZPrint::done(int result) {
  FormDeactivate();
  QDialog::done(result);
}

void ShowTZPrintOptions(const TDialogHost& host, QWidget* parent) {
  TDlgTZPrint dialog(host, parent);
  dialog.Execute();
}
