#pragma once
// Shared pieces of the main-window tests: settings kept in a scratch folder, the desktop
// services replaced by a recorder (no dialog blocks, no program starts), a scratch folder
// with copies of the examples, and the window itself on the offscreen platform with every
// message box captured.
#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>
#include <ostream>

#include "TMainForm.h"
#include "TMessageCapture.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '[';
  for (qsizetype i = 0; i < list.size(); ++i) *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
  *os << ']';
}

namespace main_test {

QString ExamplesFolder();
QString EngineLibrary();
// A library of the loading tests (NoEntryPoint.so, UnboundSymbol.so).
QString TestLibrary(const QString& fileName);
QString StripAccelerators(QString caption);
QByteArray ReadBytes(const QString& path);
// build/screenshots (made when missing).
QString ScreenshotFolder();
void WriteBytes(const QString& path, const QByteArray& bytes);

// The settings store in a folder of its own for as long as the object lives.
class TSettingsSandbox {
 public:
  TSettingsSandbox();
  ~TSettingsSandbox();
  QString Folder() const { return fDir.path(); }

 private:
  QTemporaryDir fDir;
};

// Stands in for the desktop: answers the file dialogs from what the test set and records
// every program started and every file opened.
struct TFakeDesktop {
  TOpenChoice OpenAnswer;   // what the open dialog returns
  QString SaveAnswer;       // what the save-as dialog returns (empty: cancelled)
  int OpenDialogs = 0;
  QStringList SaveTitles;   // titles of the save-as dialogs shown
  QStringList SaveProposals;
  QList<QStringList> Started;  // program followed by its arguments
  bool StartSucceeds = true;
  QList<QUrl> Opened;
  bool OpenSucceeds = true;
  QString Library = EngineLibrary();  // the engine library the run loads

  TMainFormServices Services(const QString& programFolder);
};

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest();
  ~MainFormTest() override;

  // A new window, shown (which runs its start-up with `arguments`); `beforeShow` runs on
  // the window between its making and its first show.
  TMainForm& Start(const QStringList& arguments = {},
                   const std::function<void(TMainForm&)>& beforeShow = {});
  // Closes and frees the window, running its close query.
  void Stop();
  QString Path(const QString& name) const { return fDir.filePath(name); }
  // A copy of examples/<name> in the scratch folder (or its sub-folder), returned by path.
  QString CopyExample(const QString& name, const QString& subFolder = {}) const;
  void Trigger(TMainCommand command);
  QStringList Files() const;  // names in the scratch folder, sorted

  QTemporaryDir fDir;
  QString fProgramFolder;  // the manuals' folder of the fake program
  TSettingsSandbox fSettings;
  TFakeDesktop fDesktop;
  TMessageCapture fMessages;
  std::unique_ptr<TMainForm> fForm;

 private:
  QString fPreviousCurrent;
};

}  // namespace main_test
