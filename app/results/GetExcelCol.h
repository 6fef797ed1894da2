#pragma once

#include <QString>

// Spreadsheet column letters of the 1-based column c: "A".."Z" for 1..26, "AA".."ZZ" for
// 27..702; any other column gives no text.
QString GetExcelCol(int c);
