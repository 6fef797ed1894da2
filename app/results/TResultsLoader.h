#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "TPlotReadSettings.h"
#include "TResultPlots.h"

class TWordReader;

// Loads a plot-data file into the result plots: the capacity curves of every plotted shaft
// against depth, the load-settlement curves, the design charts, the t-z and q-w curves and
// the load-distribution curves, with their line names, axis captions, the combined plots
// and the soil-layer strips. Reading stops at the first malformed or missing value; plots
// filled before that keep what they received.
class TResultsLoader {
 public:
  // Counts a plot-data file may give: an analysis plots at most 100 lengths of 20
  // diameters, and a capacity curve has at most 10000 increments plus its two first points.
  static constexpr int kMaxPlottedLines = 100 * 20;
  static constexpr int kMaxCapacityPoints = 10000 + 2;
  // A design chart has at most 20 diameters of 100 lengths.
  static constexpr int kMaxChartDiameters = 20;
  static constexpr int kMaxChartLengths = 100;
  static constexpr int kSettlementPoints = 16;  // (0, 0) and the 15 solved points
  static constexpr int kSettlementRows = 15;
  static constexpr int kLoadCurves = 15;        // one per assumed tip movement
  static constexpr int kCurvePoints = 10;       // points of a t-z or q-w curve

  // `document` is read, and its ID2 written; `layers` are the rows of the soil-layer table.
  TResultsLoader(TResultPlots& plots, TPlotReadSettings& document,
                 std::vector<TSoilLayerRow> layers);

  // Reads `plotFile`. Returns 1 when the file was read to the end of what it holds, 0 when
  // reading failed; with reportErrors non-zero a failure is also reported in a message box.
  // Sets the plots' showtzcurves and showloadcurves when those sections were read; the
  // caller clears them before and sets ShowOutput from the result.
  int ReadPlotData(const QString& plotFile, int reportErrors);
  // The same on the text of a plot-data file already in memory.
  int ReadPlotDataFrom(const QByteArray& text, int reportErrors);

  // Reads design chart n (0-based) into `plot` when n < ntry: its settlement, then `lines`
  // diameters of `ndata` (length, load) points, converted to feet and tons or metres and kN.
  // Throws EInOutError on a malformed value, the end of the file, or counts beyond what a
  // chart holds or the rest of the file can hold.
  void ReadPltChart(TGraphPlot& plot, int lines, TWordReader& reader, int n, int ntry,
                    int ndata);

  // Gives a plot that has lines and points its soil-layer strip: one layer line per soil
  // layer, with the fill code and the vertical value of the layer bottom.
  void AddLayersGraphPlot(TGraphPlot& plot);

 private:
  int Load(TWordReader& reader, int reportErrors);
  void Read(TWordReader& reader);
  void SetUpCapacityPlots(TWordReader& reader, int& NLINES, int& NPTS);
  void ReadPlottedLine(TWordReader& reader, int i, int NPTS, int n);
  void ReadSettlementCurve(TWordReader& reader, TGraphPlot& plot, int i);
  void NamePlottedLines(int NLINES, int NPTS);
  void CopyCombinedLines();
  void ReadTzCurves(TWordReader& reader, TGraphPlot& plot);
  void ReadQwCurves(TWordReader& reader);
  void ReadLoadDistribution(TWordReader& reader);

  // The vertical value of a depth: an elevation below the shaft top, or the depth itself.
  long double Vertical(long double depth) const;
  long double E0() const;
  bool UsesElevation() const { return fDocument.UseElevation == 1; }
  bool IsSI() const { return fDocument.Units == 2; }
  bool IsUplift() const { return fDocument.KCYCL > 1; }
  QString UnitWord() const;

  TResultPlots& fPlots;
  TPlotReadSettings& fDocument;
  std::vector<TSoilLayerRow> fLayers;
};
