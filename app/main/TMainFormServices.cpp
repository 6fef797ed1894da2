#include "TMainFormServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QProcess>

#include "MainText.h"

namespace {

TOpenChoice OpenDialog(QWidget* parent, const QString& folder) {
  const QStringList filters = MainText::OpenFilters().split(QStringLiteral(";;"));
  QFileDialog dialog(parent, MainText::OpenDialogTitle(), folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QStringLiteral("tv8d"));
  TOpenChoice choice;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
  choice.Path = dialog.selectedFiles().first();
  choice.Filter = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
  if (choice.Filter < 1) choice.Filter = 1;
  return choice;
}

QString SaveDialog(QWidget* parent, const QString& title, const QString& proposedPath) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(MainText::SaveAsFilters().split(QStringLiteral(";;")));
  // A name typed without extension becomes a current-format document, which "Save" then
  // writes in place.
  dialog.setDefaultSuffix(QStringLiteral("tv8d"));
  dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
  dialog.selectFile(QFileInfo(proposedPath).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

TMainFormServices TMainFormServices::WithDefaults() const {
  TMainFormServices s = *this;
  if (!s.ChooseOpenFile) s.ChooseOpenFile = OpenDialog;
  if (!s.ChooseSaveFile) s.ChooseSaveFile = SaveDialog;
  if (!s.StartDetached)
    s.StartDetached = [](const QString& program, const QStringList& arguments) {
      return QProcess::startDetached(program, arguments);
    };
  if (!s.OpenUrl) s.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  if (s.ProgramFolder.isEmpty()) s.ProgramFolder = QCoreApplication::applicationDirPath();
  if (s.EngineLibrary.isEmpty())
    s.EngineLibrary =
        QDir(s.ProgramFolder).filePath(QString::fromLatin1(MainText::kEngineLibrary));
  return s;
}
