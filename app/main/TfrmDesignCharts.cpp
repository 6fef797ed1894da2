#include "TfrmDesignCharts.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "DialogTexts.h"
#include "InputDialogFields.h"
#include "TDataEdit.h"
#include "TMessageBox.h"
#include "TProgramData.h"

namespace {

constexpr int kNumberColumn = 0;
constexpr int kSettlementColumn = 1;

}  // namespace

TfrmDesignCharts::TfrmDesignCharts(QWidget* parent)
    : TInputDialog(TChildKind::ncchart, DialogText::DesignChartsCaption(), parent) {
  fCompute = AddSwitch(QStringLiteral("Compute ASD/LRFD Design Charts"), "CheckBox1",
                       &TProgramData::IChart, this);

  fRanges = new QGroupBox(QStringLiteral("Shaft Length/Diameter Variation"), this);
  auto* rangeGrid = new QGridLayout(fRanges);
  AddEntries(InputDialogFields::ChartRanges(), rangeGrid);
  rangeGrid->setRowStretch(rangeGrid->rowCount(), 1);

  fPoints = new QGroupBox(QStringLiteral("Defined Settlements"), this);
  auto* numberLabel = new QLabel(QStringLiteral("Number of Points"), fPoints);
  fNumber = new TDataEdit(fPoints);
  fNumber->setObjectName(QStringLiteral("EditNumber"));
  fNumber->SetIntegerOnly(true);
  fNumber->SetMinVal(1);
  fNumber->SetMaxVal(TSettlementList::kMaxPoints);
  fNumber->SetNumber(1);
  fNumber->setMaximumWidth(fNumber->fontMetrics().horizontalAdvance(QStringLiteral("00000")) * 2);
  numberLabel->setBuddy(fNumber);
  connect(fNumber, &QLineEdit::textChanged, this, &TfrmDesignCharts::EditNumberChange);
  fUp = new QToolButton(fPoints);
  fUp->setArrowType(Qt::UpArrow);
  fDown = new QToolButton(fPoints);
  fDown->setArrowType(Qt::DownArrow);
  connect(fUp, &QToolButton::clicked, this, &TfrmDesignCharts::UpClick);
  connect(fDown, &QToolButton::clicked, this, &TfrmDesignCharts::DownClick);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(fUp);
  arrows->addWidget(fDown);

  fGrid = new QTableWidget(0, 2, fPoints);
  fGrid->setObjectName(QStringLiteral("StringGrid1"));
  fGrid->verticalHeader()->hide();
  fGrid->horizontalHeader()->setStretchLastSection(true);
  fGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab goes on to the Close button; the arrow keys move between the cells.
  fGrid->setTabKeyNavigation(false);
  // Ten rows fit without scrolling.
  fGrid->setMinimumHeight(fGrid->horizontalHeader()->sizeHint().height() +
                          11 * fGrid->verticalHeader()->defaultSectionSize());
  fGrid->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Settlement (in)")) * 2);
  connect(fGrid, &QTableWidget::cellChanged, this, &TfrmDesignCharts::CellChanged);

  auto* numberRow = new QHBoxLayout;
  numberRow->addWidget(numberLabel);
  numberRow->addWidget(fNumber);
  numberRow->addLayout(arrows);
  numberRow->addStretch();
  auto* pointsLayout = new QVBoxLayout(fPoints);
  pointsLayout->addLayout(numberRow);
  pointsLayout->addWidget(fGrid, 1);

  auto* groups = new QHBoxLayout;
  groups->addWidget(fRanges, 1);
  groups->addWidget(fPoints);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fCompute);
  layout->addLayout(groups, 1);
  layout->addLayout(CloseButtonRow());
}

void TfrmDesignCharts::LoadValues() {
  ShowBoundValues();
  fGrid->setHorizontalHeaderLabels(
      {TSettlementList::NumberHeading(), TSettlementList::SettlementHeading(Doc().Units())});
  fSettlements.Load(Doc());
  ShowSettlements();
  // The number field holds 1 to 10; showing the count also sets the grid to it.
  fNumber->SetNumber(fSettlements.Count());
  EditNumberChange();
}

void TfrmDesignCharts::ShowSettlements() {
  fShowing = true;
  fGrid->setRowCount(fSettlements.Count());
  for (int row = 0; row < fSettlements.Count(); ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled);
    fGrid->setItem(row, kNumberColumn, number);
    fGrid->setItem(row, kSettlementColumn, new QTableWidgetItem(fSettlements.Text(row)));
  }
  // The keyboard enters the grid at a settlement, where typing edits it.
  if (fGrid->rowCount() > 0)
    fGrid->setCurrentCell(std::clamp(fGrid->currentRow(), 0, fGrid->rowCount() - 1),
                          kSettlementColumn);
  fShowing = false;
}

void TfrmDesignCharts::CellChanged(int row, int column) {
  if (fShowing || column != kSettlementColumn) return;
  fSettlements.SetText(row, fGrid->item(row, column)->text());
}

void TfrmDesignCharts::EditNumberChange() {
  long double value = 0;
  if (!ReadEntry(fNumber, value) || value != std::trunc(value)) return;
  if (value < 1 || value > TSettlementList::kMaxPoints) return;
  if (fSettlements.SetCount(int(value)) && fGrid->rowCount() != fSettlements.Count())
    ShowSettlements();
}

void TfrmDesignCharts::UpClick() {
  if (fSettlements.Up()) fNumber->SetNumber(fSettlements.Count());
}

void TfrmDesignCharts::DownClick() {
  if (fSettlements.Down()) fNumber->SetNumber(fSettlements.Count());
}

bool TfrmDesignCharts::StoreValues() {
  ReadBoundValues();
  // A cell being typed in counts with what it shows.
  if (QWidget* editor = fGrid->indexWidget(fGrid->currentIndex()))
    emit fGrid->itemDelegate()->commitData(editor);
  const int failed = fSettlements.Store(Doc());
  if (failed < 0) return true;
  TMessageBox::Information(this, DialogText::NotAFloatingPointValue(fSettlements.Text(failed)));
  fGrid->setCurrentCell(failed, kSettlementColumn);
  return false;
}

void TfrmDesignCharts::UpdateEnabling() {
  const bool on = fCompute->isChecked();
  fRanges->setEnabled(on);
  fPoints->setEnabled(on);
}
