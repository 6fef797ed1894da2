#include "TColumnStream.h"

#include <memory>
#include <vector>

#include "ETableError.h"
#include "TColumnClasses.h"
#include "TEnumColumn.h"
#include "TFloatColumn.h"
#include "TGridTable.h"
#include "TStreamReader.h"
#include "TStreamWriter.h"
#include "TTableColumn.h"
#include "TableMessages.h"

namespace TColumnStream {

void Write(const TGridTable& table, TStreamWriter& writer, TColumnStreamForm form, int indent) {
  writer.WriteInteger(table.ColCount());
  for (int i = 0; i < table.ColCount(); ++i) {
    const TColumn* column = table.GetColumn(i);
    writer.NewLine(indent);
    writer.WriteInteger(column->ClassId());
    column->WriteTo(writer, form);
  }
}

namespace {

// The templates of an older-form table column, spread over the first column's names.
void SpreadOlderTemplate(TTableColumn& column, const TColumn* first, bool hardwired) {
  const auto* names = dynamic_cast<const TEnumColumn*>(first);
  if (!names) return;  // the single entry read stays
  TGridTableList& templates = column.Templates();
  templates.Clear();
  for (int k = 0; k < names->Names().size(); ++k)
    templates.AddIdentifier(hardwired ? column.OlderTemplate() : k + 1);
}

void PadTemplates(std::vector<std::unique_ptr<TColumn>>& columns) {
  const auto* names = columns.empty() ? nullptr : dynamic_cast<TEnumColumn*>(columns[0].get());
  const int count = names ? int(names->Names().size()) : 1;
  for (auto& column : columns)
    if (auto* tables = dynamic_cast<TTableColumn*>(column.get())) tables->Templates().Resize(count);
}

}  // namespace

void Read(TGridTable& table, TStreamReader& reader) {
  int count = 0;
  try {
    count = reader.ReadInteger();
  } catch (const ETableError&) {
    throw ETableError(TableText::ColumnCountUnreadable());
  }
  if (count < 0) throw ETableError(TableText::ColumnCountUnreadable());

  std::vector<std::unique_ptr<TColumn>> columns;
  for (int i = 0; i < count; ++i) {
    int classId = 0;
    try {
      classId = reader.ReadInteger();
    } catch (const ETableError& e) {
      throw ETableError(TableText::ColumnCreateFailed(i, e.Message()));
    }
    std::unique_ptr<TColumn> column = TColumnClasses::Create(classId, &table);
    if (!column) throw ETableError(TableText::ColumnClassUndefined());
    try {
      column->ReadFrom(reader);
    } catch (const ETableError& e) {
      throw ETableError(TableText::ColumnCreateFailed(i, e.Message()));
    }
    if (auto* tables = dynamic_cast<TTableColumn*>(column.get()); tables && tables->ReadInOlderForm())
      SpreadOlderTemplate(*tables, columns.empty() ? nullptr : columns[0].get(),
                          table.HardwiredButton());
    columns.push_back(std::move(column));
    PadTemplates(columns);
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const auto* top = dynamic_cast<const TFloatColumn*>(columns[i].get());
    if (top && top->TopDepth() &&
        (i + 1 >= columns.size() || !dynamic_cast<const TFloatColumn*>(columns[i + 1].get())))
      throw ETableError(TableText::TopDepthNeedsFloat());
  }
  table.SetColumns(std::move(columns));
}

}  // namespace TColumnStream
