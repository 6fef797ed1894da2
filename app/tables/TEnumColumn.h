#pragma once
// A column of choices: each cell holds a 1-based index into the column's names (new rows:
// 1) and is edited with a drop-down list. As a table's first column it selects the
// template of every table column's sub-table in its row.
#include <QStringList>
#include <vector>

#include "TColumn.h"

// The 0-based position of a choice value, -1 for a value below 1 (a file can hold any
// whole number, down to the smallest).
constexpr int ChoiceIndex(int value) { return value >= 1 ? value - 1 : -1; }

class TEnumColumn : public TColumn {
 public:
  static constexpr int kClassId = 0;
  // Lines shown by the open drop-down list.
  static constexpr int kDropDownLines = 11;

  explicit TEnumColumn(TGridTable* owner) : TColumn(owner) {}
  int ClassId() const override { return kClassId; }

  const QStringList& Names() const { return fNames; }
  void SetNames(const QStringList& names) { fNames = names; }

  int GetIntValue(int row) const override;
  void SetIntValue(int row, int value) override;
  QString GetStringValue(int row) const override;
  // Evaluated; the value must be a whole number ("Value must be an integer.") and one of the
  // names ("Entry must be between 1 and n.").
  void SetStringValue(int row, const QString& text) override;

  int PreferredWidth(int dpi, const TTextWidth& textWidth) const override;
  void WriteTo(TStreamWriter& writer, TColumnStreamForm form) const override;
  void ReadFrom(TStreamReader& reader) override;
  bool HasControl() const override { return true; }
  std::unique_ptr<TColumn> Clone(TGridTable* newOwner) const override;

 protected:
  void InsertValues(int at, int count) override;
  void EraseValue(int row) override;
  QWidget* NewControl(QWidget* parent, int row) override;
  void ShowValueInControl(QWidget* control, int row) override;

 private:
  QStringList fNames;
  std::vector<int> fValues;
};
