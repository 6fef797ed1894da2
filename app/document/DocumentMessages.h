#pragma once
// Every text the document shows or raises while reading or writing its file.
#include <QString>

namespace DocumentText {

// A file the document cannot write; `reason` is the system's message.
QString CannotSave(const QString& fileName, const QString& reason);
// The reason when fewer bytes reached the disk than were written.
QString ShortWrite();

// A count word that is negative: reading stops there (line and item are 1-based).
QString CountExpected(int line, int item);

// Counts above what the program holds: the first ones are read, the rest are skipped.
QString TooManyLayers(int count, int limit);
QString TooManySettlements(int count, int limit);
QString TooManyTZDepths(int count, int limit);

}  // namespace DocumentText
