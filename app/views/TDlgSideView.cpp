#include "TDlgSideView.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>

#include "ETableError.h"
#include "TMessageBox.h"
#include "TProgramData.h"
#include "ViewMessages.h"
#include "ViewWindows.h"

TDlgSideView::TDlgSideView(QWidget* parent) : TChildForm(TChildKind::Side, parent) {
  setWindowTitle(QString::fromLatin1(view_text::kSideViewCaption));
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 160);

  fControls = new QWidget(this);
  auto* column = new QVBoxLayout(fControls);
  column->setContentsMargins(0, 4, 4, 4);
  fPrint = new QPushButton(QString::fromLatin1(view_text::kPrint), fControls);
  fOmitHatches = new QCheckBox(QString::fromLatin1(view_text::kOmitHatches), fControls);
  fOmitHatches->setToolTip(QString::fromLatin1(view_text::kOmitHatchesHint));
  fClose = new QPushButton(QString::fromLatin1(view_text::kClose), fControls);
  fClose->setToolTip(QString::fromLatin1(view_text::kCloseHint));
  column->addWidget(fPrint);
  column->addWidget(fOmitHatches);
  column->addWidget(fClose);
  fControls->setAutoFillBackground(true);
  connect(fPrint, &QPushButton::clicked, this, &TDlgSideView::PrintClick);
  connect(fOmitHatches, &QCheckBox::toggled, this, &TDlgSideView::OmitHatchesClick);
  connect(fClose, &QPushButton::clicked, this, &TDlgSideView::CloseClick);
  PlaceControls();
}

void TDlgSideView::FormActivate() {
  fActivated = true;
  BuildGeometry();
  FitWorldWindow();
  update();
}

void TDlgSideView::BuildGeometry() {
  if (fGeometry.NoDraw() || !ProgramData) return;
  QString failure;
  try {
    fProfile = ShaftProfileFrom(*ProgramData);
    const long double before = fProfile.PD;
    fGeometry.Build(fProfile);
    // A shaft without a length reaches the bottom of the profile, and the document keeps it
    // as its length, unless the design load is given: there the length is the analysis'
    // answer, and a length in the document would make the next save a given-length problem
    // and drop the load.
    if (fProfile.PD != before && ProgramData->METHOD != 1) ProgramData->PD = fProfile.PD;
    return;
  } catch (const TShaftGeometryError& e) {
    failure = e.Message();
  } catch (const ETableError&) {
    failure = QString::fromLatin1(view_text::kNoSections);
  } catch (const std::out_of_range&) {
    failure = QString::fromLatin1(view_text::kNoSections);
  }
  TMessageBox::Information(this, failure);
  // Closed once the activation that got here has finished.
  QTimer::singleShot(0, this, [this] { view_windows::CloseViewWindow(this); });
}

void TDlgSideView::FitWorldWindow() {
  if (fGeometry.NoDraw()) return;
  fGeometry.Fit(width(), height());
}

void TDlgSideView::PlaceControls() {
  fControls->adjustSize();
  const int left = width() - 2 * fPrint->sizeHint().width();
  fControls->move(std::max(0, left), 0);
}

TSideViewPainter TDlgSideView::Painter() const {
  TSideViewPainter painter(fGeometry, fProfile);
  painter.OmitHatches = fOmitHatches->isChecked();
  painter.FaceColor = palette().color(QPalette::Window);
  painter.Font = font();
  return painter;
}

void TDlgSideView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!fActivated) return;
  // The layers are read anew at every paint, so the bands follow the table.
  if (ProgramData) fProfile.Layers = ShaftProfileFrom(*ProgramData).Layers;
  Painter().PaintWindow(painter, width(), height());
}

QImage TDlgSideView::Picture() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(palette().color(QPalette::Window));
  QPainter painter(&image);
  painter.setFont(font());
  Painter().PaintWindow(painter, width(), height());
  return image;
}

void TDlgSideView::resizeEvent(QResizeEvent* event) {
  TChildForm::resizeEvent(event);
  FitWorldWindow();
  PlaceControls();
  update();
}

void TDlgSideView::showEvent(QShowEvent* event) {
  TChildForm::showEvent(event);
  // Shown on its own (without a main window to activate it): build from the document.
  if (!fActivated) FormActivate();
}

void TDlgSideView::mouseMoveEvent(QMouseEvent* event) {
  TChildForm::mouseMoveEvent(event);
  if (fGeometry.NoDraw() || height() <= 0) return;
  setWindowTitle(fGeometry.DepthReadOut(int(event->position().y()), height()));
}

void TDlgSideView::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintTo(printer)) TMessageBox::Information(this, QString::fromLatin1(view_text::kPrintFailed));
}

bool TDlgSideView::PrintTo(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromLatin1(view_text::kPrintJobTitle));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  if (ProgramData) fProfile.Layers = ShaftProfileFrom(*ProgramData).Layers;
  Painter().PaintPage(painter, printer.width(), printer.height());
  return painter.end();
}

void TDlgSideView::OmitHatchesClick() { update(); }

void TDlgSideView::CloseClick() { view_windows::CloseViewWindow(this); }
