#pragma once
// What the main window takes from the desktop: the file dialogs, starting the text editor,
// opening files with the desktop's handler, and where the program's files lie. The program
// uses the real ones; tests put their own in place so that no dialog blocks and no program
// starts.
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

struct TOpenChoice {
  QString Path;    // empty: the dialog was cancelled
  int Filter = 1;  // 1-based index of the chosen filter
};

struct TMainFormServices {
  // The open dialog, starting in `folder`, for an existing file.
  std::function<TOpenChoice(QWidget* parent, const QString& folder)> ChooseOpenFile;
  // The save-as dialog: proposes `proposedPath`, asks before overwriting; the chosen path,
  // empty when cancelled.
  std::function<QString(QWidget* parent, const QString& title, const QString& proposedPath)>
      ChooseSaveFile;
  // Starts `program` with `arguments` without waiting; false when it could not start.
  std::function<bool(const QString& program, const QStringList& arguments)> StartDetached;
  // Opens a file with the desktop's default handler; false when nothing could open it.
  std::function<bool(const QUrl& url)> OpenUrl;
  // The program's folder (the manuals lie there); empty: the folder of the running program.
  QString ProgramFolder;
  // The engine library; empty: Torvex2017_DLL.so in the program's folder.
  QString EngineLibrary;

  // These services with every empty one replaced by the desktop's.
  TMainFormServices WithDefaults() const;
};
