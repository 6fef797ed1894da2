#include "DialogAnswers.h"

#include <QElapsedTimer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace plots_test {

namespace {
constexpr int kPollMs = 5;
constexpr int kGiveUpMs = 5000;
}  // namespace

void AnswerNextModal(std::function<bool(QWidget*)> answer) {
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(kPollMs);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && answer(modal)) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (clock->elapsed() > kGiveUpMs) {
      timer->stop();
      timer->deleteLater();
      if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
      ADD_FAILURE_AT(__FILE__, __LINE__) << "the awaited dialog did not open";
    }
  });
  timer->start();
}

void PlotDialogAnswers::Install() {
  TPlotDialogs::THandlers h;
  h.ChoosePrinter = [this](QPrinter& printer, QWidget*) {
    ++fPrintDialogs;
    if (fPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fPdf);
    return true;
  };
  h.SetupPage = [this](QPrinter& printer, QWidget*) {
    if (!fPageSetup) return false;
    printer.setPageMargins(QMarginsF(fMargins[0], fMargins[1], fMargins[2], fMargins[3]),
                           QPageLayout::Inch);
    return true;
  };
  h.ChooseSaveFile = [this](QWidget*) { return fSaveAs; };
  TPlotDialogs::SetHandlers(std::move(h));
}

void PlotDialogAnswers::PrintToPdf(const QString& fileName) {
  fPdf = fileName;
  Install();
}

void PlotDialogAnswers::PageMargins(qreal left, qreal top, qreal right, qreal bottom) {
  fPageSetup = true;
  fMargins[0] = left;
  fMargins[1] = top;
  fMargins[2] = right;
  fMargins[3] = bottom;
  Install();
}

void PlotDialogAnswers::SaveAs(const QString& fileName) {
  fSaveAs = fileName;
  Install();
}

}  // namespace plots_test
