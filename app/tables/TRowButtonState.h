#pragma once
// Visibility and enabling of the editing window's row buttons: they are shown only when the
// row limits differ; Add and Insert are enabled while the table is below its maximum, Delete
// while it is above its minimum.
class TGridTable;

struct TRowButtonState {
  bool Visible = false;
  bool AddEnabled = false;
  bool InsertEnabled = false;
  bool DeleteEnabled = false;

  static TRowButtonState Of(int minRows, int maxRows, int rowCount);
  static TRowButtonState Of(const TGridTable& table);
};
