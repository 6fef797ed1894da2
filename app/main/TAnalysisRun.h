#pragma once
// The run command: the current document turned into results by one call of the engine
// library, with every file of the run in the document's folder.
//
//   1. The active child window stores its edits (a refusal stops the command).
//   2. The document is saved (a new document or one of an older release through "Save As");
//      a failed write is reported and the run goes on from the file last written.
//   3. The run goes on only when "Save As" was not cancelled, the document has a name and
//      the profile checks pass.
//   4. The decimal separator is forced to "." until the end of the run.
//   5. The document's folder becomes the current folder; names.dat is written there.
//   6. A library object left from an earlier run stops the run ("Attempt to reinitialize
//      DLL").
//   7. The engine library is loaded from the program folder and ITORVEX looked up; when
//      either fails nothing is called ("Attempt to initialize DLL failed").
//   8. ITORVEX(11) runs with the busy cursor.
//   9. The completion message, the second form when the run status is not 0.
//  10. The results state is cleared and the plot data loaded when the file exists.
//  11. The scratch files are deleted: TZDIAM.DAT, CHART.DAT and ROCKMSG.DAT in the folder
//      and the document's .tv8w, .tv8t, .tv8q, .tv8l (the t-z listing TZDATA.DAT stays).
//  12. The library is unloaded, names.dat deleted and every child window closed.
//  13. The user's decimal separator comes back; the document's folder is the current folder
//      and the folder of the open and save dialogs.
//
// Besides these steps the run holds the document's folder for its whole length (TRunLock):
// a second run in the same folder is refused before it saves or writes anything. A document
// path that is a folder or a special file, or a document file that cannot be read, is
// refused before anything is written; a folder where names.dat cannot be written says so.
#include <QString>
#include <memory>

class QWidget;
class TDynamicLibrary;
class TRunLock;

// What the run needs of the main window.
class TAnalysisRunHost {
 public:
  virtual ~TAnalysisRunHost() = default;
  virtual QWidget* MessageParent() = 0;
  // The active child window stores its edits into the document; false stops the command.
  virtual bool StoreActiveChild() = 0;
  // The save command. Clears the saved flag when "Save As" is cancelled; raises EInOutError
  // when writing fails.
  virtual void SaveDocument() = 0;
  virtual bool FileSaved() const = 0;
  virtual void SetFileSaved(bool saved) = 0;
  virtual QString DocumentFileName() const = 0;
  // The profile checks, their warning shown; false stops the run.
  virtual bool CheckProfile() = 0;
  // After the call: the results state cleared and the plot data of the document loaded
  // when the file exists (errors reported), the result commands enabled by what was read.
  virtual void LoadRunResults() = 0;
  virtual void CloseChildWindows() = 0;
  virtual void SetCurDir(const QString& folder) = 0;
};

class TAnalysisRun {
 public:
  // The engine's answer, when it was called.
  struct TOutcome {
    bool Called = false;
    int Status = 0;
  };

  // `libraryPath`: the engine library to load (the program folder's Torvex2017_DLL.so).
  TAnalysisRun(TAnalysisRunHost& host, QString libraryPath);
  TOutcome Execute();

  // The one library object of the process: it exists only between loading and unloading
  // within a run.
  static std::unique_ptr<TDynamicLibrary>& EngineLibrary();

 private:
  bool HoldFolder(TRunLock& lock, const QString& folder);
  bool RefuseWith(const QString& problem);
  TOutcome CallEngine(const QString& documentFile, const QString& folder);

  TAnalysisRunHost& fHost;
  QString fLibraryPath;
};
