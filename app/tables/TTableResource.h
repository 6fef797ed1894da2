#pragma once
// Table definitions as the program keeps them in its resources: for every table its name,
// its properties and its "Col" stream, in a small text form:
//
//   table tblExample
//     Caption = 'Example Layer Data'
//     Comments = ''
//     HardwiredButton = False
//     Identifier = 1
//     MinRows = 2
//     MaxRows = 2
//     RowGroup = 1
//     TopLeft = 'Location, 1=Top, 2=Bottom'
//     Col = { 2
//       2 ('Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
//       1 ('Blow' 'Counts') True False 0 0 100 }
//   end
//
// HelpPicture = ':/path' names a picture in the resources. A definition is written by
// Write from tables defined in code and read back by Read; a MinRows below 1 read from a
// definition becomes 1.
#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

#include "TColumnStreamForm.h"

class TGridTable;

namespace TTableResource {

// The definitions of `tables` in the given column-stream form.
QString Write(const std::vector<const TGridTable*>& tables,
              TColumnStreamForm form = TColumnStreamForm::Current);

// The tables of a definition text, in order, as top-level tables. Once all are read each
// gets its minimum number of rows, so that table columns find templates defined later in
// the same text. Raises ETableError for a damaged definition (nothing is kept then).
std::vector<std::unique_ptr<TGridTable>> Read(const QString& text);
// The same from a file or resource path (":/tables/...").
std::vector<std::unique_ptr<TGridTable>> Load(const QString& path);

}  // namespace TTableResource
