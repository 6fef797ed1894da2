#include "TInputDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cassert>

#include "DialogTexts.h"
#include "DocumentSnapshot.h"
#include "EAssignError.h"
#include "EntryChecks.h"
#include "InputDialogFields.h"
#include "TDataEdit.h"
#include "TProgramData.h"
#include "TSoilProfileTables.h"

TInputDialog::TInputDialog(TChildKind kind, const QString& caption, QWidget* parent)
    : TChildForm(kind, parent) {
  setWindowTitle(caption);
}

TProgramData& TInputDialog::Doc() {
  assert(ProgramData);
  return *ProgramData;
}

void TInputDialog::MarkChanged() { Doc().Tables().SetDataChanged(true); }

TDataEdit* TInputDialog::AddEntry(const TDocumentField& field, QGridLayout* grid, int row) {
  auto* label = new QLabel(this);
  auto* edit = new TDataEdit(this);
  edit->setObjectName(QString::fromLatin1(field.Name));
  edit->SetCaption(QString::fromLatin1(field.Caption));
  edit->SetUnitsString(QString::fromLatin1(field.UnitsString));
  edit->SetEditLabel(label);
  if (field.Maximum) edit->SetMaxVal(*field.Maximum);
  // Room for the longest number a field shows (8 digits, sign, point and exponent).
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0.00012345678")) +
                        edit->fontMetrics().averageCharWidth() * 2);
  if (*field.Hint) edit->setToolTip(QString::fromLatin1(field.Hint));
  if (field.MarksChanged) connect(edit, &QLineEdit::textEdited, this, [this] { MarkChanged(); });
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);

  TEntry parts{edit, label, {}, field.Value};
  if (!field.Notes.isEmpty()) {
    auto* notes = new QVBoxLayout;
    notes->setSpacing(0);
    for (const QString& text : field.Notes) {
      auto* note = new QLabel(text, this);
      notes->addWidget(note);
      parts.Notes.push_back(note);
    }
    grid->addLayout(notes, row, 2);
  }
  fEntries.push_back(edit);
  fEntryParts.push_back(parts);
  return edit;
}

void TInputDialog::AddEntries(const std::vector<TDocumentField>& fields, QGridLayout* grid) {
  int row = 0;
  for (const TDocumentField& field : fields) AddEntry(field, grid, row++);
}

QCheckBox* TInputDialog::AddSwitch(const QString& caption, const char* name,
                                   int TProgramData::*value, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  connect(box, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
  fSwitches.push_back({box, value});
  return box;
}

QLabel* TInputDialog::LabelOf(const TDataEdit* entry) const {
  for (const TEntry& e : fEntryParts)
    if (e.Edit == entry) return e.Label;
  return nullptr;
}

const std::vector<QLabel*>& TInputDialog::NotesOf(const TDataEdit* entry) const {
  static const std::vector<QLabel*> kNone;
  for (const TEntry& e : fEntryParts)
    if (e.Edit == entry) return e.Notes;
  return kNone;
}

void TInputDialog::SetEntryEnabled(TDataEdit* entry, bool enabled) {
  entry->setEnabled(enabled);
  for (QLabel* note : NotesOf(entry)) note->setEnabled(enabled);
}

QHBoxLayout* TInputDialog::CloseButtonRow() {
  auto* button = new QPushButton(DialogText::Close(), this);
  button->setObjectName(QStringLiteral("Button1"));
  connect(button, &QPushButton::clicked, this, &TInputDialog::CloseClick);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(button);
  return row;
}

void TInputDialog::LayOutFields(const std::vector<TDocumentField>& fields) {
  auto* grid = new QGridLayout;
  AddEntries(fields, grid);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(CloseButtonRow());
}

void TInputDialog::ShowEntry(TDataEdit* entry, long double value) { entry->SetNumber(value); }

void TInputDialog::ShowBoundValues() {
  for (const TEntry& e : fEntryParts)
    if (e.Value) ShowEntry(e.Edit, Doc().*e.Value);
  for (const TSwitch& s : fSwitches) s.Box->setChecked(Doc().*s.Value == 1);
}

void TInputDialog::ReadBoundValues() {
  for (const TEntry& e : fEntryParts)
    if (e.Value) ReadEntry(e.Edit, Doc().*e.Value);
  for (const TSwitch& s : fSwitches) Doc().*s.Value = s.Box->isChecked() ? 1 : 0;
}

bool TInputDialog::StoreValues() {
  ReadBoundValues();
  return true;
}

bool TInputDialog::ReadEntry(const TDataEdit* entry, long double& target) {
  try {
    target = entry->Number();
    return true;
  } catch (const EAssignError&) {
    return false;
  }
}

void TInputDialog::FormActivate() {
  const int units = Doc().Units();
  for (TDataEdit* entry : fEntries) entry->SetUnits(units);
  LoadValues();
  UpdateEnabling();
}

bool TInputDialog::CheckEntries() { return ::CheckEntries(this, fEntries); }

bool TInputDialog::WriteBack() {
  const TDocumentSnapshot before(Doc());
  const bool complete = StoreValues();
  if (!(TDocumentSnapshot(Doc()) == before)) MarkChanged();
  return complete;
}

bool TInputDialog::FormDeactivate() {
  if (ChecksOnDeactivate() && !CheckEntries()) return false;
  return WriteBack();
}

bool TInputDialog::FormCloseQuery() {
  if (!CheckEntries()) return false;
  return WriteBack();
}

void TInputDialog::CloseClick() { CloseChildWindow(this); }
