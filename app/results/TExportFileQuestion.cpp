#include "TExportFileQuestion.h"

#include <QFileDialog>
#include <QFileInfo>
#include <utility>

#include "ExportMessages.h"

namespace {

TExportFileQuestion::THandler& Handler() {
  static TExportFileQuestion::THandler handler;
  return handler;
}

}  // namespace

QString TExportFileQuestion::Ask(QWidget* parent, const QString& proposedPath) {
  if (Handler()) return Handler()(parent, proposedPath);
  QFileDialog dialog(parent, ExportText::SaveCaption());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(ExportText::SaveFilter());
  dialog.setDefaultSuffix(ExportText::WorkbookSuffix());
  const QFileInfo proposed(proposedPath);
  dialog.setDirectory(proposed.absolutePath());
  dialog.selectFile(proposed.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

TExportFileQuestion::THandler TExportFileQuestion::SetHandler(THandler handler) {
  return std::exchange(Handler(), std::move(handler));
}
