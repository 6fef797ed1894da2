#include "TAnalysisRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <filesystem>

#include "DocumentPathCheck.h"
#include "EInOutError.h"
#include "MainText.h"
#include "TBusyCursor.h"
#include "RunFiles.h"
#include "TDynamicLibrary.h"
#include "TEngineLocale.h"
#include "TMessageBox.h"
#include "TRunLock.h"
#include "TSavePrompt.h"

namespace {

constexpr const char* kRunFileListName = "names.dat";

QString FromPath(const std::filesystem::path& path) {
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// The first path of the run that the engine would cut, empty when none.
QString OverlongRunPath(const tvx::run::RunFileSet& files) {
  for (const std::filesystem::path* p :
       {&files.document, &files.report, &files.plot, &files.notes, &files.curves, &files.qwList,
        &files.tzPlot, &files.qwPlot, &files.loadDist})
    if (p->string().size() > tvx::run::kMaxRunPathLength) return FromPath(*p);
  return {};
}

// Writes the run-file list in the current folder; the reason of a failure, empty on success.
QString WriteRunFileList(const tvx::run::RunFileSet& files) {
  const QByteArray text = QByteArray::fromStdString(tvx::run::RunFileListText(files));
  QFile list(QString::fromLatin1(kRunFileListName));
  if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate)) return list.errorString();
  if (list.write(text) != text.size() || !list.flush()) {
    const QString reason = list.errorString();
    list.close();
    list.remove();
    return reason;
  }
  return {};
}

// The completion message of an engine run by its status.
QString RunOutcomeMessage(int status) {
  if (status == 0) return MainText::RunCompleted();
  if (status == MainText::kStatusNotFinite) return MainText::RunStoppedNotFinite();
  return MainText::RunCompletedWithErrors();
}

void RemoveScratchFiles(const tvx::run::RunFileSet& files) {
  // TZDATA.DAT, the t-z detail listing, is a result and stays.
  for (const char* name : tvx::run::kFolderScratchFiles) QFile::remove(QString::fromLatin1(name));
  for (const std::filesystem::path* p : {&files.qwList, &files.tzPlot, &files.qwPlot, &files.loadDist})
    QFile::remove(FromPath(*p));
}

}  // namespace

TAnalysisRun::TAnalysisRun(TAnalysisRunHost& host, QString libraryPath)
    : fHost(host), fLibraryPath(std::move(libraryPath)) {}

std::unique_ptr<TDynamicLibrary>& TAnalysisRun::EngineLibrary() {
  static std::unique_ptr<TDynamicLibrary> library;
  return library;
}

bool TAnalysisRun::RefuseWith(const QString& problem) {
  TMessageBox::Information(fHost.MessageParent(), problem);
  return false;
}

bool TAnalysisRun::HoldFolder(TRunLock& lock, const QString& folder) {
  if (lock.Held() && lock.Folder() == folder) return true;
  switch (lock.Acquire(folder)) {
    case TRunLock::TResult::Locked:
      return true;
    case TRunLock::TResult::Busy:
      return RefuseWith(MainText::AnotherRunInFolder(QDir::toNativeSeparators(folder)));
    case TRunLock::TResult::CannotWrite:
      return RefuseWith(
          MainText::CannotWriteRunFileList(QDir::toNativeSeparators(folder), lock.Reason()));
  }
  return false;
}

TAnalysisRun::TOutcome TAnalysisRun::Execute() {
  if (!fHost.StoreActiveChild()) return {};

  // A folder or a special file in the document's place can be neither saved nor run.
  QString fileName = fHost.DocumentFileName();
  if (const QString problem = DocumentWriteProblem(fileName); !problem.isEmpty()) {
    RefuseWith(problem);
    return {};
  }
  // A document that is saved in place is saved in its folder: hold it before the save, so
  // that a refused run writes nothing.
  TRunLock lock;
  if (SaveActionFor(fileName) == TSaveAction::WriteInPlace &&
      !HoldFolder(lock, QFileInfo(fileName).absolutePath()))
    return {};

  fHost.SetFileSaved(true);
  try {
    fHost.SaveDocument();
  } catch (const EInOutError& e) {
    TMessageBox::Information(fHost.MessageParent(), MainText::SavingErrorDuringRun(e.Message()));
  }
  fileName = fHost.DocumentFileName();
  if (!fHost.FileSaved() || IsUnnamedDocument(fileName)) return {};

  const QString folder = QFileInfo(fileName).absolutePath();
  if (!HoldFolder(lock, folder)) return {};
  if (const QString problem = DocumentReadProblem(fileName); !problem.isEmpty()) {
    RefuseWith(problem);
    return {};
  }
  if (!fHost.CheckProfile()) return {};
  const tvx::run::RunFileSet files =
      tvx::run::MakeRunFileSet(std::filesystem::path(QFile::encodeName(fileName).toStdString()));
  if (const QString path = OverlongRunPath(files); !path.isEmpty()) {
    RefuseWith(MainText::RunPathTooLong(path, int(tvx::run::kMaxRunPathLength)));
    return {};
  }

  TOutcome outcome = CallEngine(fileName, folder);

  QDir::setCurrent(folder);
  fHost.SetCurDir(folder);
  return outcome;
}

TAnalysisRun::TOutcome TAnalysisRun::CallEngine(const QString& documentFile, const QString& folder) {
  TEngineLocale pointSeparator;
  QDir::setCurrent(folder);
  const tvx::run::RunFileSet files =
      tvx::run::MakeRunFileSet(std::filesystem::path(QFile::encodeName(documentFile).toStdString()));
  if (const QString reason = WriteRunFileList(files); !reason.isEmpty()) {
    RefuseWith(MainText::CannotWriteRunFileList(QDir::toNativeSeparators(folder), reason));
    return {};
  }

  std::unique_ptr<TDynamicLibrary>& library = EngineLibrary();
  if (library) {
    TMessageBox::Information(fHost.MessageParent(), MainText::ReinitializeDLL());
    return {};
  }
  using TEntryPoint = int (*)(int);
  TEntryPoint entry = nullptr;
  try {
    library = std::make_unique<TDynamicLibrary>(fLibraryPath, true);
    if (library->IsOpen())
      entry = reinterpret_cast<TEntryPoint>(library->FindProcedure(MainText::kEntryPoint));
  } catch (const EDLLError& e) {
    TMessageBox::Information(fHost.MessageParent(), e.Message());
  }
  if (!entry) {
    library.reset();
    TMessageBox::Information(fHost.MessageParent(), MainText::InitializeDLLFailed());
    return {};
  }

  TOutcome outcome;
  {
    TBusyCursor busy;
    outcome.Status = entry(tvx::run::kEngineRunArgument);
    outcome.Called = true;
  }
  TMessageBox::Information(fHost.MessageParent(), RunOutcomeMessage(outcome.Status));
  fHost.LoadRunResults();
  RemoveScratchFiles(files);
  library.reset();
  QFile::remove(QString::fromLatin1(kRunFileListName));
  fHost.CloseChildWindows();
  return outcome;
}
