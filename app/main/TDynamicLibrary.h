#pragma once
// A shared library loaded at run time by its path, and the procedures found in it.
//
// Open loads the library when it is not open yet. A library that is not there, or that
// needs a library that is not there, raises EFileNotFoundError "Library could not be
// located"; one whose loading failed inside (a symbol it needs cannot be bound) raises
// EInitError "Library failed to properly initialize"; any other failure of the loader shows
// "Error Loading Library, error code = " with the loader's text and leaves the library
// closed. Every symbol is bound when the library is loaded, so a broken library fails here
// and not in the middle of a call.
#include <QLibrary>
#include <QString>
#include <memory>

#include "EDLLError.h"

class TDynamicLibrary {
 public:
  // How the loader's failure is reported.
  enum class TLoadFailure { NotFound, InitFailed, Other };
  static TLoadFailure ClassifyLoadFailure(bool fileExists, const QString& loaderError);

  TDynamicLibrary() = default;
  // Sets the file name and, when asked, opens the library at once.
  TDynamicLibrary(const QString& fileName, bool createOpened);
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  const QString& FileName() const { return fFileName; }
  // Closes an open library first.
  void SetFileName(const QString& fileName);
  bool IsOpen() const { return hLibModule != nullptr; }

  void Open();
  void OpenFile(const QString& fileName);
  void Close();

  // The exported procedure `procName`. On a closed library raises EDLLNotOpenError "Library
  // is not open"; a name the library does not export shows "Error Getting Function, error
  // code = " with the loader's text and gives none.
  QFunctionPointer FindProcedure(const char* procName);

 private:
  QString fFileName;
  std::unique_ptr<QLibrary> hLibModule;  // set while the library is open
};
