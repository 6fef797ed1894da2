// Answering the modal dialogs the plot window opens: the test arms an answer, then runs the
// command, which blocks in the dialog until the answer has closed it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>

#include "TPlotDialogs.h"

namespace plots_test {

// Calls `answer` with the next modal window once one is shown; `answer` returns false when
// the window is not the one it waits for. Gives up after a few seconds, rejecting whatever
// dialog is open so that the test fails instead of hanging.
void AnswerNextModal(std::function<bool(QWidget*)> answer);

template <class Dialog>
void AnswerNextDialog(std::function<void(Dialog&)> answer) {
  AnswerNextModal([answer](QWidget* w) {
    auto* d = qobject_cast<Dialog*>(w);
    if (!d) return false;
    answer(*d);
    return true;
  });
}

// Takes over the print, page-setup and file dialogs for as long as it lives.
class PlotDialogAnswers {
 public:
  PlotDialogAnswers() : fPrevious(TPlotDialogs::SetHandlers({})) {}
  ~PlotDialogAnswers() { TPlotDialogs::SetHandlers(std::move(fPrevious)); }
  PlotDialogAnswers(const PlotDialogAnswers&) = delete;
  PlotDialogAnswers& operator=(const PlotDialogAnswers&) = delete;

  // Printing goes to this PDF file; an empty name cancels the print dialog.
  void PrintToPdf(const QString& fileName);
  // Page setup answers with these margins in inches; without, it is cancelled.
  void PageMargins(qreal left, qreal top, qreal right, qreal bottom);
  // The save dialog answers with this file name (empty: cancelled).
  void SaveAs(const QString& fileName);

  int PrintDialogs() const { return fPrintDialogs; }

 private:
  void Install();

  TPlotDialogs::THandlers fPrevious;
  QString fPdf;
  bool fPageSetup = false;
  qreal fMargins[4] = {0, 0, 0, 0};
  QString fSaveAs;
  int fPrintDialogs = 0;
};

}  // namespace plots_test
