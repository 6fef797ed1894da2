#pragma once
// The elevation view ("Elevation View"): the soil profile and the shaft side by side to
// true scale, the depth under the pointer in the window title, printing on one landscape
// page, with or without hatches. A child window of the main window; it reads the document
// each time it is activated and computes nothing for the analysis.
#include <QCheckBox>
#include <QPushButton>

#include "TChildForm.h"
#include "TShaftProfile.h"
#include "TSideViewGeometry.h"
#include "TSideViewPainter.h"

class QPrinter;

class TDlgSideView : public TChildForm {
  Q_OBJECT

 public:
  explicit TDlgSideView(QWidget* parent = nullptr);

  // Rebuilds the shaft and the extents from the document, fits the world window and
  // repaints. A value that gives no drawable shaft closes the view after a message.
  void FormActivate() override;

  // "Print": the print dialog, then one landscape page.
  void PrintClick();
  // Draws the page on `printer`, titled "Soil-Pile Profile" and landscape; false when the
  // printer could not be opened.
  bool PrintTo(QPrinter& printer);
  // "Omit Hatches".
  void OmitHatchesClick();
  // "Close".
  void CloseClick();

  const TSideViewGeometry& Geometry() const { return fGeometry; }
  const TShaftProfile& Profile() const { return fProfile; }
  bool OmitHatches() const { return fOmitHatches->isChecked(); }
  void SetOmitHatches(bool omit) { fOmitHatches->setChecked(omit); }
  QPushButton* PrintButton() const { return fPrint; }
  QCheckBox* OmitHatchesBox() const { return fOmitHatches; }
  QPushButton* CloseButton() const { return fClose; }
  // The window's picture as painted, for a client area of its own size.
  QImage Picture() const;

  QSize sizeHint() const override { return {520, 640}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildGeometry();
  void FitWorldWindow();
  void PlaceControls();
  TSideViewPainter Painter() const;

  TShaftProfile fProfile;
  TSideViewGeometry fGeometry;
  QPushButton* fPrint = nullptr;
  QCheckBox* fOmitHatches = nullptr;
  QPushButton* fClose = nullptr;
  QWidget* fControls = nullptr;
  bool fActivated = false;
};
