#pragma once
// Every text that the grid tables, their definitions and their editing window show or raise.
#include <QString>

namespace TableText {

// Cell entry.
inline QString EntryBlank() { return QStringLiteral("Entry cannot be blank."); }
inline QString NotANumber(const QString& text) {
  return text + QStringLiteral(" is not a valid number.");
}
inline QString EntryMustBeInteger() { return QStringLiteral("Entry must be an integer."); }
inline QString EntryBetween(int minimum, int maximum) {
  return QStringLiteral("Entry must be between %1 and %2.").arg(minimum).arg(maximum);
}
inline QString ValueMustBeInteger() { return QStringLiteral("Value must be an integer."); }

// Typed access and structure.
inline QString WrongDataType() { return QStringLiteral("Data of wrong type"); }
inline QString TopDepthNeedsFloat() {
  return QStringLiteral("If column if a topdepth then the next column must be a float column");
}
inline QString MinRowsPositive() { return QStringLiteral("Value must be greater than 0"); }
inline QString IndexOutOfBounds() { return QStringLiteral("Index out of bounds"); }
inline QString ParentWithControls() {
  return QStringLiteral("Attempt to change parent with controls already allocated");
}
inline QString ParentWithControlsError() {
  return QStringLiteral("Error attempt to change parent with controls already allocated");
}
inline QString NullParent() { return QStringLiteral("null parent"); }
inline QString BadTopRow(int row) { return QStringLiteral("ATopRow %1").arg(row); }
inline QString BadCount(int count) { return QStringLiteral("ACount %1").arg(count); }
inline QString UnexpectedComboRow() { return QStringLiteral("Unexpected row for combobox"); }
inline QString TooFewGridColumns() {
  return QStringLiteral("There must be at least 2 columns in grid");
}
inline QString GridRowInvalid() { return QStringLiteral("Grid.Row not in valid range"); }

// Column stream.
inline QString ColumnCountUnreadable() { return QStringLiteral("Error reading column count"); }
inline QString ColumnClassUndefined() { return QStringLiteral("Error Column Class not defined"); }
inline QString ColumnCreateFailed(int column, const QString& message) {
  return QStringLiteral("Error occured when creating column %1: %2").arg(QString::number(column), message);
}

// Markers of the current column-stream form.
inline QString FloatColumnMarker() { return QStringLiteral("FLOATCOLUMN2"); }
inline QString TableColumnMarker() { return QStringLiteral("FLEXCOLUMN2"); }

// Editing window.
inline QString AddRowCaption() { return QStringLiteral("&Add Row"); }
inline QString InsertRowCaption() { return QStringLiteral("&Insert Row"); }
inline QString DeleteRowCaption() { return QStringLiteral("&Delete Row"); }
inline QString UnitHeading(const QString& heading, const QString& unitName) {
  return QStringLiteral("%1 (%2)  ").arg(heading, unitName);
}
inline QString SubTableButton(int rowNumber, const QString& caption) {
  return QStringLiteral("%1: %2").arg(QString::number(rowNumber), caption);
}

}  // namespace TableText

namespace TableText {

// Table definitions (the program's own resources).
inline QString DefinitionExpected(const QString& what, int line) {
  return QStringLiteral("Table definition, line %1: %2 expected").arg(QString::number(line), what);
}
inline QString DefinitionUnknownProperty(const QString& name, int line) {
  return QStringLiteral("Table definition, line %1: unknown property %2")
      .arg(QString::number(line), name);
}
inline QString DefinitionUnreadable(const QString& path) {
  return QStringLiteral("Table definitions cannot be read from %1").arg(path);
}
inline QString DefinitionHelpPicture(const QString& path) {
  return QStringLiteral("Help picture %1 cannot be loaded").arg(path);
}

}  // namespace TableText
