#include "TDynamicLibrary.h"

#include <QFileInfo>

#include "MainText.h"
#include "TMessageBox.h"

TDynamicLibrary::TLoadFailure TDynamicLibrary::ClassifyLoadFailure(bool fileExists,
                                                                   const QString& loaderError) {
  if (!fileExists) return TLoadFailure::NotFound;
  // The library itself is there: a library it depends on is missing.
  if (loaderError.contains(QLatin1String("cannot open shared object file")))
    return TLoadFailure::NotFound;
  // The library was read but could not be bound to what it needs.
  if (loaderError.contains(QLatin1String("undefined symbol")) ||
      loaderError.contains(QLatin1String("symbol lookup error")) ||
      (loaderError.contains(QLatin1String("version `")) &&
       loaderError.contains(QLatin1String("not found"))))
    return TLoadFailure::InitFailed;
  return TLoadFailure::Other;
}

TDynamicLibrary::TDynamicLibrary(const QString& fileName, bool createOpened) : fFileName(fileName) {
  if (createOpened) Open();
}

TDynamicLibrary::~TDynamicLibrary() { Close(); }

void TDynamicLibrary::SetFileName(const QString& fileName) {
  Close();
  fFileName = fileName;
}

void TDynamicLibrary::Open() {
  if (IsOpen()) return;
  auto library = std::make_unique<QLibrary>(fFileName);
  library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
  if (library->load()) {
    hLibModule = std::move(library);
    return;
  }
  const QString loaderError = library->errorString();
  switch (ClassifyLoadFailure(QFileInfo(fFileName).isFile(), loaderError)) {
    case TLoadFailure::NotFound:
      throw EFileNotFoundError(MainText::LibraryNotLocated());
    case TLoadFailure::InitFailed:
      throw EInitError(MainText::LibraryFailedToInitialize());
    case TLoadFailure::Other:
      TMessageBox::Information(nullptr, MainText::ErrorLoadingLibrary(loaderError));
      return;
  }
}

void TDynamicLibrary::OpenFile(const QString& fileName) {
  SetFileName(fileName);
  Open();
}

void TDynamicLibrary::Close() {
  if (!hLibModule) return;
  hLibModule->unload();
  hLibModule.reset();
}

QFunctionPointer TDynamicLibrary::FindProcedure(const char* procName) {
  if (!IsOpen()) throw EDLLNotOpenError(MainText::LibraryNotOpen());
  const QFunctionPointer procedure = hLibModule->resolve(procName);
  if (!procedure)
    // The loader's own words for a name the library does not export.
    TMessageBox::Information(nullptr, MainText::ErrorGettingFunction(
                                          fFileName + QStringLiteral(": undefined symbol: ") +
                                          QString::fromLatin1(procName)));
  return procedure;
}
