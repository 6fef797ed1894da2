#pragma once
// A column of whole numbers with a default for new rows and an allowed range (by default
// the whole signed 32-bit range).
#include <limits>
#include <vector>

#include "TColumn.h"

class TIntColumn : public TColumn {
 public:
  static constexpr int kClassId = 1;
  explicit TIntColumn(TGridTable* owner) : TColumn(owner) {}
  int ClassId() const override { return kClassId; }

  int Default() const { return fDefault; }
  void SetDefault(int value) { fDefault = value; }
  int Minimum() const { return fMinimum; }
  void SetMinimum(int value) { fMinimum = value; }
  int Maximum() const { return fMaximum; }
  void SetMaximum(int value) { fMaximum = value; }

  int GetIntValue(int row) const override;
  void SetIntValue(int row, int value) override;
  QString GetStringValue(int row) const override;
  // Evaluated and rounded. While the table's window is open the entry must be whole and
  // within the range; an entry that no integer can hold is always refused.
  void SetStringValue(int row, const QString& text) override;

  void WriteTo(TStreamWriter& writer, TColumnStreamForm form) const override;
  void ReadFrom(TStreamReader& reader) override;
  std::unique_ptr<TColumn> Clone(TGridTable* newOwner) const override;

 protected:
  void InsertValues(int at, int count) override;
  void EraseValue(int row) override;

 private:
  int fDefault = 0;
  int fMinimum = std::numeric_limits<int>::min();
  int fMaximum = std::numeric_limits<int>::max();
  std::vector<int> fValues;
};
