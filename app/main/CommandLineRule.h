#pragma once
// The document named on the command line. An argument without any "." (anywhere in the
// path, folders included) gets ".tv8d" appended; an existing file is opened with the
// current layout for ".tv8d" and with the 2012 layout for ".tvd". Anything else (no
// argument, no such file, another extension) starts with a new default document.
#include <QString>
#include <QStringList>

struct TStartDocument {
  QString Path;    // the path as it is opened (with ".tv8d" appended when needed)
  int Filter = 0;  // the open dialog's filter to read it with; 0: a new default document
};

// `arguments` are the program's arguments without the program itself; the first counts.
TStartDocument StartDocument(const QStringList& arguments);
