#pragma once
// The program's settings in the user's settings store (organisation "Calverin", application
// "TORVEX", group "2017.8.11"): the text-editor command ("Word Processor"), the last
// document folder ("Directory") and the ten recent documents ("File1" .. "File10"). A store
// that cannot be read falls back to the defaults; a failed write is ignored, it never stops
// the program.
#include <QString>

#include "TRecentFiles.h"

struct TProgramSettings {
  QString WordProcessor;
  QString Directory;
  // The store could not be read when the program started. (Later readings of the same
  // store in the process no longer report it, so the start remembers it.)
  bool StoreError = false;

  // Start-up: the word processor and the folder, each replaced by its default when empty
  // (the desktop's default handler; the program's own folder).
  static TProgramSettings ReadAtStart(const QString& programFolder);
  // When the window is first shown: when the settings exist, a non-empty word processor
  // replaces `wordProcessor` and the recent files are read into `recent`; on a store error
  // the list is cleared and the editor is the desktop's default handler.
  static void ReadWhenShown(bool storeError, QString& wordProcessor, TRecentFiles& recent);
  // Writes the word processor, the current folder and the ten recent files.
  static void Write(const QString& wordProcessor, const QString& directory,
                    const TRecentFiles& recent);
};
