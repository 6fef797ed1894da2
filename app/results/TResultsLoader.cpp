#include "TResultsLoader.h"

#include <iterator>
#include <limits>
#include <utility>

#include "EInOutError.h"
#include "GeneralFloatText.h"
#include "ResultsMessages.h"
#include "TMessageBox.h"
#include "TWordReader.h"

namespace {

constexpr int kAnyCount = std::numeric_limits<int>::max();

// Values of one capacity point after its depth: current documents give the ultimate side,
// tip and total resistances and the three design values, older ones side, tip, total and
// one unused value.
constexpr int kCurrentPointValues = 6;
constexpr int kOlderPointValues = 4;
// Values of one load-settlement row: top load, top movement, tip load, tip movement.
constexpr int kSettlementRowValues = 4;
// Integers of the header of a plotted line after the first.
constexpr int kLineHeaderValues = 3;
// Upper- and lower-bound curves are read when a line has more blocks than this.
constexpr int kTrendAndOneBound = 2;

// A tip resistance that small is drawn as this, so that the curve keeps a positive value.
constexpr long double kSmallestTip = 0.0001L;
constexpr long double kTipShownForNone = 0.00001L;

// Diameter steps of the line names when the run has no design charts.
constexpr long double kDiameterStepFt = 0.5L;
constexpr long double kDiameterStepM = 0.152L;

// Chart lengths come in inches and loads in pounds, in both unit systems.
constexpr long double kInchesPerFoot = 12.0L;
constexpr long double kPoundsPerTon = 2000.0L;
constexpr long double kInchesPerMetre = 39.37L;
constexpr long double kPoundsPerKn = 224.82014388489208633L;

// Words left to read from the current position on.
long long RemainingWords(const TWordReader& reader) {
  long long words = reader.CurrentLineWordCount() - reader.CurrentItem();
  for (int line = reader.CurrentLine() + 1; line < reader.LineCount(); ++line)
    words += reader.WordCount(line);
  return words < 0 ? 0 : words;
}

// A count read from the file: refused when it is below `minimum`, above `maximum`, or
// announces more than `wordsEach` words apiece where the rest of the file holds fewer, so
// that a corrupt count never makes the plots allocate or the reader loop beyond the file.
int CheckedCount(const TWordReader& reader, int count, int minimum, int maximum,
                 long long wordsEach, const char* what) {
  if (count < minimum || count > maximum ||
      static_cast<long long>(count) * wordsEach > RemainingWords(reader) + wordsEach)
    throw EInOutError(ResultsText::CountOutOfRange(QString::fromLatin1(what)));
  return count;
}

// Moves to the start of the next line and past lines without words; false when nothing
// is left to read.
bool NextLineHasWords(TWordReader& reader) {
  if (!reader.Eof()) reader.ReadLine();
  while (!reader.Eof() && reader.CurrentLineWordCount() == 0) reader.ReadLine();
  return !reader.Eof();
}

void CopyLine(const TGraphPlot& from, TGraphPlot& to, int toLine) {
  if (from.LineCount() == 0 || toLine >= to.LineCount()) return;
  const TLine& source = from.Lines(0);
  TLine& target = to.Lines(toLine);
  target.SetCount(source.Count());
  for (int j = 0; j < source.Count(); ++j) target.Point(j) = source.Point(j);
}

struct LayerStyle {
  const char* name;
  int fillCode;
};

// Label and fill code of the band of each layer type 1..9.
constexpr LayerStyle kLayerStyles[] = {
    {" SAND ", 7},  {" CLAY ", 1},      {" SHALE ", 8}, {" ROCK ", 9},    {" WEAK ROCK ", 10},
    {" GW ", 12},   {" ROCK ", 9},      {" GW ", 11},   {" GRAVEL ", 12},
};

}  // namespace

TResultsLoader::TResultsLoader(TResultPlots& plots, TPlotReadSettings& document,
                               std::vector<TSoilLayerRow> layers)
    : fPlots(plots), fDocument(document), fLayers(std::move(layers)) {}

long double TResultsLoader::E0() const { return UsesElevation() ? fDocument.ValElevation : 0; }

long double TResultsLoader::Vertical(long double depth) const {
  return UsesElevation() ? E0() - depth : depth + E0();
}

QString TResultsLoader::UnitWord() const {
  return IsSI() ? QStringLiteral(" m") : QStringLiteral(" ft");
}

int TResultsLoader::ReadPlotData(const QString& plotFile, int reportErrors) {
  try {
    TWordReader reader(plotFile);
    return Load(reader, reportErrors);
  } catch (const EInOutError&) {
    if (reportErrors) TMessageBox::Information(nullptr, ResultsText::ErrorInMainProgram());
    return 0;
  }
}

int TResultsLoader::ReadPlotDataFrom(const QByteArray& text, int reportErrors) {
  TWordReader reader = TWordReader::FromData(text);
  return Load(reader, reportErrors);
}

int TResultsLoader::Load(TWordReader& reader, int reportErrors) {
  try {
    Read(reader);
  } catch (const EInOutError&) {
    if (reportErrors) TMessageBox::Information(nullptr, ResultsText::ErrorInMainProgram());
    return 0;
  }
  fPlots.SetUnits(fDocument.Units);
  return 1;
}

void TResultsLoader::SetUpCapacityPlots(TWordReader& reader, int& NLINES, int& NPTS) {
  TResultPlots& p = fPlots;
  TGraphPlot* depthPlots[] = {&p.pltSkin(),   &p.pltTip(),    &p.pltTotal(), &p.pltCombine(),
                              &p.FSpltSkin(), &p.FSpltTip(),  &p.FSpltTotal(),
                              &p.pltCombineD()};
  const QString vertical =
      UsesElevation() ? QStringLiteral("Elevation") : QStringLiteral("Depth");
  for (TGraphPlot* plot : depthPlots) {
    plot->SetYCaption(vertical);
    plot->SetYreversed(UsesElevation());
  }
  p.pltSkin().SetShowFontWidth(true);
  p.pltCombine().SetShowFontWidth(true);

  TGraphPlot* perShaft[] = {&p.pltSkin(),    &p.pltTip(),   &p.pltTotal(),
                            &p.FSpltSkin(),  &p.FSpltTip(), &p.FSpltTotal(),
                            &p.pltAxial(),   &p.pltUpper(), &p.pltLower()};
  // Every plotted line needs at least its trend curve and a line header.
  const long long wordsPerLine = kSettlementRows * kSettlementRowValues + kLineHeaderValues;
  NLINES = CheckedCount(reader, reader.ReadInteger(), 1, kMaxPlottedLines, wordsPerLine,
                        "number of plotted lines");
  for (TGraphPlot* plot : perShaft) plot->SetLineCount(NLINES);
  p.pltLoad().SetLineCount(kLoadCurves);
  for (TGraphPlot* plot : {&p.pltCombine(), &p.pltCombineD(), &p.pltCombinedSettle()})
    plot->SetLineCount(3);

  if (fDocument.NLRFD == 1) {
    p.FSpltSkin().SetXCaption(QStringLiteral("LRFD Side Resistance "));
    p.FSpltTip().SetXCaption(QStringLiteral("LRFD Tip Resistance "));
    p.FSpltTotal().SetXCaption(QStringLiteral("LRFD Total Resistance "));
    p.pltCombineD().SetXCaption(QStringLiteral("LRFD Resistance "));
  } else if (fDocument.NLRFD == 2) {
    p.FSpltSkin().SetXCaption(QStringLiteral("Side Resistance/F.S. "));
    p.FSpltTip().SetXCaption(QStringLiteral("Tip Resistance/F.S. "));
    p.FSpltTotal().SetXCaption(QStringLiteral("Total Resistance/F.S. "));
    p.pltCombineD().SetXCaption(QStringLiteral("Resistance/F.S. "));
  }
  if (IsUplift()) p.FSpltTip().SetXCaption(QStringLiteral("Self-Weight"));

  for (TGraphPlot* plot : {&p.pltCombine(), &p.pltCombineD()}) {
    plot->Lines(0).SetLineName(QStringLiteral("  Skin Friction"));
    plot->Lines(1).SetLineName(fDocument.KCYCL == 1 ? QStringLiteral("  Tip Resistance")
                                                    : QStringLiteral("  Self-Weight"));
    plot->Lines(2).SetLineName(QStringLiteral("  Total Capacity"));
  }
  p.pltCombinedSettle().Lines(0).SetLineName(QStringLiteral("  Trend (Averaged)"));
  p.pltCombinedSettle().Lines(1).SetLineName(QStringLiteral("  Upper Bound"));
  p.pltCombinedSettle().Lines(2).SetLineName(QStringLiteral("  Lower Bound"));

  const long long wordsPerPoint =
      1 + (fDocument.Yesnewversion ? kCurrentPointValues : kOlderPointValues);
  NPTS = CheckedCount(reader, reader.ReadInteger(), 1, kMaxCapacityPoints, wordsPerPoint,
                      "number of capacity points");
  for (TGraphPlot* plot : {&p.pltSkin(), &p.pltTip(), &p.pltTotal(), &p.FSpltSkin(),
                           &p.FSpltTip(), &p.FSpltTotal(), &p.pltCombine(), &p.pltCombineD()})
    plot->SetCount(NPTS);
  for (TGraphPlot* plot : {&p.pltAxial(), &p.pltUpper(), &p.pltLower(), &p.pltCombinedSettle()})
    plot->SetCount(kSettlementPoints);
  p.pltLoad().SetCount(NPTS - 2);

  fDocument.ID2 = reader.ReadInteger();
  for (TGraphPlot* plot : perShaft) plot->SetUnits(fDocument.Units);
  for (TGraphPlot* plot : {&p.pltLoad(), &p.pltCombine(), &p.pltCombineD(),
                           &p.pltCombinedSettle()})
    plot->SetUnits(fDocument.Units);
}

void TResultsLoader::ReadPlottedLine(TWordReader& reader, int i, int NPTS, int n) {
  TResultPlots& p = fPlots;
  TGraphPlot* six[] = {&p.pltSkin(),   &p.pltTip(),   &p.pltTotal(),
                       &p.FSpltSkin(), &p.FSpltTip(), &p.FSpltTotal()};
  for (int j = 0; j < NPTS; ++j) {
    if (j >= n) {
      // A line with fewer points than the first repeats its last point.
      for (TGraphPlot* plot : six) plot->Data(i, j) = plot->Data(i, j - 1);
      continue;
    }
    const long double y = Vertical(reader.ReadFloat());
    for (TGraphPlot* plot : six) plot->Data(i, j).y = y;
    if (fDocument.Yesnewversion) {
      p.pltSkin().Data(i, j).x = reader.ReadFloat();
      p.pltTip().Data(i, j).x = reader.ReadFloat();
      p.pltTotal().Data(i, j).x = reader.ReadFloat();
      p.FSpltSkin().Data(i, j).x = reader.ReadFloat();
      p.FSpltTip().Data(i, j).x = reader.ReadFloat();
      p.FSpltTotal().Data(i, j).x = reader.ReadFloat();
      // Under uplift the tip column is the shaft's self-weight, taken unfactored.
      if (IsUplift()) p.FSpltTip().Data(i, j).x = p.pltTip().Data(i, j).x;
    } else {
      const long double side = reader.ReadFloat();
      const long double tip = reader.ReadFloat();
      p.pltSkin().Data(i, j).x = side;
      p.pltTip().Data(i, j).x = tip;
      // A factor of safety of zero or less counts as 1, as the analysis takes it.
      const long double fst = fDocument.FST > 0 ? fDocument.FST : 1.0L;
      const long double fsb = fDocument.FSB > 0 ? fDocument.FSB : 1.0L;
      p.FSpltSkin().Data(i, j).x = side / fst;
      p.FSpltTip().Data(i, j).x = IsUplift() ? tip : tip / fsb;
      p.pltTotal().Data(i, j).x = reader.ReadFloat();
      p.FSpltTotal().Data(i, j).x = p.FSpltSkin().Data(i, j).x + p.FSpltTip().Data(i, j).x;
      reader.ReadFloat();
    }
  }
  TFloatPoint& lastTip = p.pltTip().Data(i, NPTS - 1);
  if (lastTip.x < kSmallestTip) lastTip.x = kTipShownForNone;
}

void TResultsLoader::ReadSettlementCurve(TWordReader& reader, TGraphPlot& plot, int i) {
  plot.Data(i, 0) = TFloatPoint{};
  for (int j = 1; j <= kSettlementRows; ++j) {
    TFloatPoint& point = plot.Data(i, j);
    point.x = reader.ReadFloat();  // top load
    point.y = reader.ReadFloat();  // top movement
    reader.ReadFloat();            // tip load
    reader.ReadFloat();            // tip movement
  }
}

void TResultsLoader::NamePlottedLines(int NLINES, int NPTS) {
  TResultPlots& p = fPlots;
  const long double step = fDocument.IChart > 0 ? fDocument.DIAMINCR
                           : IsSI()             ? kDiameterStepM
                                                : kDiameterStepFt;
  for (int i = 0; i < NLINES; ++i) {
    // One line per shaft length (its tip depth or elevation), or one per diameter.
    const QString name =
        fDocument.IPENT == 1
            ? QStringLiteral("L =") + GeneralFloatText(p.pltSkin().Data(i, NPTS - 1).y) +
                  UnitWord()
            : QStringLiteral("Dia=") + GeneralFloatText(fDocument.DSTART + i * step) +
                  UnitWord();
    for (TGraphPlot* plot : {&p.pltSkin(), &p.pltTip(), &p.pltTotal(), &p.FSpltSkin(),
                             &p.FSpltTip(), &p.FSpltTotal(), &p.pltAxial(), &p.pltUpper(),
                             &p.pltLower()})
      plot->Lines(i).SetLineName(name);
  }
}

void TResultsLoader::CopyCombinedLines() {
  TResultPlots& p = fPlots;
  CopyLine(p.pltSkin(), p.pltCombine(), 0);
  CopyLine(p.pltTip(), p.pltCombine(), 1);
  CopyLine(p.pltTotal(), p.pltCombine(), 2);
  CopyLine(p.FSpltSkin(), p.pltCombineD(), 0);
  CopyLine(p.FSpltTip(), p.pltCombineD(), 1);
  CopyLine(p.FSpltTotal(), p.pltCombineD(), 2);
  CopyLine(p.pltAxial(), p.pltCombinedSettle(), 0);
  CopyLine(p.pltUpper(), p.pltCombinedSettle(), 1);
  CopyLine(p.pltLower(), p.pltCombinedSettle(), 2);
}

void TResultsLoader::ReadTzCurves(TWordReader& reader, TGraphPlot& plot) {
  const int count = CheckedCount(reader, reader.ReadInteger(), 0, kAnyCount,
                                 3 + 2 * kCurvePoints, "number of t-z curves");
  plot.SetLineCount(count);
  plot.SetCount(kCurvePoints);
  for (int i = 0; i < count; ++i) {
    reader.ReadInteger();  // curve number
    reader.ReadInteger();  // point count
    plot.Lines(i).SetLineName(QStringLiteral("H=") + GeneralFloatText(reader.ReadFloat()) +
                              UnitWord());
    for (int j = 0; j < kCurvePoints; ++j) {
      TFloatPoint& point = plot.Data(i, j);
      point.y = reader.ReadFloat();  // unit load transfer
      point.x = reader.ReadFloat();  // movement
    }
  }
}

void TResultsLoader::ReadQwCurves(TWordReader& reader) {
  TGraphPlot& plot = fPlots.pltQw();
  const int count = CheckedCount(reader, reader.ReadInteger(), 0, kAnyCount,
                                 3 + 2 * kCurvePoints, "number of q-w curves");
  plot.SetLineCount(count);
  plot.SetCount(kCurvePoints);
  for (int i = 0; i < count; ++i) {
    reader.ReadInteger();  // diameter index
    const long double diameter = reader.ReadFloat();
    reader.ReadInteger();  // point count
    plot.Lines(i).SetLineName(QStringLiteral("Dia=") + GeneralFloatText(diameter) + UnitWord());
    for (int j = 0; j < kCurvePoints; ++j) {
      TFloatPoint& point = plot.Data(i, j);
      point.y = reader.ReadFloat();  // tip load
      point.x = reader.ReadFloat();  // tip movement
    }
  }
}

void TResultsLoader::ReadLoadDistribution(TWordReader& reader) {
  TGraphPlot& plot = fPlots.pltLoad();
  for (int i = 0; i < plot.LineCount(); ++i)
    for (int j = 0; j < plot.Count(); ++j) {
      TFloatPoint& point = plot.Data(i, j);
      point.y = reader.ReadFloat();  // middle depth of the segment
      point.x = reader.ReadFloat();  // load at the middle
      reader.ReadFloat();            // movement at the middle
    }
}

void TResultsLoader::Read(TWordReader& reader) {
  TResultPlots& p = fPlots;
  int NLINES = 0;
  int NPTS = 0;
  SetUpCapacityPlots(reader, NLINES, NPTS);

  int n = NPTS;
  for (int i = 0; i < NLINES; ++i) {
    ReadPlottedLine(reader, i, NPTS, n);
    ReadSettlementCurve(reader, p.pltAxial(), i);
    if (fDocument.ID2 > kTrendAndOneBound) {
      ReadSettlementCurve(reader, p.pltUpper(), i);
      ReadSettlementCurve(reader, p.pltLower(), i);
    }
    if (i < NLINES - 1) {
      reader.ReadInteger();  // number of plotted lines, as in the first header
      // A later line needs at least one point of its own; the rest repeat its last one.
      n = reader.ReadInteger();
      if (n < 1) throw EInOutError(ResultsText::CountOutOfRange(QStringLiteral("point count")));
      reader.ReadInteger();  // its number of load-settlement blocks
    }
  }

  if (fDocument.IChart == 1) {
    const int ntry = CheckedCount(reader, reader.ReadInteger(), 0, TResultPlots::kChartCount,
                                  1, "number of design charts");
    const int lines =
        CheckedCount(reader, reader.ReadInteger(), 0, kMaxChartDiameters, 1, "chart diameters");
    const int ndata =
        CheckedCount(reader, reader.ReadInteger(), 0, kMaxChartLengths, 1, "chart lengths");
    for (int chart = 0; chart < TResultPlots::kChartCount; ++chart)
      ReadPltChart(p.PltChart(chart + 1), lines, reader, chart, ntry, ndata);
  }

  NamePlottedLines(NLINES, NPTS);
  CopyCombinedLines();
  for (TGraphPlot* plot : {&p.FSpltSkin(), &p.FSpltTip(), &p.FSpltTotal(), &p.pltSkin(),
                           &p.pltTip(), &p.pltTotal(), &p.pltCombine(), &p.pltCombineD()})
    AddLayersGraphPlot(*plot);

  // Runs whose first shaft has its tip in rock end here: no t-z results.
  if (!NextLineHasWords(reader)) return;
  if (fDocument.PrintTZCurves == 1) ReadTzCurves(reader, p.pltTzAdd());
  ReadTzCurves(reader, p.pltTz());
  ReadQwCurves(reader);
  p.showtzcurves = true;

  if (!NextLineHasWords(reader)) return;
  ReadLoadDistribution(reader);
  p.showloadcurves = true;
}

void TResultsLoader::ReadPltChart(TGraphPlot& plot, int lines, TWordReader& reader, int n,
                                  int ntry, int ndata) {
  if (n >= ntry) return;
  // Every diameter needs its value and, per length, a length and a load.
  CheckedCount(reader, lines, 0, kMaxChartDiameters, 1 + 2LL * ndata, "chart diameters");
  CheckedCount(reader, ndata, 0, kMaxChartLengths, 0, "chart lengths");
  plot.SetLineCount(lines);
  plot.SetCount(ndata);
  const long double settlement = reader.ReadFloat();
  const QString caption = QStringLiteral("Design Chart (") + GeneralFloatText(settlement) +
                          (IsSI() ? QStringLiteral("-m") : QStringLiteral("-in")) +
                          QStringLiteral(" movement)");
  plot.SetCaption(caption);
  plot.SetUserCaption(caption);
  for (int i = 0; i < lines; ++i) {
    const long double diameter = reader.ReadFloat();
    plot.Lines(i).SetLineName(
        QStringLiteral("Dia=") +
        GeneralFloatText(IsSI() ? diameter : diameter / kInchesPerFoot) + UnitWord());
    for (int j = 0; j < ndata; ++j) {
      TFloatPoint& point = plot.Data(i, j);
      point.y = reader.ReadFloat();  // shaft length, inches
      point.x = reader.ReadFloat();  // load at the settlement, pounds
    }
  }
  for (int i = 0; i < plot.LineCount(); ++i)
    for (int j = 0; j < plot.Count(); ++j) {
      TFloatPoint& point = plot.Data(i, j);
      point.y /= IsSI() ? kInchesPerMetre : kInchesPerFoot;
      point.x /= IsSI() ? kPoundsPerKn : kPoundsPerTon;
    }
}

void TResultsLoader::AddLayersGraphPlot(TGraphPlot& plot) {
  if (plot.LineCount() == 0 || plot.Count() == 0) return;
  plot.SetLayerLineCount(static_cast<int>(fLayers.size()));
  plot.SetLayerCount(1);
  for (int i = 0; i < plot.LayerLineCount(); ++i) {
    const TSoilLayerRow& row = fLayers[static_cast<std::size_t>(i)];
    TLine& line = plot.LayerLines(i);
    const bool known = row.SoilType >= 1 && row.SoilType <= static_cast<int>(std::size(kLayerStyles));
    if (known) {
      const LayerStyle& style = kLayerStyles[row.SoilType - 1];
      line.SetLineName(QString::fromLatin1(style.name));
      line.Point(0).x = style.fillCode;
    } else {
      line.SetLineName(QStringLiteral("LAYER ") + QString::number(i + 1));
      line.Point(0).x = 0;
    }
    line.Point(0).y = UsesElevation() ? E0() - row.Bottom : row.Bottom;
  }
  plot.SetLayersTop(E0());
}
