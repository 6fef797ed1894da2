#include "TDlgOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "TDataEdit.h"
#include "TProgramData.h"

TDlgOptions::TDlgOptions(const TDialogHost& host, QWidget* parent)
    : TInputDialog(TChildKind::Options, DialogText::OptionsCaption(), parent), fHost(host) {
  auto* sands = new QGroupBox(QStringLiteral("End Bearing in Sands"), this);
  fInterpolate = new QRadioButton(
      QStringLiteral("Use linear interpolation from zero at ground to \nmaximum values at 10 "
                     "pile diameters."),
      sands);
  fInterpolate->setObjectName(QStringLiteral("RadioButton1"));
  fMaximum = new QRadioButton(QStringLiteral("Use maximum values at any depth"), sands);
  fMaximum->setObjectName(QStringLiteral("RadioButton2"));
  auto* sandsLayout = new QVBoxLayout(sands);
  sandsLayout->addWidget(fInterpolate);
  sandsLayout->addWidget(fMaximum);

  auto* printing = new QGroupBox(QStringLiteral("Printing Options"), this);
  auto* printingGrid = new QGridLayout(printing);
  fIncrement = AddEntry(InputDialogFields::OutputIncrement(), printingGrid, 0);

  auto* plot = new QGroupBox(QStringLiteral("Plot Options"), this);
  fUseElevation =
      AddSwitch(QStringLiteral("Use Elevation instead of Depth for Label of Vertical Axis"),
                "CheckBox2", &TProgramData::UseElevation, plot);
  auto* plotGrid = new QGridLayout;
  fElevation = AddEntry(InputDialogFields::TopElevation(), plotGrid, 0);
  auto* plotLayout = new QVBoxLayout(plot);
  plotLayout->addWidget(fUseElevation);
  plotLayout->addLayout(plotGrid);
  plotLayout->addWidget(new QLabel(
      QStringLiteral("Note: Labels will be updated after analysis is completed."), plot));

  auto* editor = new QGroupBox(QStringLiteral("Text Editor Options"), this);
  auto* wordLabel = new QLabel(QStringLiteral("&Text Editor:"), editor);
  fWord = new QLineEdit(editor);
  fWord->setObjectName(QStringLiteral("EdtWord"));
  fWord->setMinimumWidth(fWord->fontMetrics().averageCharWidth() * 40);
  wordLabel->setBuddy(fWord);
  fBrowse = new QPushButton(QStringLiteral("&Browse..."), editor);
  connect(fBrowse, &QPushButton::clicked, this, &TDlgOptions::BrowseClick);
  auto* editorLayout = new QHBoxLayout(editor);
  editorLayout->addWidget(wordLabel);
  editorLayout->addWidget(fWord, 1);
  editorLayout->addWidget(fBrowse);

  auto* tz = new QGroupBox(QStringLiteral("Printing Additional t-z Curves"), this);
  fPrint = AddSwitch(QStringLiteral("&Print Internally-Generated\nt-z Curves for Verification"),
                     "ChkPrint", &TProgramData::PrintTZCurves, tz);
  fEditDepths = new QPushButton(QStringLiteral("Edit Depths"), tz);
  fEditDepths->setObjectName(QStringLiteral("EditDepths"));
  connect(fEditDepths, &QPushButton::clicked, this, &TDlgOptions::EditDepthsClick);
  auto* tzLayout = new QHBoxLayout(tz);
  tzLayout->addWidget(fPrint, 1);
  tzLayout->addWidget(fEditDepths);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(sands);
  layout->addWidget(printing);
  layout->addWidget(plot);
  layout->addWidget(editor);
  layout->addWidget(tz);
  layout->addStretch();
  layout->addLayout(CloseButtonRow());
}

void TDlgOptions::LoadValues() {
  (Doc().IMOD == 1 ? fInterpolate : fMaximum)->setChecked(true);
  ShowBoundValues();
  fWord->setText(fHost.WordProcessor ? fHost.WordProcessor() : QString());
}

bool TDlgOptions::StoreValues() {
  Doc().IMOD = fInterpolate->isChecked() ? 1 : 0;
  ReadBoundValues();
  if (fHost.SetWordProcessor) fHost.SetWordProcessor(fWord->text());
  return true;
}

void TDlgOptions::UpdateEnabling() {
  SetEntryEnabled(fElevation, fUseElevation->isChecked());
  fEditDepths->setEnabled(fPrint->isChecked());
}

void TDlgOptions::BrowseClick() {
  const QString chosen = ChooseProgramFile(fHost, this, fWord->text());
  if (!chosen.isEmpty()) fWord->setText(chosen);
}

void TDlgOptions::EditDepthsClick() { EditTZDepthTable(fHost); }
