#pragma once
// The base of the small input windows (title, shaft properties, water table, shaft length,
// design load, factors of safety, control options, multiple lengths, design charts): numeric
// fields built from their definitions, check boxes bound to document switches, the Close
// button, and the protocol they share.
//
// Activation gives every numeric field the document's unit system and its value, sets the
// other controls and applies the enabling rules. Deactivation checks the entry of the
// focused field (and any other field holding an entry that is not a number or out of its
// range): a refused entry is told by the field, nothing is written and the window stays in
// front; otherwise everything is written back. A close runs the same check and refuses
// itself when it fails. A write-back that changed a document value marks the document
// changed; typing in the fields that mark changes does so at once.
#include <QString>
#include <vector>

#include "TChildForm.h"

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class TDataEdit;
class TProgramData;
struct TDocumentField;

class TInputDialog : public TChildForm {
  Q_OBJECT

 public:
  TInputDialog(TChildKind kind, const QString& caption, QWidget* parent = nullptr);

  void FormActivate() override;
  bool FormDeactivate() override;
  bool FormCloseQuery() override;

  // The "Close" button: closes the window (its frame in the main window when it has one).
  void CloseClick();

  // The numeric fields, in the order they were made.
  const std::vector<TDataEdit*>& Entries() const { return fEntries; }
  // The label of a numeric field.
  QLabel* LabelOf(const TDataEdit* entry) const;
  // Enables a numeric field with its label and notes.
  void SetEntryEnabled(TDataEdit* entry, bool enabled);

 protected:
  // A numeric field made from its definition (label with unit, upper limit, hint, notes,
  // change marking), placed in `grid` at `row`: label, field, notes.
  TDataEdit* AddEntry(const TDocumentField& field, QGridLayout* grid, int row);
  // The fields one under another in `grid`, from its first row.
  void AddEntries(const std::vector<TDocumentField>& fields, QGridLayout* grid);
  // A check box for a document switch (checked: 1, cleared: 0), shown and written back with
  // the fields; ticking it applies the enabling rules.
  QCheckBox* AddSwitch(const QString& caption, const char* name, int TProgramData::*value,
                       QWidget* parent);
  // Notes shown with a field: enabled (and shown) with it.
  const std::vector<QLabel*>& NotesOf(const TDataEdit* entry) const;
  // The row of the window's buttons: "Close" at the right.
  QHBoxLayout* CloseButtonRow();
  // The whole window of a few fields: the fields over the Close button.
  void LayOutFields(const std::vector<TDocumentField>& fields);

  // The controls from the document / back into it; false when the write-back stopped part
  // way (the window told the user why). Unless a window has more to do, the fields and
  // switches bound to document values.
  virtual void LoadValues() { ShowBoundValues(); }
  virtual bool StoreValues();
  virtual void UpdateEnabling() {}
  // Whether deactivation runs the entry check (the close always does).
  virtual bool ChecksOnDeactivate() const { return true; }

  // The focused field's check, then that of every other field whose entry is not a number
  // within its range; false at the first refusal.
  bool CheckEntries();
  // The field's number into `target` when its text is a number; otherwise `target` stays.
  static bool ReadEntry(const TDataEdit* entry, long double& target);
  // Shows a document value in a numeric field (clamped to the field's limits).
  void ShowEntry(TDataEdit* entry, long double value);
  // The fields and switches whose definition names a document value: show it / write it.
  void ShowBoundValues();
  void ReadBoundValues();

  static TProgramData& Doc();
  void MarkChanged();

 private:
  bool WriteBack();

  struct TEntry {
    TDataEdit* Edit;
    QLabel* Label;
    std::vector<QLabel*> Notes;
    long double TProgramData::*Value;
  };
  struct TSwitch {
    QCheckBox* Box;
    int TProgramData::*Value;
  };
  std::vector<TDataEdit*> fEntries;
  std::vector<TEntry> fEntryParts;
  std::vector<TSwitch> fSwitches;
};
