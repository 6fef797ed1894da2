#include "TDlgSoils.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "DialogTexts.h"
#include "EntryChecks.h"
#include "TDataEdit.h"
#include "TFloatColumn.h"
#include "TGridTable.h"
#include "TIntColumn.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

namespace {

TGridTable* LayerTable(int layerRow) {
  return ProgramData ? ProgramData->Tables().LayerTable(layerRow) : nullptr;
}

// The template of the page's first type: its columns give the fields' units and ranges.
const TGridTable* PageTemplate(int page) {
  if (!ProgramData) return nullptr;
  return ProgramData->Tables().Template(ParameterPages()[std::size_t(page)].SoilTypes.front());
}

void SetUpEntry(TDataEdit* entry, const TGridTable* table, const TParameterField& field) {
  if (!table || field.Column >= table->ColCount()) return;
  if (auto* real = table->Column<TFloatColumn>(field.Column))
    entry->SetUnitsString(real->UnitsString());
  if (auto* whole = table->Column<TIntColumn>(field.Column)) {
    entry->SetIntegerOnly(true);
    entry->SetMinVal(whole->Minimum());
    entry->SetMaxVal(whole->Maximum());
  }
}

}  // namespace

TDlgSoils::TDlgSoils(QWidget* parent) : QDialog(parent) {
  fTabs = new QTabWidget(this);
  fTabs->setObjectName(QStringLiteral("PageControl1"));
  for (int page = 0; page < kParameterPageCount; ++page)
    fTabs->addTab(BuildPage(page),
                  QString::fromLatin1(ParameterPages()[std::size_t(page)].TabCaption));

  auto* copy = new QPushButton(DialogText::CopyTopToBottom(), this);
  auto* close = new QPushButton(DialogText::Close(), this);
  close->setDefault(true);
  connect(copy, &QPushButton::clicked, this, &TDlgSoils::CopyClick);
  connect(close, &QPushButton::clicked, this, &TDlgSoils::CloseClick);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fTabs, 1);
  layout->addLayout(buttons);
}

QWidget* TDlgSoils::BuildPage(int pageIndex) {
  const TParameterPage& def = ParameterPages()[std::size_t(pageIndex)];
  const TGridTable* table = PageTemplate(pageIndex);
  TPageControls& controls = fPages[std::size_t(pageIndex)];
  auto* page = new QWidget;
  controls.Page = page;

  controls.Title = new QLabel(page);
  QFont titleFont = controls.Title->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
  controls.Title->setFont(titleFont);

  auto* grid = new QGridLayout;
  grid->setColumnStretch(0, 1);
  auto* top = new QLabel(DialogText::ValuesAtTop(), page);
  auto* bottom = new QLabel(DialogText::ValuesAtBottom(), page);
  top->setAlignment(Qt::AlignCenter);
  bottom->setAlignment(Qt::AlignCenter);
  grid->addWidget(top, 0, 1);
  grid->addWidget(bottom, 0, 2);
  const int fieldWidth = page->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000"));
  int row = 1;
  for (const TParameterField& field : def.Fields) {
    TFieldControls fc{&field};
    fc.Label = new QLabel(page);
    grid->addWidget(fc.Label, row, 0);
    if (field.Kind == TParameterKind::InterfaceCondition) {
      fc.Label->setText(QString::fromLatin1(field.Label));
      for (int r : {kRowTop, kRowBottom}) {
        auto* box = new QComboBox(page);
        box->addItems(InterfaceConditionChoices());
        box->setMinimumWidth(fieldWidth);
        grid->addWidget(box, row, 1 + r);
        fCondition[std::size_t(r)] = box;
      }
      fc.Label->setBuddy(fCondition[0]);
    } else {
      fc.Top = new TDataEdit(page);
      fc.Bottom = new TDataEdit(page);
      for (TDataEdit* entry : {fc.Top, fc.Bottom}) {
        SetUpEntry(entry, table, field);
        entry->setMinimumWidth(fieldWidth);
      }
      fc.Top->SetCaption(QString::fromLatin1(field.Label));
      fc.Top->SetEditLabel(fc.Label);
      grid->addWidget(fc.Top, row, 1);
      grid->addWidget(fc.Bottom, row, 2);
    }
    controls.Fields.push_back(fc);
    ++row;
  }

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(controls.Title);
  layout->addLayout(grid);

  if (pageIndex == kPageSand) {
    // The interface angle is kept in fields of its own that are not shown.
    const TParameterField angle{"", SandColumn::InterfaceAngle};
    for (int r : {kRowTop, kRowBottom}) {
      auto* entry = new TDataEdit(page);
      SetUpEntry(entry, table, angle);
      entry->hide();
      fInterfaceAngle[std::size_t(r)] = entry;
    }
    auto* group = new QGroupBox(DialogText::SideFrictionProcedure(), page);
    auto* groupLayout = new QVBoxLayout(group);
    fMethods = new QButtonGroup(this);
    const QString captions[] = {DialogText::KoMethod(), DialogText::BetaMethod(),
                                DialogText::ChenKulhawyMethod()};
    for (int method = kSandMethodKo; method <= kSandMethodOCR; ++method) {
      auto* button = new QRadioButton(captions[method - 1], group);
      fMethods->addButton(button, method);
      groupLayout->addWidget(button);
    }
    connect(fMethods, &QButtonGroup::idClicked, this, &TDlgSoils::MethodClick);
    layout->addWidget(group);
  }

  for (const QString& text : def.Notes) {
    auto* note = new QLabel(text, page);
    layout->addWidget(note);
    controls.Notes.push_back(note);
  }
  layout->addStretch();
  return page;
}

TDataEdit* TDlgSoils::TopEntry(int page, int index) const {
  return fPages[std::size_t(page)].Fields[std::size_t(index)].Top;
}

TDataEdit* TDlgSoils::BottomEntry(int page, int index) const {
  return fPages[std::size_t(page)].Fields[std::size_t(index)].Bottom;
}

QLabel* TDlgSoils::FieldLabel(int page, int index) const {
  return fPages[std::size_t(page)].Fields[std::size_t(index)].Label;
}

QRadioButton* TDlgSoils::MethodButton(int method) const {
  return fMethods ? qobject_cast<QRadioButton*>(fMethods->button(method)) : nullptr;
}

int TDlgSoils::Execute(int layerRow, int soilType) {
  FormActivate(layerRow, soilType);
  if (fPage < 0) return QDialog::Rejected;
  return exec();
}

void TDlgSoils::FormActivate(int layerRow, int soilType) {
  fLayerRow = layerRow;
  fSoilType = soilType;
  fPage = ParameterPageOf(soilType);
  const TGridTable* table = LayerTable(layerRow);
  if (fPage < 0 || !table) {
    fPage = -1;
    return;
  }
  for (int page = 0; page < kParameterPageCount; ++page) {
    fTabs->setTabVisible(page, page == fPage);
    // The dialog takes the size of the page it shows.
    const QSizePolicy::Policy policy =
        page == fPage ? QSizePolicy::Preferred : QSizePolicy::Ignored;
    fPages[std::size_t(page)].Page->setSizePolicy(policy, policy);
  }
  fTabs->setCurrentIndex(fPage);
  fPages[std::size_t(fPage)].Title->setText(ParameterPageTitle(soilType));
  const int units = ProgramData->Units();
  for (const TFieldControls& fc : fPages[std::size_t(fPage)].Fields)
    for (TDataEdit* entry : {fc.Top, fc.Bottom})
      if (entry) entry->SetUnits(units);
  for (TDataEdit* entry : fInterfaceAngle) entry->SetUnits(units);
  ShowValues(TLayerParameterValues::Read(*table, soilType));
  setWindowTitle(DialogText::SoilsCaption(layerRow + 1));
  adjustSize();
}

void TDlgSoils::ShowValues(const TLayerParameterValues& values) {
  fValues = values;
  for (const TFieldControls& fc : fPages[std::size_t(fPage)].Fields) {
    const int col = fc.Field->Column;
    if (col >= int(values.Values.size())) continue;
    if (fc.Field->Kind == TParameterKind::InterfaceCondition) {
      for (int r : {kRowTop, kRowBottom}) {
        const long double v = values.At(col, r);
        const int index = v >= 1 && v <= fCondition[std::size_t(r)]->count() ? int(v) - 1 : -1;
        fCondition[std::size_t(r)]->setCurrentIndex(index);
      }
      continue;
    }
    fc.Top->SetNumber(values.At(col, kRowTop));
    fc.Bottom->SetNumber(values.At(col, kRowBottom));
  }
  if (fPage == kPageSand) {
    for (int r : {kRowTop, kRowBottom})
      fInterfaceAngle[std::size_t(r)]->SetNumber(values.At(SandColumn::InterfaceAngle, r));
    SelectMethod(values.Method);
  }
}

TLayerParameterValues TDlgSoils::ValuesShown() const {
  TLayerParameterValues values = fValues;
  for (const TFieldControls& fc : fPages[std::size_t(fPage)].Fields) {
    const int col = fc.Field->Column;
    if (col >= int(values.Values.size())) continue;
    if (fc.Field->Kind == TParameterKind::InterfaceCondition) {
      // A condition the file gave outside the choices stays until one is chosen.
      for (int r : {kRowTop, kRowBottom})
        if (fCondition[std::size_t(r)]->currentIndex() >= 0)
          values.At(col, r) = fCondition[std::size_t(r)]->currentIndex() + 1;
      continue;
    }
    values.At(col, kRowTop) = fc.Top->Number();
    values.At(col, kRowBottom) = fc.Bottom->Number();
  }
  if (fPage == kPageSand) {
    for (int r : {kRowTop, kRowBottom})
      values.At(SandColumn::InterfaceAngle, r) = fInterfaceAngle[std::size_t(r)]->Number();
    values.Method = SelectedMethod();
  }
  return values;
}

int TDlgSoils::SelectedMethod() const { return fMethods ? fMethods->checkedId() : -1; }

void TDlgSoils::SelectMethod(int method) {
  if (QAbstractButton* button = fMethods->button(method)) {
    button->setChecked(true);
  } else {
    // No method: no button checked.
    fMethods->setExclusive(false);
    for (QAbstractButton* b : fMethods->buttons()) b->setChecked(false);
    fMethods->setExclusive(true);
  }
  UpdateSandFields();
}

void TDlgSoils::MethodClick(int method) { SelectMethod(method); }

void TDlgSoils::UpdateSandFields() {
  const TSandMethodState state = SandMethodState(SelectedMethod());
  const TPageControls& sand = fPages[kPageSand];
  for (const TFieldControls& fc : sand.Fields) {
    bool enabled = true;
    if (fc.Field->Column == SandColumn::Ko) enabled = state.KoEnabled;
    if (fc.Field->Column == SandColumn::Beta) enabled = state.BetaEnabled;
    if (fc.Field->Column == SandColumn::OCR) enabled = state.MEnabled;
    fc.Top->setEnabled(enabled);
    fc.Bottom->setEnabled(enabled);
  }
  for (TDataEdit* entry : fInterfaceAngle) entry->setEnabled(state.InterfaceAngleEnabled);
  sand.Notes[kSandNoteBetaEstimate]->setVisible(state.BetaEstimateNote);
  sand.Notes[kSandNoteM]->setVisible(state.MNote);
  sand.Notes[kSandNoteIgnoreFriction]->setVisible(state.IgnoreFrictionNote);
  sand.Notes[kSandNoteEstimateFriction]->setVisible(state.EstimateFrictionNote);
}

std::vector<TDataEdit*> TDlgSoils::PageEntries() const {
  std::vector<TDataEdit*> entries;
  if (fPage < 0) return entries;
  for (const TFieldControls& fc : fPages[std::size_t(fPage)].Fields)
    for (TDataEdit* entry : {fc.Top, fc.Bottom})
      if (entry) entries.push_back(entry);
  if (fPage == kPageSand)
    entries.insert(entries.end(), fInterfaceAngle.begin(), fInterfaceAngle.end());
  return entries;
}

void TDlgSoils::CopyClick() {
  if (fPage < 0) return;
  for (const TFieldControls& fc : fPages[std::size_t(fPage)].Fields)
    if (fc.Top) fc.Bottom->setText(fc.Top->text());
  if (fPage == kPageWeakRock)
    fCondition[kRowBottom]->setCurrentIndex(fCondition[kRowTop]->currentIndex());
  if (fPage == kPageSand) fInterfaceAngle[kRowBottom]->setText(fInterfaceAngle[kRowTop]->text());
}

bool TDlgSoils::FormDeactivate() {
  TGridTable* table = LayerTable(fLayerRow);
  if (fPage < 0 || !table) return true;
  if (!CheckEntries(this, PageEntries())) return false;
  TLayerParameterValues values = ValuesShown();
  values.Write(*table);
  ShowValues(values);
  ProgramData->Tables().SetDataChanged(true);
  return true;
}

bool TDlgSoils::KoGiven() {
  if (fPage != kPageSand || SelectedMethod() != kSandMethodKo) return true;
  for (const TFieldControls& fc : fPages[kPageSand].Fields) {
    if (fc.Field->Column != SandColumn::Ko) continue;
    if (fc.Top->Number() == 0 && fc.Bottom->Number() == 0) {
      TMessageBox::Information(this, DialogText::KoMustBePositive());
      fc.Top->setFocus();
      return false;
    }
  }
  return true;
}

void TDlgSoils::CloseClick() { accept(); }

void TDlgSoils::done(int result) {
  // Every way out (Close, Escape, the window's close box) stores first; a refused entry or a
  // missing Ko keeps the dialog open.
  if (fPage >= 0) {
    if (!CheckEntries(this, PageEntries())) return;
    if (!KoGiven()) return;
    if (!FormDeactivate()) return;
  }
  QDialog::done(result);
}
