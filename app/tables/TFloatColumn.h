#pragma once
// A column of reals with a default for new rows and a unit string: values are converted by
// the unit string's factor when the table changes unit system, and the last heading line
// shows the unit's name. A TopDepth column is paired with the next (real) column: the top
// of each row equals the bottom of the row above.
#include <QString>
#include <vector>

#include "TColumn.h"

class TFloatColumn : public TColumn {
 public:
  static constexpr int kClassId = 2;
  // Significant digits of a real shown in a cell.
  static constexpr int kShownDigits = 8;

  explicit TFloatColumn(TGridTable* owner) : TColumn(owner) {}
  int ClassId() const override { return kClassId; }

  long double Default() const { return fDefault; }
  void SetDefault(long double value) { fDefault = value; }
  bool TopDepth() const { return fTopDepth; }
  void SetTopDepth(bool value) { fTopDepth = value; }
  const QString& UnitsString() const { return fUnitsString; }
  void SetUnitsString(const QString& value) { fUnitsString = value; }

  long double GetFloatValue(int row) const override;
  void SetFloatValue(int row, long double value) override;
  QString GetStringValue(int row) const override;
  // Evaluated as an expression; blank or invalid entries are refused.
  void SetStringValue(int row, const QString& text) override;

  int DisplayHeadingCount() const override;
  QString GetDisplayHeadings(int line) const override;
  void SetUnits(int from, int to) override;
  void WriteTo(TStreamWriter& writer, TColumnStreamForm form) const override;
  void ReadFrom(TStreamReader& reader) override;
  std::unique_ptr<TColumn> Clone(TGridTable* newOwner) const override;

  // Stores a value without the SameGroup rule, the pairing or events.
  void Store(int row, long double value);
  // The bottom column of a TopDepth pair; raises ETableError when the next column is not a
  // real column.
  TFloatColumn* BottomColumn() const;

 protected:
  void InsertValues(int at, int count) override;
  void EraseValue(int row) override;

 private:
  // The TopDepth column this one is the bottom of, or none.
  TFloatColumn* TopColumn() const;

  long double fDefault = 0;
  bool fTopDepth = false;
  QString fUnitsString;
  std::vector<long double> fValues;
};
