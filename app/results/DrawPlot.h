#pragma once

#include <QFont>

#include "TDrawArea.h"
#include "TPlotPicture.h"

// The one drawing pass of a plot, shared by the window, a printed page and a saved bitmap:
// white background; axis titles with units and the user caption; tick marks, dotted grid
// lines and labels; the visible active lines in the palette colours with their markers,
// clipped to the graph; on paper and in bitmaps the legend box; the soil-layer strip with
// its fills and labels; the frame of the graph. A target less than an inch wide or high is
// only painted white. Paints on area.Canvas.
void DrawPlot(const TPlotPicture& picture, const TDrawArea& area);

// The font of titles, labels, the legend box and the layer labels: Times New Roman (or a face
// of its metrics, or the nearest serif face) of `pixelHeight` pixels.
QFont PlotFont(int pixelHeight, bool bold);

// Pen width of the data lines on a target: one pixel per 300 pixels per inch more than one,
// times the plot's line width.
int DataPenWidth(int pixelsPerInch, int widthLine);
