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

// The save dialog for pictures: a name typed without extension takes the extension of the
// file type chosen, before the dialog asks about replacing an existing file.
class TPictureFileDialog : public QFileDialog {
 public:
  explicit TPictureFileDialog(QWidget* parent) : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite, false);
    setNameFilters(TPlotDialogs::SaveFilter().split(QStringLiteral(";;")));
    setDefaultSuffix(QString::fromLatin1(kSuffixes[0]));
  }

 protected:
  void accept() override {
    const qsizetype i = nameFilters().indexOf(selectedNameFilter());
    if (i >= 0 && i < static_cast<qsizetype>(std::size(kSuffixes)))
      setDefaultSuffix(QString::fromLatin1(kSuffixes[i]));
    QFileDialog::accept();
  }
};

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
  TPictureFileDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

TPlotDialogs::THandlers TPlotDialogs::SetHandlers(THandlers handlers) {
  THandlers previous = std::move(Handlers());
  Handlers() = std::move(handlers);
  return previous;
}
