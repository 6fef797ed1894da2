#include "TDlgSoilLayers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cassert>

#include "DialogTexts.h"
#include "EntryChecks.h"
#include "LayerParameterPages.h"
#include "TDataEdit.h"
#include "TDlgSoils.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

namespace {

TSoilProfileTables& Tables() {
  assert(ProgramData);
  return ProgramData->Tables();
}

// Rows shown before the grid scrolls.
constexpr int kVisibleRows = 6;
// Property naming the row and grid column of a control in the grid.
const char* const kRowProperty = "layerRow";
const char* const kColumnProperty = "gridColumn";

}  // namespace

int TDlgSoilLayers::LayerColumnOf(int gridColumn) {
  switch (gridColumn) {
    case kColType:
      return kLayerSoilType;
    case kColBottom:
      return kLayerBottom;
    case kColMaxSide:
      return kLayerMaxSideFriction;
    case kColMaxEnd:
      return kLayerMaxEndBearing;
    case kColSideFactor:
      return kLayerSideFactor;
    case kColEndFactor:
      return kLayerEndFactor;
    default:
      return -1;
  }
}

TDlgSoilLayers::TDlgSoilLayers(QWidget* parent)
    : TChildForm(TChildKind::SoilLayers, parent), fLayers(Tables()) {
  setWindowTitle(DialogText::SoilLayersCaption());

  fGrid = new QTableWidget(0, kGridColumnCount, this);
  fGrid->setObjectName(QStringLiteral("StringGrid1"));
  fGrid->verticalHeader()->hide();
  fGrid->setSelectionMode(QAbstractItemView::NoSelection);
  fGrid->setFocusPolicy(Qt::NoFocus);
  // Tab goes from control to control, on to the buttons below the grid, rather than round
  // the grid's cells for ever.
  fGrid->setTabKeyNavigation(false);
  fGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  fGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  fGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  fAdd = new QPushButton(DialogText::AddLayer(), this);
  fInsert = new QPushButton(DialogText::InsertLayer(), this);
  fDelete = new QPushButton(DialogText::DeleteLayer(), this);
  fConfirm = new QCheckBox(DialogText::ConfirmDeletion(), this);
  fConfirm->setChecked(true);
  auto* close = new QPushButton(DialogText::Close(), this);
  connect(fAdd, &QPushButton::clicked, this, &TDlgSoilLayers::AddLayerClick);
  connect(fInsert, &QPushButton::clicked, this, &TDlgSoilLayers::InsertLayerClick);
  connect(fDelete, &QPushButton::clicked, this, &TDlgSoilLayers::DeleteLayerClick);
  connect(close, &QPushButton::clicked, this, &TDlgSoilLayers::CloseClick);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fAdd);
  buttons->addWidget(fInsert);
  buttons->addWidget(fDelete);
  buttons->addWidget(fConfirm);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fGrid, 1);
  layout->addLayout(buttons);
  for (const QString& text : DialogText::SoilLayerNotes()) {
    auto* note = new QLabel(text, this);
    note->setWordWrap(true);
    layout->addWidget(note);
  }
  SetHeadings(ProgramData->Units());
  FitColumns();
}

void TDlgSoilLayers::SetHeadings(int units) {
  QStringList labels;
  for (int col = 0; col < kGridColumnCount; ++col)
    labels << DialogText::LayerHeading(col) + QLatin1Char('\n') +
                  DialogText::LayerSecondHeading(col, units);
  fGrid->setHorizontalHeaderLabels(labels);
}

QPushButton* TDlgSoilLayers::EditButton(int row) const { return fRows[std::size_t(row)].Edit; }
QComboBox* TDlgSoilLayers::SoilTypeBox(int row) const { return fRows[std::size_t(row)].Type; }
TDataEdit* TDlgSoilLayers::Entry(int row, int gridColumn) const {
  return fRows[std::size_t(row)].Entries[std::size_t(gridColumn - kColBottom)];
}

std::vector<TDataEdit*> TDlgSoilLayers::AllEntries() const {
  std::vector<TDataEdit*> entries;
  for (const TRowControls& r : fRows)
    entries.insert(entries.end(), r.Entries.begin(), r.Entries.end());
  return entries;
}

void TDlgSoilLayers::AddRowControls(int row) {
  TRowControls controls;
  controls.Edit = new QPushButton(DialogText::EditLayerCaption(row + 1));
  connect(controls.Edit, &QPushButton::clicked, this, [this, row] { EditLayerClick(row); });
  fGrid->setCellWidget(row, kColButton, controls.Edit);

  controls.Type = new QComboBox;
  controls.Type->addItems(DialogText::SoilTypeNames());
  controls.Type->setMaxVisibleItems(DialogText::kSoilTypeDropDownLines);
  connect(controls.Type, &QComboBox::activated, this,
          [this, row](int index) { SoilTypeChange(row, index); });
  fGrid->setCellWidget(row, kColType, controls.Type);

  for (int col = kColBottom; col < kGridColumnCount; ++col) {
    auto* entry = new TDataEdit;
    connect(entry, &TDataEdit::EntryChecked, this, [this, row, col](bool accepted) {
      if (accepted) DataEditExit(row, col);
    });
    fGrid->setCellWidget(row, col, entry);
    controls.Entries.push_back(entry);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{controls.Edit, controls.Type}) {
    w->setProperty(kRowProperty, row);
    w->installEventFilter(this);
  }
  for (int col = kColBottom; col < kGridColumnCount; ++col) {
    QWidget* w = controls.Entries[std::size_t(col - kColBottom)];
    w->setProperty(kRowProperty, row);
    w->setProperty(kColumnProperty, col);
    w->installEventFilter(this);
  }
  fRows.push_back(controls);
}

void TDlgSoilLayers::SyncRows() {
  const int count = fLayers.Count();
  if (int(fRows.size()) > count) fRows.resize(std::size_t(count));
  fGrid->setRowCount(count);
  while (int(fRows.size()) < count) AddRowControls(int(fRows.size()));
  for (int row = 0; row < count; ++row) ShowRow(row);
  fGrid->setColumnHidden(kColSideFactor, !fLayers.Lrfd());
  fGrid->setColumnHidden(kColEndFactor, !fLayers.Lrfd());
  FitColumns();
  UpdateButtons();
}

void TDlgSoilLayers::ShowRow(int row) {
  const TLayerEditorRow& layer = fLayers.Row(row);
  TRowControls& controls = fRows[std::size_t(row)];
  const bool known = layer.SoilType >= 1 && layer.SoilType <= kSoilTypeCount;
  controls.Type->setCurrentIndex(known ? layer.SoilType - 1 : -1);
  controls.Edit->setEnabled(ParameterPageOf(layer.SoilType) >= 0);
  for (int col = kColBottom; col < kGridColumnCount; ++col)
    Entry(row, col)->SetNumber(fLayers.Value(row, LayerColumnOf(col)));
}

void TDlgSoilLayers::FitColumns() {
  const QFontMetrics fm = fGrid->fontMetrics();
  const int margin = fm.averageCharWidth() * 2;
  auto headingWidth = [&](int col) {
    int width = 0;
    for (const QString& line : fGrid->horizontalHeaderItem(col)->text().split(QLatin1Char('\n')))
      width = std::max(width, fGrid->horizontalHeader()->fontMetrics().horizontalAdvance(line));
    return width + margin;
  };
  QPushButton probeButton(DialogText::EditLayerCaption(TSoilLayerList::kMaxLayers));
  QComboBox probeBox;
  probeBox.addItems(DialogText::SoilTypeNames());
  TDataEdit probeEntry;
  const int entryWidth = fm.horizontalAdvance(QStringLiteral("-0.00012345678")) + margin;
  const int widths[kGridColumnCount] = {
      std::max(headingWidth(kColButton), probeButton.sizeHint().width()),
      std::max(headingWidth(kColType), probeBox.sizeHint().width()),
      std::max(headingWidth(kColBottom), entryWidth),
      std::max(headingWidth(kColMaxSide), entryWidth),
      std::max(headingWidth(kColMaxEnd), entryWidth),
      std::max(headingWidth(kColSideFactor), entryWidth),
      std::max(headingWidth(kColEndFactor), entryWidth)};
  int total = 0;
  for (int col = 0; col < kGridColumnCount; ++col) {
    fGrid->setColumnWidth(col, widths[col]);
    if (!fGrid->isColumnHidden(col)) total += widths[col];
  }
  const int rowHeight = std::max({probeButton.sizeHint().height(), probeBox.sizeHint().height(),
                                  probeEntry.sizeHint().height()});
  fGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
  const int frame = 2 * fGrid->frameWidth();
  fGrid->setMinimumWidth(total + frame + fGrid->verticalScrollBar()->sizeHint().width());
  fGrid->setMinimumHeight(fGrid->horizontalHeader()->sizeHint().height() +
                          kVisibleRows * rowHeight + frame);
}

void TDlgSoilLayers::UpdateButtons() {
  fAdd->setEnabled(fLayers.CanAdd());
  fInsert->setEnabled(fLayers.CanInsert());
  fDelete->setEnabled(fLayers.CanDelete());
}

void TDlgSoilLayers::FormActivate() {
  SetHeadings(ProgramData->Units());
  fLayers.Load(ProgramData->NLRFD == 1);
  SyncRows();
}

bool TDlgSoilLayers::FormDeactivate() {
  // The focused field's entry is taken (it reaches the grid) or refused.
  if (!CheckEntries(this, AllEntries())) return false;
  fLayers.Store();
  return true;
}

void TDlgSoilLayers::CloseClick() { CloseChildWindow(this); }

void TDlgSoilLayers::AddLayerClick() {
  fLayers.AddLayer();
  SyncRows();
  fGrid->scrollTo(fGrid->model()->index(fLayers.FocusRow(), kColBottom));
}

void TDlgSoilLayers::InsertLayerClick() {
  fLayers.InsertLayer();
  SyncRows();
}

void TDlgSoilLayers::DeleteLayerClick() {
  if (!fLayers.CanDelete()) return;
  const int row = fLayers.FocusRow();
  if (fConfirm->isChecked() &&
      TMessageBox::Question(this, DialogText::ConfirmDeleteLayer(row + 1)) != QMessageBox::Yes)
    return;
  // The question may have taken the focus away and back, which reloads the grid.
  fLayers.SetFocusRow(row);
  fLayers.DeleteLayer();
  SyncRows();
}

void TDlgSoilLayers::EditLayerClick(int row) {
  if (row < 0 || row >= fLayers.Count()) return;
  fLayers.SetFocusRow(row);
  const int type = fLayers.Row(row).SoilType;
  if (ParameterPageOf(type) < 0) return;
  if (!fSoils) fSoils = new TDlgSoils(this);
  fSoils->Execute(row, type);
  if (row < fLayers.Count()) SyncRows();
}

void TDlgSoilLayers::SoilTypeChange(int row, int index) {
  if (row < 0 || row >= fLayers.Count() || index < 0) return;
  fLayers.ChangeSoilType(row, index + 1);
  ShowRow(row);
}

void TDlgSoilLayers::DataEditEnter(int row, int gridColumn) { DataEditExit(row, gridColumn); }

void TDlgSoilLayers::DataEditExit(int row, int gridColumn) {
  if (row < 0 || row >= fLayers.Count()) return;
  const TDataEdit* entry = Entry(row, gridColumn);
  if (EntryAcceptable(entry)) fLayers.SetValue(row, LayerColumnOf(gridColumn), entry->Number());
  fLayers.SetFocusRow(row);
}

bool TDlgSoilLayers::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    const QVariant row = watched->property(kRowProperty);
    const QVariant col = watched->property(kColumnProperty);
    if (row.isValid() && col.isValid())
      DataEditEnter(row.toInt(), col.toInt());
    else if (row.isValid())
      fLayers.SetFocusRow(row.toInt());
  }
  return TChildForm::eventFilter(watched, event);
}
