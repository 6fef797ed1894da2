#include "TPlotDialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

TPlotDialogs::THandlers& Handlers() {
  static TPlotDialogs::THandlers handlers;
  return handlers;
}

// The default extension of each file type of the save dialog, in the order of the filter.
const char* const kSuffixes[] = {"bmp", "png", "jpg"};

}  // namespace

QString TPlotDialogs::SaveFilter() {
  return QStringLiteral("Bitmap (*.bmp);;PNG image (*.png);;JPEG image (*.jpg *.jpeg)");
}

bool TPlotDialogs::ChoosePrinter(QPrinter& printer, QWidget* parent) {
  if (Handlers().ChoosePrinter) return Handlers().ChoosePrinter(printer, parent);
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool TPlotDialogs::SetupPage(QPrinter& printer, QWidget* parent) {
  if (Handlers().SetupPage) return Handlers().SetupPage(printer, parent);
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QString TPlotDialogs::ChooseSaveFile(QWidget* parent) {
  if (Handlers().ChooseSaveFile) return Handlers().ChooseSaveFile(parent);
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  const QStringList filters = SaveFilter().split(QStringLiteral(";;"));
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QString::fromLatin1(kSuffixes[0]));
  // A name typed without extension takes the extension of the chosen file type.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
    const qsizetype i = filters.indexOf(f);
    if (i >= 0 && i < static_cast<qsizetype>(std::size(kSuffixes)))
      dialog.setDefaultSuffix(QString::fromLatin1(kSuffixes[i]));
  });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

TPlotDialogs::THandlers TPlotDialogs::SetHandlers(THandlers handlers) {
  THandlers previous = std::move(Handlers());
  Handlers() = std::move(handlers);
  return previous;
}
