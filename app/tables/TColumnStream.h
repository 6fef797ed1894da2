#pragma once
// The "Col" stream of a grid table: its column definitions in order. For every column its
// class identifier, headings, Visible and SameGroup, then by kind: the enumeration's names;
// an integer column's default, minimum and maximum; a real column's TopDepth flag, the
// marker "FLOATCOLUMN2", unit string and default; a table column's marker "FLEXCOLUMN2" and
// template identifiers (-1 for none); a string column's default and minimum width.
//
// The older form, still read, has no markers: a real column carries only its unit string
// (default 0) and a table column one template, which is spread over the first column's
// names (the same template for every name with HardwiredButton, else identifiers 1, 2, ...).
// After each column every table column's template list is padded or cut to the number of
// names of the first column (1 when it is not an enumeration).
#include "TColumnStreamForm.h"

class TGridTable;
class TStreamReader;
class TStreamWriter;

namespace TColumnStream {

void Write(const TGridTable& table, TStreamWriter& writer, TColumnStreamForm form, int indent);
// Replaces the table's columns by those read; raises ETableError ("Error reading column
// count", "Error Column Class not defined", "Error occured when creating column n: ...").
// The table keeps its columns when reading fails.
void Read(TGridTable& table, TStreamReader& reader);

}  // namespace TColumnStream
