#pragma once
// The cells of a layer's parameter table as numbers, whatever the column kind: real columns
// hold reals, whole-number and choice columns whole numbers (a value written to them is
// rounded to the nearest whole number).
class TGridTable;

bool IsWholeNumberColumn(const TGridTable& table, int col);
long double CellNumber(const TGridTable& table, int col, int row);
void SetCellNumber(TGridTable& table, int col, int row, long double value);
// Copies every cell of both rows of `from` into `to`, column by column, as far as both
// tables have columns; whole numbers stay whole.
void CopyParameterCells(const TGridTable& from, TGridTable& to);
