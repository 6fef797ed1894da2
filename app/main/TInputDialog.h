#pragma once
// The base of the small input windows (title, shaft properties, water table, shaft length,
// design load, factors of safety, control options, multiple lengths, design charts): numeric
// fields built from their definitions, and the protocol they share.
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

class QGridLayout;
class QLabel;
class QLayout;
class QPushButton;
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
  // Notes shown with a field: enabled (and shown) with it.
  const std::vector<QLabel*>& NotesOf(const TDataEdit* entry) const;
  QPushButton* MakeCloseButton();

  virtual void LoadValues() = 0;
  // Writes the controls into the document; false when the write-back stopped part way
  // (the window told the user why).
  virtual bool StoreValues() = 0;
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
  // The fields whose definition names a document value: show it / write it back.
  void ShowBoundEntries();
  void ReadBoundEntries();

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
  std::vector<TDataEdit*> fEntries;
  std::vector<TEntry> fEntryParts;
};
