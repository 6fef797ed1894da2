#pragma once
// Draws the elevation: the soil layers as full-width hatched bands with their labels, the
// ground surface with slanted ticks, and the shaft's four parts, either on the window (the
// world window of the geometry mapped onto the client area) or on one page of paper (one
// scale for both directions, the shaft in the middle of the page).
#include <QColor>
#include <QFont>

#include "TShaftProfile.h"
#include "TSideViewGeometry.h"

class QPainter;

class TSideViewPainter {
 public:
  // Pen width on paper, in printer pixels.
  static constexpr int kPrintPenWidth = 12;

  TSideViewPainter(const TSideViewGeometry& geometry, const TShaftProfile& profile)
      : fGeometry(geometry), fProfile(profile) {}

  // Bands drawn as outlines only, without their hatch.
  bool OmitHatches = false;
  // The window's face colour, under the bands.
  QColor FaceColor = QColor(240, 240, 240);
  // The window's font; on paper it is used at its point size.
  QFont Font;

  // The window's picture on a client area of W x H pixels. Draws nothing with NoDraw.
  void PaintWindow(QPainter& painter, int W, int H) const;
  // The printed page of PW x PH printer pixels.
  void PaintPage(QPainter& painter, int PW, int PH) const;

  // Fill colour of a shaft part.
  static QColor PartColor(int part);

 private:
  // The window's hatch or, with OmitHatches, no fill.
  QBrush BandBrush(int soilType) const;

  const TSideViewGeometry& fGeometry;
  const TShaftProfile& fProfile;
};
