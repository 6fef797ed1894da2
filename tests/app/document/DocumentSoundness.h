#pragma once
// What must hold after any file was read into a document, however malformed the file: the
// checks the corruption sweep and the document fuzz target share. Each returns an empty
// text when everything holds, else what was found broken.
#include <QString>

#include "TProgramData.h"

class TSoilProfileTables;

// The document and its tables after a reading: a unit system of 1 or 2 shared by every
// table, row counts within the tables' minimum and maximum, a parameter table of two rows
// for every layer of a known soil type, at most 10 settlements in use, the document marked
// unchanged, the user's decimal point given back, and an outcome whose messages are the
// reader's own texts.
QString ReadFaults(const TProgramData& doc, const TReadOutcome& outcome,
                   const QString& userDecimalPoint);

// A document read completely is saved (its file text written) to `firstPath`, read back from it and saved to
// `secondPath`: the second reading must be complete and silent, keep the row counts, and
// the two saved files must be byte for byte the same. `doc` is the document that was read;
// the tables are refilled by the second reading.
QString SaveStabilityFaults(TProgramData& doc, const QString& firstPath,
                            const QString& secondPath);
