#pragma once
// Whether a path can serve as a document before anything is read or written for it. A
// folder, a pipe or device, a missing or unreadable file is refused with a message naming
// the path and the reason; reading from a pipe would never end, and writing over one would
// replace it.
#include <QString>

// The problem of reading `path` as a document: empty when it is a readable regular file.
QString DocumentReadProblem(const QString& path);
// The problem of writing the document to `path`: empty when it is no folder or special file
// (a file that does not exist yet can be written).
QString DocumentWriteProblem(const QString& path);
