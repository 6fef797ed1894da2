#pragma once
// Accessor of one cell: it knows only its column; its row is its position in the column's
// list of cells, so it stays right when rows are inserted or deleted above it.
#include <QString>

class TColumn;
class TGridTable;

class TData {
 public:
  explicit TData(TColumn* column) : BaseCol(column) {}

  TColumn* BaseCol;

  int Row() const;
  long double GetFloat() const;
  void SetFloat(long double value);
  int GetInt() const;
  void SetInt(int value);
  QString GetValue() const;
  void SetValue(const QString& text);
  // The row's sub-table (table columns only).
  TGridTable* GetData() const;
};
