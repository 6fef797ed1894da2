#include "TfrmShaftpeneta.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "InputDialogRules.h"
#include "TBelledShaftPicture.h"
#include "TDataEdit.h"
#include "TProgramData.h"

TfrmShaftpeneta::TfrmShaftpeneta(QWidget* parent)
    : TInputDialog(TChildKind::DSP, DialogText::ShaftPropertiesCaption(), parent) {
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  AddEntries(InputDialogFields::ShaftProperties(), grid);

  auto* note = new QLabel(InputDialogFields::ShaftPropertiesNote().join(QLatin1Char('\n')), this);
  note->setObjectName(QStringLiteral("Memo1"));
  note->setFrameShape(QFrame::StyledPanel);
  note->setMargin(6);

  auto* fields = new QVBoxLayout;
  fields->addLayout(grid);
  fields->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(new TBelledShaftPicture(this));
  top->addLayout(fields, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(note);
  layout->addLayout(CloseButtonRow());
}

void TfrmShaftpeneta::UpdateEnabling() {
  TDataEdit* maximum = DataEdit(InputDialogFields::kMaximumDiameter);
  const bool enabled = InputDialogRules::MaximumDiameterEnabled(Doc());
  SetEntryEnabled(maximum, enabled);
  for (QLabel* note : NotesOf(maximum)) note->setVisible(enabled);
}
