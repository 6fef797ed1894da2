#pragma once
// The main window's caption: "TORVEX 2017.8.11 - " followed by the document's file name
// without its folder. The extension is dropped only when it is ".tv8" (any letter case),
// the dialogs' default extension of the earlier releases, and a first letter a..z is made
// upper case; so a new document shows "TORVEX 2017.8.11 - NewTorvex.tv8d".
#include <QString>

// The name part of the caption for a document path.
QString CaptionName(const QString& fileName);
// The whole caption.
QString MainCaption(const QString& fileName);
